// The memory gauge: a flat cylinder seen slightly from above whose top face
// is a pie of used (orange) and free (green) memory, with the front side
// shaded darker in the matching colours.
#ifndef KESTREL_GAUGE_ELEMENT_H
#define KESTREL_GAUGE_ELEMENT_H

#include "draw/DrawElement.h"

class CGaugeElement : public CDrawElement {
  public:
    static constexpr COLORREF kUsedTop = 0x409DD7;
    static constexpr COLORREF kFreeTop = 0x679D35;
    static constexpr COLORREF kUsedSide = 0x204E6B;
    static constexpr COLORREF kFreeSide = 0x334E1B;

    CGaugeElement() = default;

    // Paints every pixel of the element off-screen, then copies it at once.
    void Draw(HDC dc, const RECT* clip) override;
    // Not clamped. Invalidates without erasing (the gauge covers its whole
    // rectangle) and returns the previous fraction.
    double SetFraction(double fraction);
    double GetFraction() const { return m_dFraction; }

  private:
    double m_dFraction = 0.0;
};

#endif
