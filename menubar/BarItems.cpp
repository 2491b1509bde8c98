#include "menubar/BarItems.h"

#include <cstddef>

namespace {

NONCLIENTMETRICSA MenuMetrics() {
    NONCLIENTMETRICSA metrics{};
    // The size without iPaddedBorderWidth: the field is unknown before Vista.
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    return metrics;
}

CBarExtent MeasureText(const std::string& text, bool vertical) {
    const CWindowDC screen = CWindowDC::Whole(nullptr);
    const GdiObject<HFONT> font = CreateBarFont(vertical);
    const CObjectSelection selection(screen.Get(), font.Get());
    SIZE size{};
    GetTextExtentPoint32A(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

}  // namespace

GdiObject<HFONT> CreateBarFont(bool vertical) {
    LOGFONTA font = MenuMetrics().lfMenuFont;
    if (vertical) font.lfEscapement = font.lfOrientation = 900;
    return GdiObject<HFONT>(CreateFontIndirectA(&font));
}

std::vector<CBarItem> BuildBarItems(HMENU menu, bool vertical) {
    std::vector<CBarItem> items;
    std::vector<CBarRect> placed;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char buffer[1040] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), buffer, sizeof buffer, MF_BYPOSITION);
        if (buffer[0] == '\0') continue;
        CBarItem item;
        item.m_strText = buffer;
        item.m_rcItem = PlaceBarItem(placed, MeasureText(item.m_strText, vertical), vertical);
        item.m_chMnemonic = MnemonicOf(item.m_strText);
        item.m_hSubMenu = GetSubMenu(menu, i);
        placed.push_back(item.m_rcItem);
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<CBarRect> RectsOf(const std::vector<CBarItem>& items) {
    std::vector<CBarRect> rects;
    rects.reserve(items.size());
    for (const CBarItem& item : items) rects.push_back(item.m_rcItem);
    return rects;
}

RECT ToRect(const CBarRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
