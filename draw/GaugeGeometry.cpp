#include "draw/GaugeGeometry.h"

#include "draw/DoublePrecision.h"

#include <cmath>

KESTREL_DOUBLE_PRECISION CGaugeGeometry ComputeGaugeGeometry(int width, int height, double fraction) {
    CGaugeGeometry g;
    g.width = width;
    g.height = height;
    g.faceHeight = (5 * height) / 6;
    g.centerX = width / 2;
    g.centerY = g.faceHeight / 2;
    g.depth = height - g.faceHeight;
    g.sideMiddle = (g.depth + height) / 2;

    const double angle = fraction * 6.2831852;
    g.endX = g.centerX - static_cast<int>((std::cos(angle) * width + 1) * 0.5);
    g.endY = g.centerY - static_cast<int>((std::sin(angle) * g.faceHeight + 1) * 0.5);
    // With an odd width the leftmost point comes out one pixel outside the
    // face; it is the start point of the slices all the same, so that at 0
    // and 1 only the one meaningful slice is drawn, never a full ellipse of
    // the empty one.
    if (g.endX < 0 && g.endY == g.centerY) g.endX = 0;

    const bool endAtStart = g.endX == 0 && g.endY == g.centerY;
    g.drawFreeTop = !(endAtStart && fraction >= 0.5);
    g.drawUsedTop = !(endAtStart && fraction <= 0.5);

    g.splitSide = fraction > 0.5;
    g.chordLowerY = g.endY + g.depth;
    g.chordUpperY = g.depth + height - g.chordLowerY;
    return g;
}
