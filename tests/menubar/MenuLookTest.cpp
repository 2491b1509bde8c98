#include "menubar/BarLayout.h"
#include "menubar/MenuLook.h"
#include "menubar/PopupPlacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PopupPlacement, OpensOnTheItemsMonitorWhereverItLies) {
    // Virtual-screen layouts: the primary with a taskbar at its bottom, a
    // shorter monitor left of it, one above it, and a left monitor with a
    // bar docked on its left.
    const CMonitorArea primary{{0, 0, 1280, 1024}, {0, 0, 1280, 984}};
    const CMonitorArea left{{-1024, 0, 0, 768}, {-1024, 0, 0, 768}};
    const CMonitorArea above{{0, -900, 1440, 0}, {0, -900, 1440, 0}};
    const CMonitorArea docked{{-1024, 0, 0, 768}, {-964, 0, 0, 768}};
    const struct {
        const char* what;
        CBarRect item;
        const CMonitorArea& monitor;
        long height;
        CPopupPlacement expected;
    } cases[] = {
        {"primary, below", {10, 3, 50, 22}, primary, 100, {10, 22, false}},
        {"primary, partly off its left: x = 0", {-20, 3, 20, 22}, primary, 100, {0, 22, false}},
        {"primary, too low: above", {10, 930, 50, 949}, primary, 100, {10, 930, true}},
        {"primary, ending exactly at its bottom: above", {10, 900, 50, 924}, primary, 100, {10, 900, true}},
        {"left of the primary: negative x kept", {-1000, 3, -960, 22}, left, 100, {-1000, 22, false}},
        {"left monitor is shorter: above", {-1000, 681, -960, 700}, left, 100, {-1000, 681, true}},
        {"above the primary: its own bottom counts", {100, -60, 140, -41}, above, 100, {100, -60, true}},
        {"never left of the work area", {-1000, 3, -960, 22}, docked, 100, {-964, 22, false}},
    };
    for (const auto& c : cases) {
        const CPopupPlacement place = PlacePopup(c.item, c.monitor, c.height);
        EXPECT_EQ(c.expected.x, place.x) << c.what;
        EXPECT_EQ(c.expected.y, place.y) << c.what;
        EXPECT_EQ(c.expected.fAbove, place.fAbove) << c.what;
    }
}

TEST(MenuLook, HighContrastUsesTheSystemColoursWhateverThePropertiesHold) {
    const CSystemMenuColours system{0x000001, 0x000002, 0x000003, 0x000004, 0x000005};
    const ColorRef back = 0x112233, loadedMenu = 0x445566, loadedText = 0x778899;
    const struct {
        bool fHighContrast;
        ColorRef back;
        CMenuLook expected;
    } cases[] = {
        // bar, bar text, hot bar, hot text, flat, popup, popup text, selected, selected text, gray
        {false, back, {back, 0x000002, back, 0x000002, false, loadedMenu, loadedText, 0x000003, 0x000004, 0x000005}},
        {true, back, {0x000001, 0x000002, 0x000003, 0x000004, true, 0x000001, 0x000002, 0x000003, 0x000004, 0x000005}},
        // A system-colour OLE_COLOR (COLOR_WINDOW) is a raw value normally, and ignored in high contrast.
        {false, 0x80000005, {0x80000005, 2, 0x80000005, 2, false, loadedMenu, loadedText, 3, 4, 5}},
        {true, 0x80000005, {1, 2, 3, 4, true, 1, 2, 3, 4, 5}},
    };
    const auto fields = [](const CMenuLook& l) {
        return std::vector<ColorRef>{l.clrBar,   l.clrBarText,   l.clrHotBar,   l.clrHotBarText,   l.fFlat,
                                     l.clrPopup, l.clrPopupText, l.clrSelected, l.clrSelectedText, l.clrGrayText};
    };
    for (const auto& c : cases)
        EXPECT_EQ(fields(c.expected), fields(ChooseMenuLook(c.fHighContrast, c.back, loadedMenu, loadedText, system)))
            << "high contrast " << c.fHighContrast << ", back " << c.back;
}

TEST(MenuLook, MnemonicsFollowTheCuesSettingTheKeyboardAndTheOwnersState) {
    const unsigned hideAccel = kUiStateHideAccel, hideFocus = 0x1;
    const struct {
        bool fSetting, fRevealed;
        unsigned ownerState;
        bool fShown;
    } cases[] = {
        {true, false, 0, true},           {true, false, hideAccel, true},  {false, false, 0, false},
        {false, true, 0, true},           {false, true, hideAccel, false}, {false, true, hideFocus, true},
        {false, false, hideFocus, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.fShown, MnemonicsShown(c.fSetting, c.fRevealed, c.ownerState))
            << c.fSetting << " " << c.fRevealed << " " << c.ownerState;
    // Hidden, a text shows as DrawText would show it without underlines.
    const struct {
        const char* text;
        const char* shown;
    } texts[] = {{"&File", "File"}, {"E&xit", "Exit"}, {"&&Tools", "&Tools"}, {"Save", "Save"}, {"", ""}};
    for (const auto& t : texts) EXPECT_EQ(t.shown, WithoutMnemonicMarkers(t.text)) << t.text;
}

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
