// The bar's items: one per top-level menu entry with a text, measured with
// the system menu font and placed by the layout rules of BarLayout.h.
#ifndef KESTREL_BAR_ITEMS_H
#define KESTREL_BAR_ITEMS_H

#include <windows.h>

#include <string>
#include <vector>

#include "draw/GdiHandles.h"
#include "menubar/BarLayout.h"

struct CBarItem {
    CBarRect m_rcItem;      // bar window client coordinates
    std::string m_strText;  // as the menu gives it, '&' markers included
    int m_chMnemonic = 0;   // see MnemonicOf
    HMENU m_hSubMenu = nullptr;
};

// The system menu font exactly as reported; turned by 90 degrees (text
// running upwards) for a vertical bar.
GdiObject<HFONT> CreateBarFont(bool vertical);

// The items of `menu`, in menu order; entries with an empty text get none.
std::vector<CBarItem> BuildBarItems(HMENU menu, bool vertical);

std::vector<CBarRect> RectsOf(const std::vector<CBarItem>& items);
RECT ToRect(const CBarRect& r);

#endif
