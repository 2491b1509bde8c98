// Painting of the menu bar: the whole bar off-screen, and single items in
// their normal, hot (raised) and pressed (sunken) looks.
#ifndef KESTREL_BAR_PAINTER_H
#define KESTREL_BAR_PAINTER_H

#include <windows.h>

#include <vector>

#include "menubar/BarItems.h"
#include "menubar/MenuLook.h"

// What an item is drawn with beyond its state: the colours, and whether the
// '&' markers show as underlines.
struct CBarStyle {
    CMenuLook look;
    bool fHideMnemonics = false;
};

// The look of the bar's description: `clrBack` with bevels, the system menu
// text colour, underlined mnemonics.
CBarStyle PlainBarStyle(COLORREF clrBack);

// The whole bar into `dc`: background, then every item (the hot one raised,
// none pressed), drawn off-screen and copied with one blit.
void PaintBar(HDC dc, const RECT& client, const std::vector<CBarItem>& items, int nHotItem, const CBarStyle& style,
              bool fVertical);
void PaintBar(HDC dc, const RECT& client, const std::vector<CBarItem>& items, int nHotItem, COLORREF clrBack,
              bool fVertical);

// One item. `pressed` counts only together with `hot`.
void DrawBarItem(const CBarItem& item, HDC dc, bool fHot, bool fPressed, const CBarStyle& style, bool fVertical);
void DrawBarItem(const CBarItem& item, HDC dc, bool fHot, bool fPressed, COLORREF clrBack, bool fVertical);

#endif
