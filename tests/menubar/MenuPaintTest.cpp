#include "menubar/BarPainter.h"
#include "menubar/PopupPainter.h"

#include "MenuFixture.h"
#include "draw/ColorMath.h"
#include "module/Module.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// 16 x 16 images: transparent, with a red square at 4..11.
HIMAGELIST RedSquares() {
    const HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
    CPixelCanvas image(16, 16, RGB(255, 0, 255));
    const RECT square{4, 4, 12, 12};
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(image.dc(), &square, red);
    DeleteObject(red);
    const HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(image.dc(), OBJ_BITMAP));
    const HBITMAP copy = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 16, 16, 0));
    ImageList_AddMasked(list, copy, RGB(255, 0, 255));
    DeleteObject(copy);
    return list;
}

class PopupItemPixels : public testing::Test {
  protected:
    void SetUp() override {
        const HIMAGELIST list = RedSquares();
        ASSERT_TRUE(painter.SetImageList(list));
        ImageList_Destroy(list);
        for (UINT id : {ID_OPEN, ID_SAVE, ID_PRINT}) painter.SetItemImage(static_cast<long>(id), 0);
        menu = CreateTestMenu();
        file = SubMenuOf(menu, 0);
        view = SubMenuOf(menu, 2);
        painter.ConvertPopup(file);
        painter.ConvertPopup(view);
    }
    void TearDown() override {
        painter.RevertAll();
        EXPECT_EQ(0u, CMenuItemData::LiveCount());
        DestroyMenu(menu);
    }
    CMenuItemData* Record(HMENU popup, UINT position) {
        return CMenuItemData::FromItemData(ItemInfo(popup, position).dwItemData);
    }
    void Draw(CPixelCanvas& canvas, HMENU popup, UINT position, UINT state, int height = 22) {
        const DRAWITEMSTRUCT dis{ODT_MENU,
                                 0,
                                 GetMenuItemID(popup, static_cast<int>(position)),
                                 ODA_DRAWENTIRE,
                                 state,
                                 reinterpret_cast<HWND>(popup),
                                 canvas.dc(),
                                 {0, 0, 200, height},
                                 reinterpret_cast<ULONG_PTR>(Record(popup, position))};
        ASSERT_TRUE(painter.DrawItem(&dis));
    }
    MEASUREITEMSTRUCT Measure(UINT position) {
        MEASUREITEMSTRUCT mis{ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(Record(file, position))};
        EXPECT_TRUE(painter.MeasureItem(&mis));
        return mis;
    }

    const COLORREF back = Module::Object().MenuColor();
    CPopupPainter painter;
    HMENU menu = nullptr, file = nullptr, view = nullptr;
};

// A hot bar item (3, 3, 39, 19) is raised, a pressed one sunken and moved
// by 2. A popup item's image button is 20 x 20 at (0, 1), its image at
// (2, 3) with the square at (6..13, 7..14): sunken when checked, embossed
// when grayed.
TEST_F(PopupItemPixels, BarItemsAndImageButtonsAreRaisedOrSunken) {
    CBarItem item;
    item.m_rcItem = {3, 3, 39, 19};
    item.m_strText = "&File";
    // Wine's menu colour is white: the popup's lighter shades cannot show.
    const COLORREF kBarBack = RGB(192, 192, 192), red = RGB(255, 0, 0);
    constexpr int kBar = -1;                          // the bar item, not a File item
    constexpr UINT kHot = 0x1000, kPressed = 0x2000;  // its states
    const struct {
        int position;
        UINT state;
        POINT at;
        COLORREF expected;
    } probes[] = {
        {kBar, 0, {3, 3}, kBarBack},
        {kBar, kPressed, {3, 3}, kBarBack},  // pressed without hot looks normal
        {kBar, kHot, {3, 3}, AdjustLuminance(kBarBack, +250)},
        {kBar, kHot, {38, 18}, AdjustLuminance(kBarBack, -250)},
        {kBar, kHot | kPressed, {5, 5}, AdjustLuminance(kBarBack, -50)},
        {kBar, kHot | kPressed, {40, 20}, AdjustLuminance(kBarBack, +50)},
        {kBar, kHot | kPressed, {3, 3}, RGB(255, 255, 255)},  // left of the moved item
        {0, 0, {9, 10}, red},
        {0, 0, {0, 1}, back},  // no frame
        {1, ODS_CHECKED, {9, 10}, red},
        {1, ODS_CHECKED, {0, 1}, AdjustLuminance(back, -50)},  // sunken
        {3, ODS_GRAYED, {6, 7}, GetSysColor(COLOR_3DSHADOW)},
        {3, ODS_GRAYED, {14, 15}, GetSysColor(COLOR_3DHILIGHT)},
    };
    for (const auto& p : probes) {
        CPixelCanvas canvas(200, 22, p.position == kBar ? RGB(255, 255, 255) : back);
        if (p.position == kBar)
            DrawBarItem(item, canvas.dc(), p.state & kHot, p.state & kPressed, kBarBack, false);
        else
            Draw(canvas, file, static_cast<UINT>(p.position), p.state);
        EXPECT_EQ(ColorText(p.expected), ColorText(canvas.At(p.at.x, p.at.y)))
            << "item " << p.position << ", state " << p.state << " at " << p.at.x << ", " << p.at.y;
        EXPECT_TRUE(p.state != ODS_GRAYED || canvas.Count(red) == 0);
    }
}

