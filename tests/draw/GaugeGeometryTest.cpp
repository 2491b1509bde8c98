// Where the gauge's slices and seam lie; the drawing itself: GaugeTest.
#include "draw/GaugeGeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(GaugeGeometry, TheUsedSliceEndsWhereTheFractionPutsIt) {
    const CGaugeGeometry pane = ComputeGaugeGeometry(120, 60, 0.3);
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
        const CGaugeGeometry g = ComputeGaugeGeometry(c.width, 60, c.fraction);
        std::string actual = "(" + std::to_string(g.endX) + ", " + std::to_string(g.endY) + ")";
        if (g.drawFreeTop) actual += " free";
        if (g.drawUsedTop) actual += " used";
        if (g.splitSide) actual += " split";
        EXPECT_EQ(c.expected, actual) << "width " << c.width << ", fraction " << c.fraction;
    }
    const CGaugeGeometry split = ComputeGaugeGeometry(120, 60, 0.75);
    EXPECT_EQ(59, split.chordLowerY);
    EXPECT_EQ(11, split.chordUpperY);
}

}  // namespace
