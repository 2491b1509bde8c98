#include "container/HimetricUnits.h"

#include <gtest/gtest.h>

namespace {

TEST(HimetricUnits, AnInchIs2540HimetricAtAnyResolution) {
    EXPECT_EQ(2540, HimetricFromPixels(96, 96));
    EXPECT_EQ(2540, HimetricFromPixels(120, 120));
    EXPECT_EQ(96, PixelsFromHimetric(2540, 96));
}

TEST(HimetricUnits, ConversionRoundsToTheNearestUnit) {
    EXPECT_EQ(2646, HimetricFromPixels(100, 96));  // 2645.83
    EXPECT_EQ(26, HimetricFromPixels(1, 96));      // 26.46
    EXPECT_EQ(-2646, HimetricFromPixels(-100, 96));
}

TEST(HimetricUnits, PixelsSurviveTheRoundTripAt96Dpi) {
    for (long pixels = 0; pixels <= 4000; ++pixels)
        ASSERT_EQ(pixels, PixelsFromHimetric(HimetricFromPixels(pixels, 96), 96)) << "pixels " << pixels;
}

TEST(HimetricUnits, NoResolutionGivesZeroRatherThanADivisionByZero) { EXPECT_EQ(0, HimetricFromPixels(100, 0)); }

}  // namespace
