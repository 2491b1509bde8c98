#include "draw/ColorMath.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ColorMath, RgbToYCbCrPacksCbYCrTruncatingAndBackClamping) {
    EXPECT_EQ(0x80FF80u, RgbToYCbCr(0xFFFFFF));
    EXPECT_EQ(0x800080u, RgbToYCbCr(0x000000));
    EXPECT_EQ(0xFF4C54u, RgbToYCbCr(0x0000FF));  // red: Y 76.2, Cb 84.98, Cr 255.5
    EXPECT_EQ(0x6B1DFFu, RgbToYCbCr(0xFF0000));  // blue: Y 29.07, Cb 255.5, Cr 107.3
    // Back, each component clamped to a byte.
    EXPECT_EQ(0xFF78FFu, YCbCrToRgb(0xFFFFFF));  // R 433.1, G 120.6, B 480.0
    EXPECT_EQ(0x008700u, YCbCrToRgb(0x000000));  // R -179.5, G 135.46, B -226.8
    EXPECT_EQ(0xFFFFFFu, YCbCrToRgb(0x80FF80));
}

TEST(ColorMath, AdjustLuminanceClampsTheLumaAtBothEndsKeepsTheChromaAndDerivesTheBarShades) {
    EXPECT_EQ(0xFFFFFFu, AdjustLuminance(0xFFFFFF, +30));
    EXPECT_EQ(0x000000u, AdjustLuminance(0x000000, -60));
    // Luma 136 of the bar colour, moved past 255 and below 0.
    EXPECT_EQ(0xFFFFD6u, AdjustLuminance(0x9F9860, +250));
    EXPECT_EQ(0x151000u, AdjustLuminance(0x9F9860, -250));
    EXPECT_EQ(0xFFFFD6u, AdjustLuminance(0x9F9860, INT_MAX));
    EXPECT_EQ(0x151000u, AdjustLuminance(0x9F9860, INT_MIN));
    // The range bar's shades.
    EXPECT_EQ(0x9D985Fu, AdjustLuminance(0x9F9860, 0));  // the round trip truncates
    const ColorRef segment = AdjustLuminance(0x9F9860, +30);
    EXPECT_EQ(0xBBB67Du, segment);
    EXPECT_EQ(0xE2DDA4u, AdjustLuminance(segment, +40));
    EXPECT_EQ(0x7E7940u, AdjustLuminance(segment, -60));
}

}  // namespace
