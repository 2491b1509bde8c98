// A text in the owner's font, as large as the text itself.
#ifndef KESTREL_TEXT_ELEMENT_H
#define KESTREL_TEXT_ELEMENT_H

#include "draw/DrawElement.h"

#include <string>

class CTextElement : public CDrawElement {
  public:
    CTextElement() = default;

    // Left and top aligned, line breaks honoured, in the DC's text colour.
    void Draw(HDC dc, const RECT* clip) override;
    // Resizes the element to the text's extent at its top-left corner.
    virtual void SetText(const std::string& text);
    virtual const std::string& GetText() const;

    // Not owned; null draws in the DC's current font. Takes effect from the
    // next SetText and paint; nothing is invalidated.
    void SetFont(HFONT font) { m_hFont = font; }
    HFONT GetFont() const { return m_hFont; }

  protected:
    std::string m_strText;
    HFONT m_hFont = nullptr;
};

#endif
