// The "Segment on Player" cell of the program list: a range bar, with
// thumbs where the segment can be dragged, or with a playback marker.
#ifndef KESTREL_RANGE_CELL_H
#define KESTREL_RANGE_CELL_H

#include <windows.h>

// The bar fills (left, top, right, bottom) of dc; the segment runs from start
// for length units of total. Without thumbs a black marker points down at
// position. A total of 0 or less draws nothing: such a program has no scale
// to show, and a plain bar would pass for a segment of nothing.
void DrawRangeCell(HDC dc, int left, int top, int right, int bottom, int start, int length, int total, int position,
                   bool withThumbs);

#endif
