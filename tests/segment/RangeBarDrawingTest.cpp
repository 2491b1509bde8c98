#include "segment/RangeBar.h"
#include "segment/RangeCell.h"
#include "segment/RangeSlider.h"

#include "support/OwnerWindow.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

namespace {

// Shades of the bar colour 0x9F9860, by luma.
const std::string kBar = ColorText(0x9F9860);
const std::string kSegment = ColorText(0xBBB67D);      // +30
const std::string kRaised = ColorText(0xE2DDA4);       // segment +40
const std::string kShadow = ColorText(0x7E7940);       // segment -60
const std::string kThumbShadow = ColorText(0x88834A);  // segment -50
const std::string kBlack = ColorText(0);
const std::string kWhite = ColorText(RGB(255, 255, 255));

// 10 hours over 280 x 20 pixels at (0, 0): the segment 9000..27000 covers
// columns 70..209, the thumbs 73..75 and 204..206.
class RangeBarDrawing : public testing::Test {
  protected:
    std::string At(int x, int y) const { return ColorText(canvas.At(x, y)); }

    CPixelCanvas canvas{300, 30};
};

TEST_F(RangeBarDrawing, TheSegmentIsLighterAndRaisedAndABarHasNoThumbs) {
    CRangeBar bar(0x9F9860, 36000, 9000, 27000);
    bar.SetBounds(0, 0, 280, 20);
    bar.Draw(canvas.dc(), nullptr);
    EXPECT_EQ(kBar, At(20, 10));
    EXPECT_EQ(kBar, At(210, 10));
    EXPECT_EQ(kSegment, At(140, 10));
    EXPECT_EQ(kRaised, At(70, 10));
    EXPECT_EQ(kRaised, At(140, 0));
    EXPECT_EQ(kShadow, At(209, 10));
    EXPECT_EQ(kShadow, At(140, 19));
    EXPECT_EQ(kSegment, At(73, 5));
}

TEST_F(RangeBarDrawing, SliderThumbsAreRaisedOutlinesJustInsideTheSegment) {
    CRangeSlider slider(0x9F9860, 36000, 9000, 27000);
    slider.SetBounds(0, 0, 280, 20);
    const RECT elsewhere{0, 25, 300, 30};
    slider.Draw(canvas.dc(), &elsewhere);
    EXPECT_EQ(-1, canvas.InkBounds().left);  // outside the clip: nothing

    slider.Draw(canvas.dc(), nullptr);
    EXPECT_EQ(kRaised, At(73, 5));
    EXPECT_EQ(kSegment, At(74, 5));
    EXPECT_EQ(kThumbShadow, At(75, 5));
    EXPECT_EQ(kThumbShadow, At(74, 17));
    EXPECT_EQ(kSegment, At(74, 1));
    EXPECT_EQ(kRaised, At(204, 5));
    EXPECT_EQ(kThumbShadow, At(206, 5));
    EXPECT_EQ(kSegment, At(207, 5));
}

TEST_F(RangeBarDrawing, ThumbsNeverShowOutsideTheSegmentAndTheCallersClipIsKept) {
    // 9000..9500 is columns 70..72, drawn at (100, 50) into a DC whose window
    // origin maps it to (0, 0), as the drag loop does; the caller clips at 100.
    CRangeSlider slider(0x9F9860, 36000, 9000, 9500);
    slider.SetBounds(100, 50, 280, 20);
    HRGN left = CreateRectRgn(0, 0, 100, 30);
    SelectClipRgn(canvas.dc(), left);
    SetWindowOrgEx(canvas.dc(), 100, 50, nullptr);
    slider.Draw(canvas.dc(), nullptr);
    SetWindowOrgEx(canvas.dc(), 0, 0, nullptr);
    EXPECT_EQ(kRaised, At(70, 10));
    EXPECT_EQ(kBar, At(74, 5));  // the start thumb would lie here
    EXPECT_EQ(kWhite, At(150, 10));
    HRGN after = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(1, GetClipRgn(canvas.dc(), after));
    EXPECT_TRUE(EqualRgn(left, after));
    DeleteObject(after);
    DeleteObject(left);
}

TEST_F(RangeBarDrawing, WithATotalOfZeroOrLessACellDrawsNothingAndASliderOnlyThePlainBar) {
    const struct {
        int total;
        bool withThumbs;
    } cases[] = {{0, false}, {0, true}, {-1, false}, {-3600, true}};
    for (const auto& c : cases) {
        DrawRangeCell(canvas.dc(), 0, 0, 280, 30, 0, 1800, c.total, 0, c.withThumbs);
        EXPECT_EQ(-1, canvas.InkBounds().left) << "total " << c.total << (c.withThumbs ? " with thumbs" : "");
    }
    CRangeSlider slider(0x9F9860, 0, 0, 100);
    slider.SetBounds(0, 0, 280, 20);
    slider.Draw(canvas.dc(), nullptr);
    EXPECT_EQ(280 * 20, canvas.Count(0x9F9860));
}

TEST_F(RangeBarDrawing, ThePlaybackMarkerTipIsAtLeftPlusOneForPositionZeroAndACellWithThumbsHasNone) {
    SetPolyFillMode(canvas.dc(), ALTERNATE);
    HGDIOBJ brush = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
    DrawRangeCell(canvas.dc(), 10, 5, 290, 25, 0, 1800, 3600, 0, false);
    // Triangle (9, 5), (13, 5), (11, 12).
    EXPECT_EQ(kBlack, At(9, 5));
    EXPECT_EQ(kBlack, At(13, 5));
    EXPECT_EQ(kBlack, At(11, 10));
    EXPECT_NE(kBlack, At(14, 5));
    EXPECT_NE(kBlack, At(9, 10));
    EXPECT_NE(kBlack, At(11, 14));
    EXPECT_EQ(kSegment, At(13, 10));  // no thumb
    EXPECT_EQ(ALTERNATE, GetPolyFillMode(canvas.dc()));
    EXPECT_EQ(brush, GetCurrentObject(canvas.dc(), OBJ_BRUSH));

    CPixelCanvas thumbs(300, 30);
    DrawRangeCell(thumbs.dc(), 10, 5, 290, 25, 900, 1800, 3600, 0, true);
    EXPECT_EQ(kRaised, ColorText(thumbs.At(83, 10)));  // segment at 80..219
    EXPECT_EQ(kThumbShadow, ColorText(thumbs.At(85, 10)));
    EXPECT_EQ(kBar, ColorText(thumbs.At(11, 8)));
}

// The clamps themselves: RangeMathTest.
TEST(RangeBarValues, AChangeInvalidatesTheBarOnceWithoutErasing) {
    COwnerWindow owner;
    CRangeBar bar(0x9F9860, 36000, 9000, 27000);
    bar.SetBounds(10, 10, 280, 20);
    bar.SetOwner(owner.hwnd());
    owner.Settle();
    bar.SetStart(9000);
    bar.SetEnd(27000);
    EXPECT_EQ("(0, 0, 0, 0)", RectText(owner.UpdateRect()));
    EXPECT_EQ(9000, bar.SetStart(-5));
    EXPECT_EQ("(9, 9, 291, 31)", RectText(owner.UpdateRect()));
    EXPECT_TRUE(owner.Erases().empty());
}

}  // namespace
