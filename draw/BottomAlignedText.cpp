#include "draw/BottomAlignedText.h"

void DrawTextBottomAligned(HDC dc, const char* text, int length, const RECT& box, UINT format) {
    RECT r = box;
    if ((format & DT_BOTTOM) && !(format & DT_SINGLELINE)) {
        ::DrawTextA(dc, text, length, &r, format | DT_CALCRECT);
        const LONG height = r.bottom - r.top;
        if (height < box.bottom - box.top) r = RECT{box.left, box.bottom - height, box.right, box.bottom};
    }
    ::DrawTextA(dc, text, length, &r, format);
}
