#include "menubar/PopupPlacement.h"

CPopupPlacement PlacePopup(const CBarRect& item, const CMonitorArea& monitor, long popupHeight) {
    CPopupPlacement place;
    place.x = item.left < monitor.rcWork.left ? monitor.rcWork.left : item.left;
    place.fAbove = monitor.rcMonitor.bottom - item.bottom - popupHeight <= 0;
    place.y = place.fAbove ? item.top : item.bottom;
    return place;
}
