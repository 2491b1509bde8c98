#include "draw/WrappedTextElement.h"

#include "draw/BottomAlignedText.h"

#include <utility>

void CWrappedTextElement::Draw(HDC dc, const RECT* /*clip*/) {
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColour = ::SetTextColor(dc, m_clrText);
    {
        const CObjectSelection font(dc, m_hFont);
        DrawTextBottomAligned(dc, m_strText.c_str(), static_cast<int>(m_strText.size()), m_rcBounds,
                              DT_CENTER | DT_BOTTOM | DT_WORDBREAK | DT_EXTERNALLEADING);
    }
    ::SetTextColor(dc, previousColour);
    ::SetBkMode(dc, previousMode);
}

void CWrappedTextElement::SetText(const std::string& text) {
    if (text == m_strText) return;
    Invalidate(true);
    m_strText = text;
    Invalidate(true);
}

void CWrappedTextElement::SetFont(GdiObject<HFONT> font) {
    m_ownedFont = std::move(font);
    m_hFont = m_ownedFont.Get();
}
