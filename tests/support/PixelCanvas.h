// A 32-bit memory DC for pixel tests: what GDI drew there is read back
// exactly, whatever the screen's depth.
#ifndef KESTREL_TESTS_PIXEL_CANVAS_H
#define KESTREL_TESTS_PIXEL_CANVAS_H

#include <windows.h>

#include <string>

class CPixelCanvas {
  public:
    CPixelCanvas(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~CPixelCanvas();
    CPixelCanvas(const CPixelCanvas&) = delete;
    CPixelCanvas& operator=(const CPixelCanvas&) = delete;

    HDC dc() const { return m_dc; }
    COLORREF At(int x, int y) const;
    // The rows (top and bottom, inclusive) and columns holding a pixel
    // different from the background; all -1 when there is none.
    RECT InkBounds() const;
    int Count(COLORREF colour) const;

  private:
    int m_width;
    int m_height;
    COLORREF m_background;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_previous;
};

// "0xBBGGRR" and "(left, top, right, bottom)", for assertions.
std::string ColorText(COLORREF colour);
std::string RectText(const RECT& r);

#endif
