#include "draw/TriangleElement.h"

#include "draw/GdiHandles.h"

void CTriangleElement::Draw(HDC dc, const RECT* /*clip*/) {
    const RECT& r = m_rcBounds;
    const LONG middle = (r.left + r.right) / 2;
    const POINT down[] = {{r.left, r.top}, {r.right, r.top}, {middle, r.bottom}, {r.left, r.top}};
    const POINT up[] = {{r.left, r.bottom}, {middle, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};

    const GdiObject<HBRUSH> brush(::CreateSolidBrush(m_clrFill));
    const GdiObject<HPEN> pen(::CreatePen(PS_NULL, 1, 0));
    const int previousMode = ::SetPolyFillMode(dc, WINDING);
    {
        const CObjectSelection selectedBrush(dc, brush.Get());
        const CObjectSelection selectedPen(dc, pen.Get());
        ::Polygon(dc, m_fPointsDown ? down : up, 4);
    }
    ::SetPolyFillMode(dc, previousMode);
}
