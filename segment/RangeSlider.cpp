#include "segment/RangeSlider.h"

#include "draw/ColorMath.h"
#include "draw/GdiHandles.h"
#include "draw/OffscreenBuffer.h"
#include "draw/SolidFill.h"
#include "segment/RangeMath.h"

#include <windowsx.h>

#include <utility>

namespace {

// The mouse belongs to the owner window, and the cursor stays over the
// slider, for as long as this lives.
class CMouseConfinement {
  public:
    CMouseConfinement(HWND owner, const RECT& clientArea) : m_owner(owner) {
        ::SetCapture(owner);
        RECT screen = clientArea;
        ::MapWindowPoints(owner, nullptr, reinterpret_cast<POINT*>(&screen), 2);
        ::ClipCursor(&screen);
    }
    ~CMouseConfinement() {
        // A window that took the capture during the drag keeps it.
        if (::GetCapture() == m_owner) ::ReleaseCapture();
        ::ClipCursor(nullptr);
    }
    CMouseConfinement(const CMouseConfinement&) = delete;
    CMouseConfinement& operator=(const CMouseConfinement&) = delete;

  private:
    HWND m_owner;
};

}  // namespace

CRangeSlider::CRangeSlider(COLORREF colour, int total, int start, int end) : CRangeBar(colour, total, start, end) {}

void CRangeSlider::Draw(HDC dc, const RECT* clip) {
    if (clip && !IntersectsRect(clip)) return;
    CRangeBar::Draw(dc, clip);
    if (!range::HasScale(m_Total)) return;

    RECT segment;
    GetRangeRect(segment);
    const COLORREF base = AdjustLuminance(m_clrBar, +30);
    const COLORREF light = AdjustLuminance(base, +40);
    const COLORREF dark = AdjustLuminance(base, -50);

    // The thumbs never show outside the segment; whatever clipping the
    // caller had is kept and given back.
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, segment.left, segment.top, segment.right, segment.bottom);
    RECT thumb;
    Draw3dRect(dc, GetThumbRect(kStartThumb, thumb), light, dark);
    Draw3dRect(dc, GetThumbRect(kEndThumb, thumb), light, dark);
    ::RestoreDC(dc, saved);
}

IRangeListener* CRangeSlider::SetListener(IRangeListener* listener) { return std::exchange(m_pListener, listener); }

void CRangeSlider::StopDrag() { m_fDragging = false; }

RECT& CRangeSlider::GetThumbRect(int which, RECT& out) const {
    RECT r;
    GetRangeRect(r);
    if (which == kStartThumb)
        out = RECT{r.left + 3, r.top + 2, r.left + 6, r.bottom - 2};
    else
        out = RECT{r.right - 6, r.top + 2, r.right - 3, r.bottom - 2};
    return out;
}

bool CRangeSlider::CanDrag() const {
    return m_hwndOwner && range::HasScale(m_Total) && m_rcBounds.right > m_rcBounds.left;
}

bool CRangeSlider::OnSetCursor(UINT /*hitTest*/, UINT /*message*/) {
    if (!CanDrag()) return false;
    POINT cursor;
    if (!::GetCursorPos(&cursor) || !::ScreenToClient(m_hwndOwner, &cursor)) return false;
    RECT startThumb, endThumb;
    GetThumbRect(kStartThumb, startThumb);
    GetThumbRect(kEndThumb, endThumb);
    if (!::PtInRect(&startThumb, cursor) && !::PtInRect(&endThumb, cursor)) return false;
    ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
    return true;
}

bool CRangeSlider::OnLButtonDown(UINT /*flags*/, int x, int y) {
    if (!CanDrag()) return false;
    RECT startThumb, endThumb, between;
    GetThumbRect(kStartThumb, startThumb);
    GetThumbRect(kEndThumb, endThumb);
    GetRangeRect(between);
    between.left = startThumb.right + 1;
    between.right = endThumb.left - 1;

    // On a short segment the thumbs overlap: one press runs one drag only,
    // or a second loop would wait for a release that has already happened.
    const POINT point{x, y};
    if (::PtInRect(&startThumb, point)) {
        DragLoop(range::kMoveStart, x, y);
    } else if (::PtInRect(&endThumb, point)) {
        DragLoop(range::kMoveEnd, x, y);
    } else if (::PtInRect(&between, point)) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL));
        DragLoop(range::kMoveBoth, x, y);
    } else {
        return false;
    }
    return true;
}

void CRangeSlider::DragLoop(int mode, int x0, int /*y0*/) {
    const HWND owner = m_hwndOwner;
    const int width = m_rcBounds.right - m_rcBounds.left;
    const int height = m_rcBounds.bottom - m_rcBounds.top;
    const range::CDrag drag(mode, width, m_Total, range::CValues{m_Start, m_End});
    if (!drag.CanDrag()) return;

    bool quit = false;
    WPARAM quitCode = 0;
    {
        const CMouseConfinement confinement(owner, m_rcBounds);
        // Every move redraws the slider off-screen and copies it in one blit.
        const COffscreenBuffer buffer(CWindowDC::Client(owner).Get(), width, height);

        // The drag lasts as long as the owner has the mouse: a window that
        // is destroyed, or that loses the capture, gets no button release.
        m_fDragging = true;
        MSG msg;
        while (m_fDragging && ::GetCapture() == owner) {
            const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
            if (got == -1) break;
            if (got == 0) {
                // The host's own loop must still see the quit request.
                quit = true;
                quitCode = msg.wParam;
                break;
            }
            if (msg.hwnd == owner && msg.message == WM_MOUSEMOVE) {
                // Signed: a cell scrolled partly out of the list has negative
                // client coordinates.
                const range::CValues moved = drag.Move(GET_X_LPARAM(msg.lParam) - x0, range::CValues{m_Start, m_End});
                m_Start = moved.start;
                m_End = moved.end;
                if (m_pListener) m_pListener->OnRangeChanging(m_Total, m_Start, m_End, m_rcBounds);
                if (buffer && ::GetCapture() == owner) RedrawNow(buffer);
            } else if (msg.hwnd == owner && msg.message == WM_LBUTTONUP) {
                m_fDragging = false;
            } else {
                ::DispatchMessageA(&msg);
            }
        }
        m_fDragging = false;
    }
    if (quit) ::PostQuitMessage(static_cast<int>(quitCode));
}

void CRangeSlider::RedrawNow(const COffscreenBuffer& buffer) {
    ::SetWindowOrgEx(buffer.Get(), m_rcBounds.left, m_rcBounds.top, nullptr);
    Draw(buffer.Get(), nullptr);
    ::SetWindowOrgEx(buffer.Get(), 0, 0, nullptr);
    buffer.CopyTo(CWindowDC::Client(m_hwndOwner).Get(), m_rcBounds.left, m_rcBounds.top);
}
