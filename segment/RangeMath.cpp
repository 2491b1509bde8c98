#include "segment/RangeMath.h"

#include "draw/DoublePrecision.h"

#include <climits>
#include <cstdint>

namespace range {

namespace {

constexpr int kMinLengthPixels = 14;

int Saturate(std::int64_t value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// Truncation toward zero that cannot overflow.
KESTREL_DOUBLE_PRECISION int Truncate(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return INT_MAX;
    if (value <= -2147483648.0) return INT_MIN;
    return static_cast<int>(value);
}

// 64-bit products: long programs on wide bars overflow 32 bits.
int Scale(int left, std::int64_t width, int value, int total) { return Saturate(left + width * value / total); }

}  // namespace

bool HasScale(int total) { return total > 0; }

CSpan ToPixels(int left, int right, int total, int start, int end) {
    if (!HasScale(total)) return CSpan{left, left};
    const std::int64_t width = std::int64_t{right} - left;
    return CSpan{Scale(left, width, start, total), Scale(left, width, end, total)};
}

int ClampStart(int value, int end) {
    if (value < 0) return 0;
    if (value >= end) return end;
    return value;
}

int ClampEnd(int value, int start, int total) {
    if (value <= start) return Saturate(std::int64_t{start} + 1);
    if (value > total) return total;
    return value;
}

int SegmentEnd(int start, int length) { return Saturate(std::int64_t{start} + length); }

int SegmentLength(int start, int end) { return Saturate(std::int64_t{end} - start); }

int MarkerX(int left, int right, int position, int total) {
    if (!HasScale(total)) return left + 1;
    return Saturate(left + 1 + (std::int64_t{right} - left - 2) * position / total);
}

CDrag::CDrag(int mode, int width, int total, CValues atPress)
    : m_Mode(mode), m_Width(width), m_Total(total), m_AtPress(atPress) {}

bool CDrag::CanDrag() const { return HasScale(m_Total) && m_Width > 0; }

// Recomputed at each use rather than stored by the constructor: GCC does not
// apply KESTREL_DOUBLE_PRECISION to constructors.
KESTREL_DOUBLE_PRECISION double CDrag::UnitsPerPixel() const { return 1 / (static_cast<double>(m_Width) / m_Total); }

KESTREL_DOUBLE_PRECISION int CDrag::MinLength() const {
    if (!CanDrag()) return 0;
    return Truncate(kMinLengthPixels * UnitsPerPixel());
}

KESTREL_DOUBLE_PRECISION CValues CDrag::Move(int dx, CValues current) const {
    if (!CanDrag()) return current;
    const double unitsPerPixel = UnitsPerPixel();
    const int minLength = MinLength();
    CValues v = current;
    if (m_Mode & kMoveStart) {
        v.start = Truncate(dx * unitsPerPixel + m_AtPress.start);
        const int latest = Saturate(std::int64_t{v.end} - minLength);
        if (v.start > latest) v.start = latest;
        if (v.start < 0) v.start = 0;
    }
    if (m_Mode & kMoveEnd) {
        v.end = Truncate(dx * unitsPerPixel + m_AtPress.end);
        const int earliest = Saturate(std::int64_t{v.start} + minLength);
        if (v.end < earliest) v.end = earliest;
        if (v.end >= m_Total) v.end = m_Total;
    }
    return v;
}

}  // namespace range
