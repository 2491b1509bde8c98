// A retained drawing object: a rectangle in the client area of one owner
// window, which the owner paints from its paint handler. State changes
// invalidate only the element's own area of the owner.
#ifndef KESTREL_DRAW_ELEMENT_H
#define KESTREL_DRAW_ELEMENT_H

#include <windows.h>

class CDrawElement {
  public:
    // clip: the rectangle being repainted, or null for everything.
    virtual void Draw(HDC dc, const RECT* clip) = 0;
    virtual void SetOwner(HWND owner);
    // Erases (when eraseNow) and invalidates the element's rectangle grown
    // by one pixel; nothing while there is no owner.
    virtual void Invalidate(bool eraseNow);
    virtual void SetSize(int cx, int cy);
    virtual RECT& GetRect(RECT& out) const;
    virtual void SetVisible(bool visible);

    HWND GetOwner() const { return m_hwndOwner; }
    bool IsVisible() const { return m_fVisible; }
    // Returns the previous top-left corner.
    POINT MoveTo(int x, int y);
    void SetBounds(int x, int y, int cx, int cy);
    // True for a null rectangle.
    bool IntersectsRect(const RECT* r) const;

  protected:
    CDrawElement() = default;
    // Elements are members of their window object, never deleted through
    // this class.
    ~CDrawElement() = default;
    CDrawElement(const CDrawElement&) = default;
    CDrawElement& operator=(const CDrawElement&) = default;

    HWND m_hwndOwner = nullptr;
    RECT m_rcBounds{0, 0, 0, 0};
    bool m_fVisible = true;
};

#endif
