// An icon drawn at its own size. The element draws a private copy, so the
// caller keeps its icon.
#ifndef KESTREL_ICON_ELEMENT_H
#define KESTREL_ICON_ELEMENT_H

#include "draw/DrawElement.h"
#include "draw/GdiHandles.h"

class CIconElement : public CDrawElement {
  public:
    CIconElement() = default;
    virtual ~CIconElement() = default;
    CIconElement(const CIconElement&) = delete;
    CIconElement& operator=(const CIconElement&) = delete;

    // Null leaves the element without an icon and with an empty rectangle.
    virtual void SetIcon(HICON icon);
    HICON GetIcon() const { return m_icon.Get(); }

    void Draw(HDC dc, const RECT* clip) override;

  private:
    IconHandle m_icon;
};

#endif
