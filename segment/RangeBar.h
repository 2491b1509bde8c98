// A whole program as a horizontal bar, with the selected segment raised and
// lighter. No thumbs and no mouse handling: see CRangeSlider.
#ifndef KESTREL_RANGE_BAR_H
#define KESTREL_RANGE_BAR_H

#include "draw/DrawElement.h"

class CRangeBar : public CDrawElement {
  public:
    // The base colour of every bar of the module.
    static constexpr COLORREF kDefaultColor = 0x9F9860;

    // Values are stored as given, not clamped; all users give seconds.
    CRangeBar(COLORREF colour, int total, int start, int end);

    // A bar whose total is 0 or less shows only the plain bar.
    void Draw(HDC dc, const RECT* clip) override;

    // Where the segment lies: (x1, top, x2, bottom).
    RECT& GetRangeRect(RECT& out) const;
    // Clamped to 0..end (start may equal end). Returns the previous start.
    int SetStart(int value);
    // Clamped to start + 1..total (start + 1 wins). Returns the previous end.
    int SetEnd(int value);

    int GetTotal() const { return m_Total; }
    int GetStart() const { return m_Start; }
    int GetEnd() const { return m_End; }
    COLORREF GetColor() const { return m_clrBar; }

  protected:
    int m_Total;
    int m_Start;
    int m_End;
    COLORREF m_clrBar;
};

#endif
