#include "draw/ColorMath.h"

#include "draw/DoublePrecision.h"

namespace {

int Byte(std::uint32_t value, int index) { return static_cast<int>((value >> (8 * index)) & 0xFF); }

KESTREL_DOUBLE_PRECISION int ClampToByte(double value) {
    if (value < 0.0) return 0;
    if (value > 255.0) return 255;
    return static_cast<int>(value);
}

std::uint32_t Pack(int byte0, int byte1, int byte2) {
    return static_cast<std::uint32_t>(byte0 & 0xFF) | static_cast<std::uint32_t>(byte1 & 0xFF) << 8 |
           static_cast<std::uint32_t>(byte2 & 0xFF) << 16;
}

}  // namespace

KESTREL_DOUBLE_PRECISION std::uint32_t RgbToYCbCr(ColorRef colour) {
    const double r = Byte(colour, 0), g = Byte(colour, 1), b = Byte(colour, 2);
    const int y = static_cast<int>(0.299 * r + 0.587 * g + 0.114 * b);
    const int cb = static_cast<int>(-0.1687 * r - 0.3313 * g + 0.5 * b + 128);
    const int cr = static_cast<int>(0.5 * r - 0.4187 * g - 0.0813 * b + 128);
    return Pack(cb, y, cr);
}

KESTREL_DOUBLE_PRECISION ColorRef YCbCrToRgb(std::uint32_t ycbcr) {
    const double cb = Byte(ycbcr, 0), y = Byte(ycbcr, 1), cr = Byte(ycbcr, 2);
    const int r = ClampToByte(y + 1.402 * (cr - 128));
    const int g = ClampToByte(y - 0.34414 * (cb - 128) - 0.71414 * (cr - 128));
    const int b = ClampToByte(y + 1.772 * (cb - 128));
    return Pack(r, g, b);
}

ColorRef AdjustLuminance(ColorRef colour, int delta) {
    const std::uint32_t ycbcr = RgbToYCbCr(colour);
    long long y = Byte(ycbcr, 1) + static_cast<long long>(delta);
    if (y < 0) y = 0;
    if (y > 255) y = 255;
    return YCbCrToRgb(Pack(Byte(ycbcr, 0), static_cast<int>(y), Byte(ycbcr, 2)));
}
