#include "draw/OffscreenBuffer.h"

COffscreenBuffer::COffscreenBuffer(HDC compatibleWith, int width, int height)
    : m_Width(width),
      m_Height(height),
      m_dc(compatibleWith),
      // Compatible with the target, not with the memory DC, which would
      // give a monochrome bitmap.
      m_bitmap(m_dc ? ::CreateCompatibleBitmap(compatibleWith, width, height) : nullptr),
      m_selection(m_dc.Get(), m_bitmap.Get()) {}

void COffscreenBuffer::CopyTo(HDC target, int x, int y) const {
    ::BitBlt(target, x, y, m_Width, m_Height, m_dc.Get(), 0, 0, SRCCOPY);
}
