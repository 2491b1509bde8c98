// The bar's arithmetic: placement in both orientations, hit testing on a
// shared edge, the auto-size extent and mnemonics.
#include "menubar/BarLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(BarLayout, PlacesHitsAndSizesItemsInEitherOrientation) {
    // Text 30 x 13, then 14 x 13: horizontal items are text + (6, 3), vertical
    // ones (turned text) text height + 3 wide and text width + 6 high.
    const CBarRect first = PlaceBarItem({}, {30, 13}, false);
    const CBarRect second = PlaceBarItem({first}, {14, 13}, false);
    EXPECT_EQ((CBarRect{3, 3, 39, 19}), first);
    EXPECT_EQ((CBarRect{39, 3, 59, 19}), second);
    const CBarRect up = PlaceBarItem({}, {30, 13}, true);
    EXPECT_EQ((CBarRect{3, 3, 19, 39}), up);
    EXPECT_EQ((CBarRect{3, 39, 19, 59}), PlaceBarItem({up}, {14, 13}, true));
    EXPECT_EQ((CBarRect{3, 3, 9, 6}), PlaceBarItem({}, {0, 0}, false));  // only the margins

    const std::vector<CBarRect> row = {first, second};
    const struct {
        long x, y;
        int item;
    } hits[] = {{3, 3, 0}, {38, 18, 0}, {39, 10, 1}, {58, 10, 1}, {59, 10, -1}, {20, 19, -1}, {2, 10, -1}};
    for (const auto& h : hits) EXPECT_EQ(h.item, HitTestBar(row, h.x, h.y)) << h.x << ", " << h.y;
    EXPECT_EQ(-1, HitTestBar({}, 5, 5));

    EXPECT_EQ(36 + 20 + 5, AutoSizeBar(row, false).cx);
    EXPECT_EQ(16 + 5, AutoSizeBar(row, false).cy);
    EXPECT_EQ(16 + 5, AutoSizeBar({up}, true).cx);
    EXPECT_EQ(5, AutoSizeBar({}, false).cx);
    EXPECT_EQ(2, WrapItemIndex(-1, 3));
    EXPECT_EQ(0, WrapItemIndex(3, 3));
}

TEST(BarText, MnemonicsOfBarItemsAndPopupItems) {
    const struct {
        const char* text;
        int mnemonic;
    } mnemonics[] = {{"&File", 'F'}, {"Edit", 'E'}, {"&&Tools", '&'}, {"&\xE9t\xE9", -23}, {"Trailing&", 0}};
    for (const auto& m : mnemonics) EXPECT_EQ(m.mnemonic, MnemonicOf(m.text)) << m.text;
    EXPECT_TRUE(HasMnemonic("&save", 'S'));
    EXPECT_FALSE(HasMnemonic("Save", 'S'));
}

}  // namespace
