#include "draw/TextElement.h"

#include "draw/GdiHandles.h"

void CTextElement::Draw(HDC dc, const RECT* /*clip*/) {
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    {
        const CObjectSelection font(dc, m_hFont);
        RECT r = m_rcBounds;
        ::DrawTextA(dc, m_strText.c_str(), static_cast<int>(m_strText.size()), &r, 0);
    }
    ::SetBkMode(dc, previousMode);
}

void CTextElement::SetText(const std::string& text) {
    if (text == m_strText) return;
    Invalidate(true);
    m_strText = text;

    // Measured once here rather than at every paint, on the screen's DC.
    const CWindowDC screen = CWindowDC::Whole(nullptr);
    RECT measured{0, 0, 0, 0};
    {
        const CObjectSelection font(screen.Get(), m_hFont);
        ::DrawTextA(screen.Get(), m_strText.c_str(), static_cast<int>(m_strText.size()), &measured, DT_CALCRECT);
    }
    m_rcBounds.right = m_rcBounds.left + (measured.right - measured.left);
    m_rcBounds.bottom = m_rcBounds.top + (measured.bottom - measured.top);
    Invalidate(true);
}

const std::string& CTextElement::GetText() const { return m_strText; }
