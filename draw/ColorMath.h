// Light and dark shades of one base colour, derived by moving its luma in
// the JFIF YCbCr space. Windows-free: colours are COLORREF-compatible
// 32-bit values (0x00BBGGRR).
#ifndef KESTREL_COLOR_MATH_H
#define KESTREL_COLOR_MATH_H

#include <cstdint>

using ColorRef = std::uint32_t;

// Packed YCbCr: byte 0 = Cb, byte 1 = Y, byte 2 = Cr; each component is
// truncated toward zero.
std::uint32_t RgbToYCbCr(ColorRef colour);

// Each of R, G, B is clamped to 0..255, then truncated toward zero.
ColorRef YCbCrToRgb(std::uint32_t ycbcr);

// The colour with its luma moved by delta (clamped to 0..255) and its chroma
// kept.
ColorRef AdjustLuminance(ColorRef colour, int delta);

#endif
