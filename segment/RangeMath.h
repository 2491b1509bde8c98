// The arithmetic of the range bar and slider: where a segment lies in
// pixels, how its ends are clamped, and where a drag puts them. Windows-free.
//
// A total of 0 or less has no pixel scale: such a bar shows no segment and
// cannot be dragged.
#ifndef KESTREL_RANGE_MATH_H
#define KESTREL_RANGE_MATH_H

namespace range {

struct CSpan {
    int x1;
    int x2;
};

bool HasScale(int total);

// Pixel columns of [start, end) on a bar from left to right: left + value *
// width / total, truncated toward zero. Without a scale the span is empty at
// left.
CSpan ToPixels(int left, int right, int total, int start, int end);

// 0 if value < 0; end if value >= end (start may reach the end); else value.
int ClampStart(int value, int end);
// start + 1 if value <= start (even beyond total); total if value > total;
// else value.
int ClampEnd(int value, int start, int total);

// start + length, saturated.
int SegmentEnd(int start, int length);
// end - start, saturated.
int SegmentLength(int start, int end);

// Playback marker column: left + 1 + (width - 2) * position / total.
int MarkerX(int left, int right, int position, int total);

enum DragMode { kMoveStart = 1, kMoveEnd = 2, kMoveBoth = 3 };

struct CValues {
    int start;
    int end;
};

// The drag arithmetic of one press: the pointer moved dx pixels from where
// the button went down over a bar of `width` pixels.
class CDrag {
  public:
    CDrag(int mode, int width, int total, CValues atPress);

    // False for a bar that cannot be dragged (no scale, or no width).
    bool CanDrag() const;
    // The shortest segment a drag leaves: 14 pixels' worth of value units.
    int MinLength() const;
    // Both ends are computed afresh from the values at the press; the start
    // is clamped against `current`'s end, the end against the new start.
    CValues Move(int dx, CValues current) const;

  private:
    double UnitsPerPixel() const;

    int m_Mode;
    int m_Width;
    int m_Total;
    CValues m_AtPress;
};

}  // namespace range

#endif
