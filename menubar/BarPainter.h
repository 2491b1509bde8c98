// Painting of the menu bar: the whole bar off-screen, and single items in
// their normal, hot (raised) and pressed (sunken) looks.
#ifndef KESTREL_BAR_PAINTER_H
#define KESTREL_BAR_PAINTER_H

#include <windows.h>

#include <vector>

#include "menubar/BarItems.h"

// The whole bar into `dc`: background, then every item (the hot one raised,
// none pressed), drawn off-screen and copied with one blit.
void PaintBar(HDC dc, const RECT& client, const std::vector<CBarItem>& items, int nHotItem, COLORREF clrBack,
              bool fVertical);

// One item. `pressed` counts only together with `hot`.
void DrawBarItem(const CBarItem& item, HDC dc, bool fHot, bool fPressed, COLORREF clrBack, bool fVertical);

#endif
