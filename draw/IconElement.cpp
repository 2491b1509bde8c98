#include "draw/IconElement.h"

namespace {

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return SIZE{0, 0};
    const GdiObject<HBITMAP> colour(info.hbmColor);
    const GdiObject<HBITMAP> mask(info.hbmMask);
    BITMAP bitmap{};
    if (colour) {
        if (::GetObjectA(colour.Get(), sizeof bitmap, &bitmap)) return SIZE{bitmap.bmWidth, bitmap.bmHeight};
    } else if (mask && ::GetObjectA(mask.Get(), sizeof bitmap, &bitmap)) {
        // A monochrome icon has no colour bitmap: its mask holds the AND
        // and the XOR image one above the other.
        return SIZE{bitmap.bmWidth, bitmap.bmHeight / 2};
    }
    return SIZE{0, 0};
}

}  // namespace

void CIconElement::SetIcon(HICON icon) {
    Invalidate(true);
    m_icon.Reset();
    if (icon) m_icon.Reset(static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, 0, 0, 0)));
    Invalidate(true);
    const SIZE size = m_icon ? IconSize(m_icon.Get()) : SIZE{0, 0};
    m_rcBounds.right = m_rcBounds.left + size.cx;
    m_rcBounds.bottom = m_rcBounds.top + size.cy;
    Invalidate(true);
}

void CIconElement::Draw(HDC dc, const RECT* /*clip*/) {
    if (!m_icon) return;
    ::DrawIconEx(dc, m_rcBounds.left, m_rcBounds.top, m_icon.Get(), m_rcBounds.right - m_rcBounds.left,
                 m_rcBounds.bottom - m_rcBounds.top, 0, nullptr, DI_NORMAL);
}
