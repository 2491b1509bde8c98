// A memory DC with a bitmap of a given size selected, compatible with
// another DC: drawing happens there and reaches the screen in one blit.
#ifndef KESTREL_OFFSCREEN_BUFFER_H
#define KESTREL_OFFSCREEN_BUFFER_H

#include "draw/GdiHandles.h"

class COffscreenBuffer {
  public:
    COffscreenBuffer(HDC compatibleWith, int width, int height);
    COffscreenBuffer(const COffscreenBuffer&) = delete;
    COffscreenBuffer& operator=(const COffscreenBuffer&) = delete;

    // False when the DC or the bitmap could not be created.
    explicit operator bool() const { return m_dc && m_bitmap; }
    HDC Get() const { return m_dc.Get(); }
    // Copies the whole buffer to (x, y) of target.
    void CopyTo(HDC target, int x, int y) const;

  private:
    int m_Width;
    int m_Height;
    CMemoryDC m_dc;
    GdiObject<HBITMAP> m_bitmap;
    CObjectSelection m_selection;  // last: deselects before the bitmap goes
};

#endif
