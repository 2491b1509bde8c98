// Solid fills and one-pixel outlines in a single colour, without a brush.
// Both leave the colour they last used as the DC's background colour.
#ifndef KESTREL_SOLID_FILL_H
#define KESTREL_SOLID_FILL_H

#include <windows.h>

// Fills (x, y, x + cx, y + cy); a negative cx or cy extends left or up.
void FillSolidRect(HDC dc, int x, int y, int cx, int cy, COLORREF colour);
void FillSolidRect(HDC dc, const RECT& r, COLORREF colour);

// Top and left edges in topLeft, right and bottom edges in bottomRight; the
// bottom-right pixel belongs to the right edge.
void Draw3dRect(HDC dc, int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
void Draw3dRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight);

#endif
