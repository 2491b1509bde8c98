#include "draw/GaugeElement.h"

#include "draw/GaugeGeometry.h"
#include "draw/GdiHandles.h"
#include "draw/OffscreenBuffer.h"

#include <utility>

namespace {

void FillBand(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
    const RECT band{left, top, right, bottom};
    ::FillRect(dc, &band, brush);
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    ::MoveToEx(dc, x1, y1, nullptr);
    ::LineTo(dc, x2, y2);
}

// Draws the gauge into a DC of exactly g.width x g.height pixels, with the
// DC's default pen for every outline.
void RenderGauge(HDC dc, const CGaugeGeometry& g) {
    const int w = g.width, h = g.height;
    FillBand(dc, 0, 0, w, h, ::GetSysColorBrush(COLOR_BTNFACE));

    const GdiObject<HBRUSH> usedTop(::CreateSolidBrush(CGaugeElement::kUsedTop));
    const GdiObject<HBRUSH> freeTop(::CreateSolidBrush(CGaugeElement::kFreeTop));
    const GdiObject<HBRUSH> usedSide(::CreateSolidBrush(CGaugeElement::kUsedSide));
    const GdiObject<HBRUSH> freeSide(::CreateSolidBrush(CGaugeElement::kFreeSide));
    const CObjectSelection brushes(dc, ::GetStockObject(BLACK_BRUSH));

    if (!g.splitSide) {
        ::SelectObject(dc, freeSide.Get());
        ::Ellipse(dc, 0, g.depth, w, h);
        FillBand(dc, 1, g.centerY, w - 1, g.sideMiddle, freeSide.Get());
    } else {
        ::SelectObject(dc, freeSide.Get());
        ::Chord(dc, 0, g.depth, w, h, g.endX, g.chordUpperY, g.endX, g.chordLowerY);
        FillBand(dc, 1, g.centerY, 10, g.sideMiddle, freeSide.Get());
        ::SelectObject(dc, usedSide.Get());
        ::Chord(dc, 0, g.depth, w, h, g.endX, g.chordLowerY, g.endX, g.chordUpperY);
        FillBand(dc, w - 10, g.centerY, w - 1, g.sideMiddle, usedSide.Get());
    }

    if (g.drawFreeTop) {
        ::SelectObject(dc, freeTop.Get());
        ::Pie(dc, 0, 0, w, g.faceHeight, 0, g.centerY, g.endX, g.endY);
    }
    if (g.drawUsedTop) {
        ::SelectObject(dc, usedTop.Get());
        ::Pie(dc, 0, 0, w, g.faceHeight, g.endX, g.endY, 0, g.centerY);
    }

    Line(dc, 0, g.centerY, 0, g.sideMiddle);
    Line(dc, w - 1, g.centerY, w - 1, g.sideMiddle);
    if (g.splitSide) Line(dc, g.endX, g.endY, g.endX, g.endY + g.depth);
    ::Arc(dc, 0, g.depth, w, h, 0, g.sideMiddle, w, g.sideMiddle);
}

}  // namespace

void CGaugeElement::Draw(HDC dc, const RECT* /*clip*/) {
    const int width = m_rcBounds.right - m_rcBounds.left;
    const int height = m_rcBounds.bottom - m_rcBounds.top;
    if (width <= 0 || height <= 0) return;

    const COffscreenBuffer buffer(dc, width, height);
    if (!buffer) return;
    RenderGauge(buffer.Get(), ComputeGaugeGeometry(width, height, m_dFraction));
    buffer.CopyTo(dc, m_rcBounds.left, m_rcBounds.top);
}

double CGaugeElement::SetFraction(double fraction) {
    const double previous = std::exchange(m_dFraction, fraction);
    Invalidate(false);
    return previous;
}
