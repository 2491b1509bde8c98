// Where the memory gauge's faces, slices and seam lie in a W x H box.
// Windows-free: all the arithmetic of the pie, none of its drawing.
#ifndef KESTREL_GAUGE_GEOMETRY_H
#define KESTREL_GAUGE_GEOMETRY_H

struct CGaugeGeometry {
    int width = 0;
    int height = 0;
    int faceHeight = 0;  // e: height of the top and of the bottom ellipse
    int centerX = 0;     // cx
    int centerY = 0;     // cy: middle line of the top face
    int depth = 0;       // d: the bottom face is the top face moved down by d
    int sideMiddle = 0;  // m: middle line of the bottom face
    int endX = 0;        // end point of the used slice on the top face
    int endY = 0;
    bool drawFreeTop = true;
    bool drawUsedTop = true;
    // Above one half the side is split at endX into a free and a used part,
    // with a seam; at or below it the side is all free.
    bool splitSide = false;
    int chordLowerY = 0;  // y1: the end point carried onto the bottom face
    int chordUpperY = 0;  // y2: y1 mirrored about the bottom face's middle
};

// fraction: share of the pie that is used; not clamped.
CGaugeGeometry ComputeGaugeGeometry(int width, int height, double fraction);

#endif
