#include "segment/RangeMath.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using range::CDrag;
using range::CValues;

TEST(RangePixels, MapsValuesLinearlyTruncatingTowardZeroWithoutOverflowAndNothingWithoutATotal) {
    EXPECT_EQ(80, range::ToPixels(10, 290, 36000, 9000, 27000).x1);
    EXPECT_EQ(220, range::ToPixels(10, 290, 36000, 9000, 27000).x2);
    EXPECT_EQ(10, range::ToPixels(10, 290, 36000, -100, 0).x1);  // -0.78 px
    EXPECT_EQ(2000, range::ToPixels(0, 2000, 2000000, 0, 2000000).x2);
    EXPECT_EQ(11, range::MarkerX(10, 290, 0, 3600));
    EXPECT_EQ(150, range::MarkerX(10, 290, 1800, 3600));
    // A total of zero or less has no segment.
    EXPECT_FALSE(range::HasScale(0));
    EXPECT_FALSE(range::HasScale(-5));
    EXPECT_EQ(10, range::ToPixels(10, 290, 0, 5, 8).x2);
}

TEST(RangeClamps, StartStaysWithinZeroAndTheEndAndTheEndAfterTheStartThenWithinTheTotal) {
    EXPECT_EQ(0, range::ClampStart(-5, 100));
    EXPECT_EQ(100, range::ClampStart(250, 100));  // start may equal the end
    EXPECT_EQ(40, range::ClampStart(40, 100));
    EXPECT_EQ(51, range::ClampEnd(10, 50, 1000));
    EXPECT_EQ(1001, range::ClampEnd(500, 1000, 1000));  // start + 1 even beyond the total
    EXPECT_EQ(1000, range::ClampEnd(5000, 50, 1000));
    EXPECT_EQ(700, range::ClampEnd(700, 50, 1000));
}

TEST(RangeDrag, MovesFromThePressWithAMinimumLengthOfFourteenPixelsWorthOfValueUnits) {
    EXPECT_EQ(1800, CDrag(range::kMoveStart, 280, 36000, CValues{9000, 27000}).MinLength());  // 128.57 s a pixel
    EXPECT_EQ(0, CDrag(range::kMoveStart, 280, 10, CValues{2, 8}).MinLength());
    // Each move starts from the press but clamps against the current values.
    const CDrag drag(range::kMoveBoth, 280, 36000, CValues{9000, 27000});
    const CValues v = drag.Move(200, CValues{21857, 36000});
    EXPECT_EQ(34200, v.start);  // 9000 + 200 px = 34714, clamped against the current end
    EXPECT_EQ(36000, v.end);
}

TEST(RangeDrag, NoScaleOrNoWidthRefusesToDragAndFarMovesSaturate) {
    EXPECT_FALSE(CDrag(range::kMoveBoth, 280, 0, CValues{1, 2}).CanDrag());
    EXPECT_FALSE(CDrag(range::kMoveBoth, 280, -10, CValues{1, 2}).CanDrag());
    EXPECT_FALSE(CDrag(range::kMoveBoth, 0, 36000, CValues{1, 2}).CanDrag());
    EXPECT_EQ(1, CDrag(range::kMoveBoth, 280, 0, CValues{1, 2}).Move(100, CValues{1, 2}).start);
    const CDrag far(range::kMoveEnd, 1, INT_MAX, CValues{0, INT_MAX - 10});
    EXPECT_EQ(INT_MAX, far.Move(30000, CValues{0, INT_MAX - 10}).end);
}

}  // namespace
