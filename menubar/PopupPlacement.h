// Where a bar item's popup opens, free of window handles: below the item and
// left-aligned with it, on the monitor that holds the item.
#ifndef KESTREL_POPUP_PLACEMENT_H
#define KESTREL_POPUP_PLACEMENT_H

#include "menubar/BarLayout.h"

// A monitor in virtual-screen coordinates, which are negative left of and
// above the primary monitor.
struct CMonitorArea {
    CBarRect rcMonitor;
    CBarRect rcWork;  // without the taskbar and docked bars
};

struct CPopupPlacement {
    long x = 0;
    long y = 0;
    bool fAbove = false;  // bottom-aligned with the item's top (TPM_BOTTOMALIGN)
};

// `item` in screen coordinates on `monitor`; `popupHeight` the sum of the
// popup's item heights. Below the item when the popup ends above the
// monitor's bottom, otherwise above it; never left of the work area. On one
// monitor at origin 0 this is the desktop's rule with x clamped to 0.
CPopupPlacement PlacePopup(const CBarRect& item, const CMonitorArea& monitor, long popupHeight);

#endif
