#include "container/HimetricUnits.h"

#include <gtest/gtest.h>

namespace {

// An inch is 2540 HIMETRIC at any resolution, rounded to the nearest unit;
// no resolution gives zero rather than a division by zero.
TEST(HimetricUnits, ConvertsAtTheResolutionRoundingToTheNearestUnit) {
    const struct {
        long pixels;
        int dpi;
        long himetric;
    } cases[] = {{96, 96, 2540}, {120, 120, 2540}, {100, 96, 2646}, {1, 96, 26}, {-100, 96, -2646}, {100, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.himetric, HimetricFromPixels(c.pixels, c.dpi)) << "case " << c.pixels << " at " << c.dpi;
    EXPECT_EQ(96, PixelsFromHimetric(2540, 96));
    for (long pixels = 0; pixels <= 4000; ++pixels)
        ASSERT_EQ(pixels, PixelsFromHimetric(HimetricFromPixels(pixels, 96), 96)) << "pixels " << pixels;
}

}  // namespace
