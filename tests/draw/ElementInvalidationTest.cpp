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

// Moving or hiding an element erases its old and new areas, each grown by a
// pixel, at once through a clip region of its own, so its neighbours do not
// flicker; the same place or visibility again erases nothing.
TEST(ElementInvalidation, MovingAndHidingEraseOnlyTheElementsAreasAndTheListSkipsHiddenOnes) {
    COwnerWindow owner;
    SolidElement below(RGB(0, 0, 255)), element(RGB(255, 0, 0));
    below.SetBounds(0, 0, 50, 50);
    element.SetBounds(10, 20, 30, 40);
    CElementList list;
    list.Add(&below);
    list.Add(&element);
    list.SetOwnerAll(owner.hwnd());
    owner.Settle();
    element.MoveTo(10, 20);
    element.SetVisible(true);
    EXPECT_TRUE(owner.Erases().empty());

    element.MoveTo(100, 50);
    ASSERT_EQ(2u, owner.Erases().size());
    EXPECT_EQ("(9, 19, 41, 61)", RectText(owner.Erases()[0]));
    EXPECT_EQ("(99, 49, 131, 91)", RectText(owner.Erases()[1]));
    EXPECT_EQ("(9, 19, 131, 91)", RectText(owner.UpdateRect()));

    element.MoveTo(10, 20);
    owner.Settle();
    element.SetVisible(false);
    ASSERT_EQ(1u, owner.Erases().size());
    CPixelCanvas canvas(50, 50);
    list.DrawAll(canvas.dc(), nullptr);
    EXPECT_EQ(ColorText(RGB(0, 0, 255)), ColorText(canvas.At(20, 30)));
    element.SetVisible(true);
    list.DrawAll(canvas.dc(), nullptr);
    EXPECT_EQ(ColorText(RGB(255, 0, 0)), ColorText(canvas.At(20, 30)));  // drawn last, on top
}

}  // namespace
