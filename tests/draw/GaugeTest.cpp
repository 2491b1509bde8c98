#include "draw/GaugeElement.h"

#include "support/OwnerWindow.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

namespace {

// Pixels of the gauge drawn at (5, 5) of a white canvas, in the gauge's
// own coordinates, away from outlines and radii: the back of the top face,
// its front left and front right, and the side at left, middle and right.
struct GaugeCase {
    int width;
    double fraction;
    COLORREF back, frontLeft, frontRight, sideLeft, sideMiddle, sideRight;
};

class GaugeDrawing : public testing::TestWithParam<GaugeCase> {};

constexpr COLORREF kUT = CGaugeElement::kUsedTop, kFT = CGaugeElement::kFreeTop;
constexpr COLORREF kUS = CGaugeElement::kUsedSide, kFS = CGaugeElement::kFreeSide, kSeam = 0;

INSTANTIATE_TEST_SUITE_P(Fractions, GaugeDrawing,
                         testing::Values(GaugeCase{120, 0.0, kFT, kFT, kFT, kFS, kFS, kFS},
                                         GaugeCase{120, 0.5, kUT, kFT, kFT, kFS, kFS, kFS},
                                         GaugeCase{120, 0.75, kUT, kFT, kUT, kFS, kSeam, kUS},
                                         GaugeCase{120, 1.0, kUT, kUT, kUT, kUS, kUS, kUS},
                                         GaugeCase{121, 0.0, kFT, kFT, kFT, kFS, kFS, kFS},
                                         GaugeCase{121, 1.0, kUT, kUT, kUT, kUS, kUS, kUS}));

TEST_P(GaugeDrawing, ShowsTheUsedShareOnTheTopFaceAndTheSide) {
    const GaugeCase& c = GetParam();
    CGaugeElement gauge;
    gauge.SetBounds(5, 5, c.width, 60);
    gauge.SetFraction(c.fraction);
    CPixelCanvas canvas(140, 70);
    gauge.Draw(canvas.dc(), nullptr);
    auto at = [&](int x, int y) { return ColorText(canvas.At(5 + x, 5 + y)); };
    EXPECT_EQ(ColorText(c.back), at(60, 10));
    EXPECT_EQ(ColorText(c.frontLeft), at(35, 40));
    EXPECT_EQ(ColorText(c.frontRight), at(85, 40));
    EXPECT_EQ(ColorText(c.sideLeft), at(40, 54));
    EXPECT_EQ(ColorText(c.sideMiddle), at(60, 54));
    EXPECT_EQ(ColorText(c.sideRight), at(80, 54));
    // Every pixel of the rectangle and nothing beside it.
    EXPECT_EQ(ColorText(GetSysColor(COLOR_BTNFACE)), at(0, 0));
    EXPECT_EQ(ColorText(GetSysColor(COLOR_BTNFACE)), at(c.width - 1, 59));
    EXPECT_EQ(ColorText(RGB(255, 255, 255)), at(-1, -1));
    EXPECT_EQ(ColorText(RGB(255, 255, 255)), at(c.width, 60));
}

TEST(GaugeFraction, SetFractionReturnsThePreviousValueAndInvalidatesWithoutErasing) {
    COwnerWindow owner;
    CGaugeElement gauge;
    gauge.SetBounds(10, 10, 120, 60);
    gauge.SetOwner(owner.hwnd());
    owner.Settle();

    EXPECT_EQ(0.0, gauge.SetFraction(0.25));
    EXPECT_EQ(0.25, gauge.SetFraction(1.5));  // not clamped
    EXPECT_TRUE(owner.Erases().empty());
    EXPECT_EQ("(9, 9, 131, 71)", RectText(owner.UpdateRect()));
    owner.Settle();
    gauge.SetFraction(1.5);
    EXPECT_EQ("(9, 9, 131, 71)", RectText(owner.UpdateRect()));
}

}  // namespace
