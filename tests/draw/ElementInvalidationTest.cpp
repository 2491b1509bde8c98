// Elements erase and invalidate only their own area of a real owner window.
#include "draw/DrawElement.h"
#include "draw/ElementList.h"

#include "support/OwnerWindow.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

namespace {

class SolidElement : public CDrawElement {
  public:
    explicit SolidElement(COLORREF colour) : m_colour(colour) {}
    void Draw(HDC dc, const RECT*) override {
        SetBkColor(dc, m_colour);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &m_rcBounds, nullptr, 0, nullptr);
    }

  private:
    COLORREF m_colour;
};

class ElementInvalidation : public testing::Test {
  protected:
    void SetUp() override {
        element.SetBounds(10, 20, 30, 40);
        element.SetOwner(owner.hwnd());
        owner.Settle();
    }

    OwnerWindow owner;
    SolidElement element{RGB(255, 0, 0)};
};

TEST_F(ElementInvalidation, MoveToErasesTheOldAndTheNewAreaButNothingForTheSamePlaceOrVisibility) {
    const POINT previous = element.MoveTo(10, 20);
    element.SetVisible(true);
    EXPECT_EQ(10, previous.x);
    EXPECT_EQ(20, previous.y);
    EXPECT_EQ("(0, 0, 0, 0)", RectText(owner.UpdateRect()));
    EXPECT_TRUE(owner.Erases().empty());

    // Elsewhere: the old and the new area erased through a clip region.
    EXPECT_EQ(10, element.MoveTo(100, 50).x);
    RECT r;
    EXPECT_EQ("(100, 50, 130, 90)", RectText(element.GetRect(r)));
    // Each area grown by one pixel, erased at once, then left to paint.
    ASSERT_EQ(2u, owner.Erases().size());
    EXPECT_EQ("(9, 19, 41, 61)", RectText(owner.Erases()[0]));
    EXPECT_EQ("(99, 49, 131, 91)", RectText(owner.Erases()[1]));
    EXPECT_EQ("(9, 19, 131, 91)", RectText(owner.UpdateRect()));
}

TEST_F(ElementInvalidation, HidingErasesTheAreaOnceAndTheListNoLongerDrawsIt) {
    SolidElement below(RGB(0, 0, 255));
    below.SetBounds(0, 0, 50, 50);
    CElementList list;
    list.Add(&below);
    list.Add(&element);

    element.SetVisible(false);
    ASSERT_EQ(1u, owner.Erases().size());
    EXPECT_EQ("(9, 19, 41, 61)", RectText(owner.Erases()[0]));
    PixelCanvas canvas(50, 50);
    list.DrawAll(canvas.dc(), nullptr);
    EXPECT_EQ(ColorText(RGB(0, 0, 255)), ColorText(canvas.At(20, 30)));

    element.SetVisible(true);
    list.DrawAll(canvas.dc(), nullptr);
    EXPECT_EQ(ColorText(RGB(255, 0, 0)), ColorText(canvas.At(20, 30)));  // drawn last, on top
}

TEST_F(ElementInvalidation, ElementsWithoutAnOwnerInvalidateNothingUntilTheListGivesThemOne) {
    SolidElement loose(0);
    loose.SetVisible(false);
    loose.SetBounds(0, 0, 10, 10);
    EXPECT_TRUE(owner.Erases().empty());

    CElementList list;
    list.Add(&loose);
    list.SetOwnerAll(owner.hwnd());  // hidden elements too
    EXPECT_EQ(owner.hwnd(), loose.GetOwner());
    loose.SetSize(5, 5);
    EXPECT_EQ(2u, owner.Erases().size());
}

}  // namespace
