#include "draw/BitmapElement.h"
#include "draw/IconElement.h"
#include "draw/TriangleElement.h"

#include "support/OwnerWindow.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

namespace {

bool IconIsValid(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

// A private copy of the caller's icon, sized to it and drawn; set to null,
// or destroyed, the element leaves the caller's icon valid.
TEST(IconElement, DrawsAPrivateCopySizedToTheIconAndLeavesTheCallersIconValid) {
    const HICON icon = CopyIcon(LoadIcon(nullptr, IDI_APPLICATION));  // the caller's own
    COwnerWindow owner;
    CIconElement element;
    element.MoveTo(10, 10);
    element.SetOwner(owner.hwnd());
    {
        CIconElement scoped;
        scoped.SetIcon(icon);
    }
    element.SetIcon(icon);
    RECT r;
    EXPECT_EQ("(10, 10, 42, 42)", RectText(element.GetRect(r)));
    EXPECT_NE(icon, element.GetIcon());
    CPixelCanvas canvas(50, 50);
    element.Draw(canvas.dc(), nullptr);
    EXPECT_GE(canvas.InkBounds().left, 10);
    EXPECT_LE(canvas.InkBounds().right, 41);

    owner.Settle();
    element.SetIcon(nullptr);
    EXPECT_EQ("(10, 10, 10, 10)", RectText(element.GetRect(r)));
    EXPECT_EQ(nullptr, element.GetIcon());
    EXPECT_TRUE(IconIsValid(icon));
    ASSERT_EQ(3u, owner.Erases().size());
    EXPECT_EQ("(9, 9, 43, 43)", RectText(owner.Erases()[0]));  // the old icon's area
    EXPECT_EQ("(9, 9, 11, 11)", RectText(owner.Erases()[2]));
    DestroyIcon(icon);
}

TEST(BitmapElement, DrawsTheLoadedBitmapAtItsCornerAndSizeOrNothingForIdZero) {
    CBitmapElement none(GetModuleHandleA(nullptr), 0);
    CBitmapElement check(nullptr, OBM_CHECK);  // a system bitmap, loaded as a module's would be
    BITMAP info{};
    HBITMAP reference = LoadBitmapA(nullptr, MAKEINTRESOURCEA(OBM_CHECK));
    GetObjectA(reference, sizeof info, &info);
    DeleteObject(reference);
    RECT r;
    EXPECT_EQ("(0, 0, 0, 0)", RectText(none.GetRect(r)));
    EXPECT_EQ(RectText(RECT{0, 0, info.bmWidth, info.bmHeight}), RectText(check.GetRect(r)));

    check.MoveTo(5, 7);
    CPixelCanvas canvas(60, 60, RGB(0, 255, 0));
    none.Draw(canvas.dc(), nullptr);
    check.Draw(canvas.dc(), nullptr);
    EXPECT_EQ(RectText(RECT{5, 7, 5 + info.bmWidth - 1, 7 + info.bmHeight - 1}), RectText(canvas.InkBounds()));
}

// The segment dialog's 9 x 8 markers at (10, 10): the start one points
// down, the end one up; neither has an outline, and turning one invalidates
// nothing (the dialog sets it before the first paint).
TEST(TriangleMarker, PointsDownFromConstructionAndUpAfterSetPointsDownFalse) {
    for (const bool down : {true, false}) {
        SCOPED_TRACE(down ? "down" : "up");
        COwnerWindow owner;
        CTriangleElement marker{RGB(0, 128, 0)};
        marker.SetBounds(10, 10, 9, 8);
        marker.SetOwner(owner.hwnd());
        owner.Settle();
        if (!down) marker.SetPointsDown(false);
        EXPECT_EQ("(0, 0, 0, 0)", RectText(owner.UpdateRect()));

        CPixelCanvas canvas(30, 30);
        SetPolyFillMode(canvas.dc(), ALTERNATE);
        const HGDIOBJ brush = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
        marker.Draw(canvas.dc(), nullptr);
        const auto green = [&](int x, int y) { return canvas.At(x, y) == RGB(0, 128, 0); };
        const int wide = down ? 10 : 17, narrow = down ? 16 : 12;
        EXPECT_TRUE(green(11, wide) && green(16, wide));
        EXPECT_TRUE(green(14, narrow));
        EXPECT_FALSE(green(11, narrow) || green(17, narrow));
        EXPECT_EQ(canvas.Count(RGB(0, 128, 0)) + canvas.Count(RGB(255, 255, 255)), 30 * 30);
        EXPECT_EQ(ALTERNATE, GetPolyFillMode(canvas.dc()));
        EXPECT_EQ(brush, GetCurrentObject(canvas.dc(), OBJ_BRUSH));
    }
}

}  // namespace
