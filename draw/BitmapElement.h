// A bitmap resource drawn at its own size.
#ifndef KESTREL_BITMAP_ELEMENT_H
#define KESTREL_BITMAP_ELEMENT_H

#include "draw/DrawElement.h"
#include "draw/GdiHandles.h"

class CBitmapElement : public CDrawElement {
  public:
    // Resource id 0, or a bitmap that does not load, gives an element with
    // an empty rectangle that draws nothing.
    CBitmapElement(HINSTANCE instance, UINT resourceId);

    void Draw(HDC dc, const RECT* clip) override;

  private:
    GdiObject<HBITMAP> m_bitmap;
};

#endif
