#include "draw/GaugeElement.h"
#include "draw/GaugeGeometry.h"

#include "support/OwnerWindow.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

namespace {

TEST(GaugeGeometry, TheUsedSliceEndsWhereTheFractionPutsIt) {
    const GaugeGeometry pane = ComputeGaugeGeometry(120, 60, 0.3);
    EXPECT_EQ(50, pane.faceHeight);
    EXPECT_EQ(60, pane.centerX);
    EXPECT_EQ(25, pane.centerY);
    EXPECT_EQ(10, pane.depth);
    EXPECT_EQ(35, pane.sideMiddle);
    struct Case {
        int width;
        double fraction;
        const char* expected;  // end point, slices drawn, side split
    } cases[] = {
        {120, 0.0, "(0, 25) free"},        {120, 1e-9, "(0, 25) free"},
        {120, 0.5, "(119, 25) free used"}, {120, 0.75, "(60, 49) free used split"},
        {120, 1.0, "(0, 25) used split"},  {121, 0.0, "(0, 25) free"},  // odd widths: one slice only
        {121, 1.0, "(0, 25) used split"},
    };
    for (const Case& c : cases) {
        const GaugeGeometry g = ComputeGaugeGeometry(c.width, 60, c.fraction);
        std::string actual = "(" + std::to_string(g.endX) + ", " + std::to_string(g.endY) + ")";
        if (g.drawFreeTop) actual += " free";
        if (g.drawUsedTop) actual += " used";
        if (g.splitSide) actual += " split";
        EXPECT_EQ(c.expected, actual) << "width " << c.width << ", fraction " << c.fraction;
    }
    const GaugeGeometry split = ComputeGaugeGeometry(120, 60, 0.75);
    EXPECT_EQ(59, split.chordLowerY);
    EXPECT_EQ(11, split.chordUpperY);
}

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
    PixelCanvas canvas(140, 70);
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
    OwnerWindow owner;
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
