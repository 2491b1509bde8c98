#include "segment/RangeCell.h"

#include "draw/GdiHandles.h"
#include "segment/RangeBar.h"
#include "segment/RangeMath.h"
#include "segment/RangeSlider.h"

namespace {

// Drawn with the DC's current pen, as the rest of the list's row.
void DrawPlaybackMarker(HDC dc, int x, int top) {
    const POINT tip[] = {{x - 2, top}, {x + 2, top}, {x, top + 7}};
    const int previousMode = ::SetPolyFillMode(dc, WINDING);
    {
        const CObjectSelection brush(dc, ::GetStockObject(BLACK_BRUSH));
        ::Polygon(dc, tip, 3);
    }
    ::SetPolyFillMode(dc, previousMode);
}

// Built without an owner window, so placing it invalidates nothing.
template <typename Bar>
void DrawBar(Bar& bar, HDC dc, int left, int top, int right, int bottom) {
    bar.MoveTo(left, top);
    bar.SetSize(right - left, bottom - top);
    bar.Draw(dc, nullptr);
}

}  // namespace

void DrawRangeCell(HDC dc, int left, int top, int right, int bottom, int start, int length, int total, int position,
                   bool withThumbs) {
    if (!range::HasScale(total)) return;
    const int end = range::SegmentEnd(start, length);
    if (withThumbs) {
        CRangeSlider slider(CRangeBar::kDefaultColor, total, start, end);
        DrawBar(slider, dc, left, top, right, bottom);
        return;
    }
    CRangeBar bar(CRangeBar::kDefaultColor, total, start, end);
    DrawBar(bar, dc, left, top, right, bottom);
    DrawPlaybackMarker(dc, range::MarkerX(left, right, position, total), top);
}
