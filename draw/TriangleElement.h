// A filled triangle marker spanning the element's rectangle, pointing down
// (apex at the bottom centre) or up.
#ifndef KESTREL_TRIANGLE_ELEMENT_H
#define KESTREL_TRIANGLE_ELEMENT_H

#include "draw/DrawElement.h"

class CTriangleElement : public CDrawElement {
  public:
    explicit CTriangleElement(COLORREF colour) : m_clrFill(colour) {}

    void Draw(HDC dc, const RECT* clip) override;
    // Takes effect at the next paint: nothing is invalidated.
    void SetPointsDown(bool pointsDown) { m_fPointsDown = pointsDown; }
    bool PointsDown() const { return m_fPointsDown; }

  private:
    COLORREF m_clrFill;
    bool m_fPointsDown = true;
};

#endif
