#include "draw/DrawElement.h"

#include "draw/GdiHandles.h"

void CDrawElement::SetOwner(HWND owner) { m_hwndOwner = owner; }

void CDrawElement::Invalidate(bool eraseNow) {
    if (!m_hwndOwner) return;
    RECT grown = m_rcBounds;
    ::InflateRect(&grown, 1, 1);
    if (eraseNow) {
        // The owner's background handler erases through a clip region of
        // this element only, so neighbouring elements do not flicker.
        const CWindowDC dc = CWindowDC::Client(m_hwndOwner);
        if (dc) {
            const GdiObject<HRGN> region(::CreateRectRgnIndirect(&grown));
            ::SelectClipRgn(dc.Get(), region.Get());
            ::SendMessageA(m_hwndOwner, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
            ::SelectClipRgn(dc.Get(), nullptr);
        }
    }
    ::InvalidateRect(m_hwndOwner, &grown, FALSE);
}

void CDrawElement::SetSize(int cx, int cy) {
    Invalidate(true);
    m_rcBounds.right = m_rcBounds.left + cx;
    m_rcBounds.bottom = m_rcBounds.top + cy;
    Invalidate(true);
}

RECT& CDrawElement::GetRect(RECT& out) const {
    out = m_rcBounds;
    return out;
}

void CDrawElement::SetVisible(bool visible) {
    if (visible == m_fVisible) return;
    m_fVisible = visible;
    Invalidate(true);
}

POINT CDrawElement::MoveTo(int x, int y) {
    const POINT previous{m_rcBounds.left, m_rcBounds.top};
    if (previous.x == x && previous.y == y) return previous;
    Invalidate(true);
    ::OffsetRect(&m_rcBounds, x - previous.x, y - previous.y);
    Invalidate(true);
    return previous;
}

void CDrawElement::SetBounds(int x, int y, int cx, int cy) {
    Invalidate(true);
    m_rcBounds = RECT{x, y, x + cx, y + cy};
    Invalidate(true);
}

bool CDrawElement::IntersectsRect(const RECT* r) const {
    if (!r) return true;
    RECT overlap;
    return ::IntersectRect(&overlap, r, &m_rcBounds) != FALSE;
}
