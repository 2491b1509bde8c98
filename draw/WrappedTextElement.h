// A coloured, word-wrapped text centred on the bottom edge of a box that the
// owner sets with SetBounds.
#ifndef KESTREL_WRAPPED_TEXT_ELEMENT_H
#define KESTREL_WRAPPED_TEXT_ELEMENT_H

#include "draw/GdiHandles.h"
#include "draw/TextElement.h"

class CWrappedTextElement : public CTextElement {
  public:
    CWrappedTextElement() = default;

    void Draw(HDC dc, const RECT* clip) override;
    // Keeps the rectangle.
    void SetText(const std::string& text) override;

    // The element owns its font (unlike a plain text element). Nothing is
    // invalidated.
    void SetFont(GdiObject<HFONT> font);
    void SetColor(COLORREF colour) { m_clrText = colour; }
    COLORREF GetColor() const { return m_clrText; }

  private:
    COLORREF m_clrText = 0;
    GdiObject<HFONT> m_ownedFont;
};

#endif