TEST_F(PopupItemPixels, CheckMarkSeparatorAcceleratorAndBoldDefault) {
    painter.SetItemImage(ID_SAVE, -1);
    painter.RevertAll();
    painter.ConvertPopup(file);
    CPixelCanvas checked(200, 22, back);
    Draw(checked, file, 1, ODS_CHECKED);
    // The system check mark in a sunken frame: the ink's top-left is its dark corner.
    const RECT ink = checked.InkBounds();
    EXPECT_EQ(ColorText(AdjustLuminance(back, -50)), ColorText(checked.At(ink.left, ink.top)));
    EXPECT_EQ(ColorText(AdjustLuminance(back, -25)), ColorText(checked.At(ink.left + 1, ink.top + 1)));

    EXPECT_EQ(static_cast<UINT>(GetSystemMetrics(SM_CYMENU) / 2), Measure(2).itemHeight);
    CPixelCanvas separator(200, 10, back);
    Draw(separator, file, 2, 0, 10);
    EXPECT_EQ(ColorText(AdjustLuminance(back, -250)), ColorText(separator.At(10, 6)));

    // "Ctrl+O" ends at the text rectangle's right edge, 20 short of the item's.
    CPixelCanvas open(200, 22, back);
    Draw(open, file, 0, 0);
    EXPECT_GT(open.InkBounds().right, 160);
    EXPECT_LT(open.InkBounds().right, 180);

    const UINT bold = Measure(4).itemWidth;
    Record(file, 4)->m_fState &= ~static_cast<UINT>(MFS_DEFAULT);
    EXPECT_GT(bold, Measure(4).itemWidth);
}

// Items without an image: an unchecked one shows nothing beside it but its
// own unchecked bitmap; a text that begins with a tab shows nothing; grayed
// text has a highlight copy one pixel right and down, unless selected.
TEST_F(PopupItemPixels, PlainGrayedAndTabbedItems) {
    const WORD clear[8] = {};
    const HBITMAP own = CreateBitmap(8, 8, 1, 1, clear);  // drawn in the text colour
    SetMenuItemBitmaps(view, ID_GRID, MF_BYCOMMAND, own, nullptr);
    // Wine's highlight colour is the menu's: one that shows, for this test.
    const int element = COLOR_3DHILIGHT;
    const COLORREF oldHighlight = GetSysColor(element), highlight = RGB(255, 255, 0),
                   gray = GetSysColor(COLOR_GRAYTEXT);
    SetSysColors(1, &element, &highlight);
    const struct {
        const char* name;
        HMENU popup;
        UINT position, state;
        bool fLeftInk, fTextInk, fHighlightCopy;
    } cases[] = {
        {"unchecked", view, 0, 0, false, true, false},
        {"unchecked, its own bitmap", view, 1, 0, true, true, false},
        {"a text that begins with a tab", view, 3, 0, false, false, false},
        {"grayed", file, 3, ODS_GRAYED, true, true, true},
        {"grayed and selected", file, 3, ODS_GRAYED | ODS_SELECTED, true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CPixelCanvas canvas(200, 22, back);
        Draw(canvas, c.popup, c.position, c.state);
        const COLORREF fill = (c.state & ODS_SELECTED) ? GetSysColor(COLOR_HIGHLIGHT) : back;
        bool fLeftInk = false, fTextInk = false;
        POINT lit{-1, -1}, grayed{-1, -1};  // the right and bottom ends of each ink
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 200; ++x) {
                const COLORREF at = canvas.At(x, y);
                fLeftInk |= x < 20 && at != back;
                fTextInk |= x >= 22 && at != fill;
                POINT* ink = x < 22 ? nullptr : at == highlight ? &lit : at == gray ? &grayed : nullptr;
                if (ink != nullptr) *ink = {std::max<LONG>(ink->x, x), y};
            }
        EXPECT_EQ(c.fLeftInk, fLeftInk);
        EXPECT_EQ(c.fTextInk, fTextInk);
        if (c.fHighlightCopy) {
            EXPECT_EQ(grayed.x + 1, lit.x);
            EXPECT_EQ(grayed.y + 1, lit.y);
        } else {
            EXPECT_EQ(-1, lit.x);
        }
    }
    SetSysColors(1, &element, &oldHighlight);
    DeleteObject(own);
}

// With ODS_NOACCEL the system says the cues are hidden: "&Open..." loses
// only its underline, one row of text ink under the O.
TEST_F(PopupItemPixels, NoAccelStateHidesTheMnemonicUnderline) {
    CPixelCanvas underlined(200, 22, back);
    Draw(underlined, file, 0, 0);
    CPixelCanvas plain(200, 22, back);
    Draw(plain, file, 0, ODS_NOACCEL);
    int row = -1, differing = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 200; ++x) {
            if (plain.At(x, y) == underlined.At(x, y)) continue;
            ++differing;
            EXPECT_EQ(ColorText(back), ColorText(plain.At(x, y))) << x << ", " << y;
            if (row == -1) row = y;
            EXPECT_EQ(row, y) << x;
        }
    EXPECT_GE(differing, 3);
}

}  // namespace
