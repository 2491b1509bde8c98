#include "draw/BitmapElement.h"

CBitmapElement::CBitmapElement(HINSTANCE instance, UINT resourceId) {
    if (resourceId == 0) return;
    m_bitmap.Reset(::LoadBitmapA(instance, MAKEINTRESOURCEA(resourceId)));
    BITMAP info{};
    if (m_bitmap && ::GetObjectA(m_bitmap.Get(), sizeof info, &info) == sizeof info)
        m_rcBounds = RECT{0, 0, info.bmWidth, info.bmHeight};
}

void CBitmapElement::Draw(HDC dc, const RECT* /*clip*/) {
    if (!m_bitmap) return;
    const CMemoryDC source(dc);
    if (!source) return;
    const CObjectSelection bitmap(source.Get(), m_bitmap.Get());
    ::BitBlt(dc, m_rcBounds.left, m_rcBounds.top, m_rcBounds.right - m_rcBounds.left,
             m_rcBounds.bottom - m_rcBounds.top, source.Get(), 0, 0, SRCCOPY);
}
