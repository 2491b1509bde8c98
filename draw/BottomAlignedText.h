// DrawTextA aligns only single lines to the bottom of their box; this does
// it for word-wrapped text as well.
#ifndef KESTREL_BOTTOM_ALIGNED_TEXT_H
#define KESTREL_BOTTOM_ALIGNED_TEXT_H

#include <windows.h>

// With DT_BOTTOM and without DT_SINGLELINE the text is measured at the box's
// width and drawn in the bottom part of the box. A text as tall as the box or
// taller is drawn in its measured rectangle from the box's top-left corner
// downward, not cut at the bottom. Otherwise this is DrawTextA.
void DrawTextBottomAligned(HDC dc, const char* text, int length, const RECT& box, UINT format);

#endif
