#include "menubar/BarLayout.h"

#include <cctype>

CBarRect PlaceBarItem(const std::vector<CBarRect>& placed, CBarExtent text, bool vertical) {
    long start = 0;
    for (const CBarRect& r : placed) start += vertical ? r.Height() : r.Width();
    if (vertical) {
        const long width = text.cy + 3, height = text.cx + 6;
        return {kBarMargin, start + kBarMargin, kBarMargin + width, start + kBarMargin + height};
    }
    const long width = text.cx + 6, height = text.cy + 3;
    return {start + kBarMargin, kBarMargin, start + kBarMargin + width, kBarMargin + height};
}

int HitTestBar(const std::vector<CBarRect>& items, long x, long y) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].Contains(x, y)) return static_cast<int>(i);
    return -1;
}

CBarExtent AutoSizeBar(const std::vector<CBarRect>& items, bool vertical) {
    CBarExtent extent;
    for (const CBarRect& r : items) {
        if (vertical) {
            extent.cx = r.Width();
            extent.cy += r.Height();
        } else {
            extent.cx += r.Width();
            extent.cy = r.Height();
        }
    }
    return {extent.cx + kBarAutoSizeMargin, extent.cy + kBarAutoSizeMargin};
}

int WrapItemIndex(int index, int count) {
    if (index < 0) return count - 1;
    if (index > count - 1) return 0;
    return index;
}

int MnemonicOf(const std::string& text) {
    const size_t amp = text.find('&');
    const size_t at = amp == std::string::npos ? 0 : amp + 1;
    if (at >= text.size()) return 0;
    return static_cast<signed char>(text[at]);
}

CItemTextParts SplitAtTab(const std::string& text) {
    const size_t tab = text.find('\t');
    if (tab == std::string::npos) return {text, std::string(), false};
    return {text.substr(0, tab), text.substr(tab + 1), true};
}

std::string WithoutMnemonicMarkers(const std::string& text) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

bool HasMnemonic(const std::string& text, char ch) {
    const size_t amp = text.find('&');
    if (amp == std::string::npos || amp + 1 >= text.size()) return false;
    const auto upper = [](char c) { return std::toupper(static_cast<unsigned char>(c)); };
    return upper(text[amp + 1]) == upper(ch);
}

long ChooseMenuCharResult(const std::vector<int>& matches, int hilite) {
    if (matches.empty()) return 0;
    if (matches.size() == 1) return static_cast<long>(matches[0]) | 0x20000L;
    // Unsigned, so that no highlight (-1) is passed by no position.
    int chosen = matches[0];
    for (int position : matches)
        if (static_cast<unsigned>(position) > static_cast<unsigned>(hilite)) {
            chosen = position;
            break;
        }
    return static_cast<long>(chosen) | 0x30000L;
}
