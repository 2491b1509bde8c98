#include "segment/RangeBar.h"

#include "draw/ColorMath.h"
#include "draw/SolidFill.h"
#include "segment/RangeMath.h"

CRangeBar::CRangeBar(COLORREF colour, int total, int start, int end)
    : m_Total(total), m_Start(start), m_End(end), m_clrBar(colour) {}

void CRangeBar::Draw(HDC dc, const RECT* /*clip*/) {
    FillSolidRect(dc, m_rcBounds, m_clrBar);
    if (!range::HasScale(m_Total)) return;

    const COLORREF segment = AdjustLuminance(m_clrBar, +30);
    RECT r;
    GetRangeRect(r);
    FillSolidRect(dc, r, segment);
    Draw3dRect(dc, r, AdjustLuminance(segment, +40), AdjustLuminance(segment, -60));
}

RECT& CRangeBar::GetRangeRect(RECT& out) const {
    const range::CSpan span = range::ToPixels(m_rcBounds.left, m_rcBounds.right, m_Total, m_Start, m_End);
    out = RECT{span.x1, m_rcBounds.top, span.x2, m_rcBounds.bottom};
    return out;
}

int CRangeBar::SetStart(int value) {
    const int previous = m_Start;
    m_Start = range::ClampStart(value, m_End);
    if (m_Start != previous) Invalidate(false);
    return previous;
}

int CRangeBar::SetEnd(int value) {
    const int previous = m_End;
    m_End = range::ClampEnd(value, m_Start, m_Total);
    if (m_End != previous) Invalidate(false);
    return previous;
}
