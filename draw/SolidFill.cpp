#include "draw/SolidFill.h"

void FillSolidRect(HDC dc, int x, int y, int cx, int cy, COLORREF colour) {
    // ExtTextOutA orders the rectangle, so negative extents fill left or up.
    const RECT r{x, y, x + cx, y + cy};
    ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void FillSolidRect(HDC dc, const RECT& r, COLORREF colour) {
    FillSolidRect(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, colour);
}

void Draw3dRect(HDC dc, int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(dc, x, y, cx - 1, 1, topLeft);
    FillSolidRect(dc, x, y, 1, cy - 1, topLeft);
    FillSolidRect(dc, x + cx, y, -1, cy, bottomRight);
    FillSolidRect(dc, x, y + cy, cx, -1, bottomRight);
}

void Draw3dRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    Draw3dRect(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, topLeft, bottomRight);
}
