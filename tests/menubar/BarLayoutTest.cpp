// The bar's arithmetic: item placement in both orientations, hit testing on
// shared edges, the auto-size extent, mnemonics and the mnemonic-key choice
// of a popup.
#include "menubar/BarLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Text(const CBarRect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

TEST(BarLayout, PlacesItemsSideBySideOrStackedFromTheMargin) {
    const std::vector<CBarRect> none;
    // Text 30 x 13: horizontal items are 36 x 16, vertical ones 16 x 36.
    const CBarRect first = PlaceBarItem(none, {30, 13}, false);
    EXPECT_EQ("(3, 3, 39, 19)", Text(first));
    EXPECT_EQ("(39, 3, 59, 19)", Text(PlaceBarItem({first}, {14, 13}, false)));
    const CBarRect up = PlaceBarItem(none, {30, 13}, true);
    EXPECT_EQ("(3, 3, 19, 39)", Text(up));
    EXPECT_EQ("(3, 39, 19, 59)", Text(PlaceBarItem({up}, {14, 13}, true)));
    // No extent: only the fixed margins.
    EXPECT_EQ("(3, 3, 9, 6)", Text(PlaceBarItem(none, {0, 0}, false)));
}

TEST(BarLayout, HitsTheItemWhoseLeftEdgeIsTheSharedOne) {
    const std::vector<CBarRect> items = {{3, 3, 39, 19}, {39, 3, 59, 19}};
    const struct {
        long x, y;
        int item;
    } cases[] = {{3, 3, 0}, {38, 18, 0}, {39, 10, 1}, {58, 10, 1}, {59, 10, -1}, {20, 19, -1}, {2, 10, -1}};
    for (const auto& c : cases) EXPECT_EQ(c.item, HitTestBar(items, c.x, c.y)) << c.x << ", " << c.y;
    EXPECT_EQ(-1, HitTestBar({}, 5, 5));
}

TEST(BarLayout, AutoSizeAddsFiveToTheItemsExtent) {
    const std::vector<CBarRect> row = {{3, 3, 39, 19}, {39, 3, 59, 20}};
    EXPECT_EQ(36 + 20 + 5, AutoSizeBar(row, false).cx);
    EXPECT_EQ(17 + 5, AutoSizeBar(row, false).cy);
    const std::vector<CBarRect> column = {{3, 3, 19, 39}, {3, 39, 20, 59}};
    EXPECT_EQ(17 + 5, AutoSizeBar(column, true).cx);
    EXPECT_EQ(36 + 20 + 5, AutoSizeBar(column, true).cy);
    EXPECT_EQ(5, AutoSizeBar({}, false).cx);
    EXPECT_EQ(5, AutoSizeBar({}, true).cy);
}

TEST(BarLayout, KeyboardMovementWraps) {
    EXPECT_EQ(2, WrapItemIndex(-1, 3));
    EXPECT_EQ(0, WrapItemIndex(3, 3));
    EXPECT_EQ(1, WrapItemIndex(1, 3));
}

TEST(BarText, MnemonicIsTheCharacterAfterTheFirstAmpersand) {
    EXPECT_EQ('F', MnemonicOf("&File"));
    EXPECT_EQ('E', MnemonicOf("Edit"));
    EXPECT_EQ('&', MnemonicOf("&&Tools"));
    EXPECT_EQ('w', MnemonicOf("Vie&w"));
    EXPECT_EQ(-23, MnemonicOf("&\xE9t\xE9"));  // a signed 8-bit character
    EXPECT_EQ(0, MnemonicOf("Trailing&"));
}

TEST(BarText, SplitsAnItemTextAtItsFirstTab) {
    const CItemTextParts open = SplitAtTab("&Open...\tCtrl+O");
    EXPECT_EQ("&Open...", open.strLabel);
    EXPECT_EQ("Ctrl+O", open.strAccelerator);
    EXPECT_TRUE(open.fHasTab);
    EXPECT_FALSE(SplitAtTab("Close").fHasTab);
    EXPECT_EQ("", SplitAtTab("\tF5").strLabel);
    EXPECT_TRUE(HasMnemonic("&save", 'S'));
    EXPECT_FALSE(HasMnemonic("Save", 'S'));
}

TEST(BarText, MenuCharSelectsTheNextMatchOrExecutesTheOnlyOne) {
    const struct {
        std::vector<int> matches;
        int hilite;
        long result;
    } cases[] = {
        {{}, -1, 0},          {{4}, -1, 0x20004}, {{1, 3}, -1, 0x30001},  // nothing highlighted: the first
        {{1, 3}, 1, 0x30003},                                             // the first highlighted: the second
        {{1, 3}, 3, 0x30001},                                             // the second highlighted: round to the first
        {{1, 3}, 2, 0x30003},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, ChooseMenuCharResult(c.matches, c.hilite)) << c.hilite;
}

}  // namespace
