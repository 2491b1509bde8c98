// Layout arithmetic of the menu bar, free of window handles: where each item
// goes, which item lies under a point, how large the bar must be, and the
// text rules (mnemonics, accelerator columns, the choice on a mnemonic key).
#ifndef KESTREL_BAR_LAYOUT_H
#define KESTREL_BAR_LAYOUT_H

#include <string>
#include <vector>

// Same member order as a RECT: right and bottom edges are outside.
struct CBarRect {
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;

    long Width() const { return right - left; }
    long Height() const { return bottom - top; }
    bool Contains(long x, long y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const CBarRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

struct CBarExtent {
    long cx = 0;
    long cy = 0;
};

// Items start this far from the bar's left and top edges; AutoSize adds
// kBarAutoSizeMargin to the items' extent in both directions.
constexpr long kBarMargin = 3;
constexpr long kBarAutoSizeMargin = 5;

// The rectangle of a new item whose text measured `text`, after `placed`.
// Horizontal: text width + 6 by text height + 3, side by side from (3, 3).
// Vertical (text turned upwards): the text's height runs across the bar, so
// the item is text height + 3 wide and text width + 6 high, stacked from (3, 3).
CBarRect PlaceBarItem(const std::vector<CBarRect>& placed, CBarExtent text, bool vertical);

// Index of the first rectangle containing (x, y); -1 when none does.
int HitTestBar(const std::vector<CBarRect>& items, long x, long y);

// Size of a bar window that shows `items`: the sum of the extents along the
// bar, the last item's extent across it, plus the margin; 5 by 5 when empty.
CBarExtent AutoSizeBar(const std::vector<CBarRect>& items, bool vertical);

// Keyboard movement wraps: before the first is the last, after the last the first.
int WrapItemIndex(int index, int count);

// Code of the character after the first '&' taken as a signed 8-bit
// character, or of the first character when there is no '&' (0 when empty).
int MnemonicOf(const std::string& text);

// A popup item text split at its first tab: the label and the accelerator
// (empty without a tab).
struct CItemTextParts {
    std::string strLabel;
    std::string strAccelerator;
    bool fHasTab = false;
};
CItemTextParts SplitAtTab(const std::string& text);

// The text as shown without underlines: each '&' marker dropped, "&&" a
// single '&'. DrawText's DT_HIDEPREFIX would do this, but Wine ignores it.
std::string WithoutMnemonicMarkers(const std::string& text);

// Whether `text` has the mnemonic `ch`, compared without case.
bool HasMnemonic(const std::string& text, char ch);

// What a popup answers to a mnemonic key, as WM_MENUCHAR expects it: 0 for
// no match; the one match with MNC_EXECUTE (2) in the high word; with
// several, the first match after the highlighted position `hilite`
// (wrapping; -1 for none) with MNC_SELECT (3).
long ChooseMenuCharResult(const std::vector<int>& matches, int hilite);

#endif
