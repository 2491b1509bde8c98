// Conversions between device pixels and HIMETRIC (0.01 mm), the unit of
// OLE extents. 2540 HIMETRIC make an inch. Rounded to the nearest unit, as
// the platform's MulDiv does, so a round trip gives back the pixel count.
#ifndef KESTREL_CONTAINER_HIMETRIC_UNITS_H
#define KESTREL_CONTAINER_HIMETRIC_UNITS_H

constexpr long kHimetricPerInch = 2540;

constexpr long RoundedQuotient(long long numerator, long long denominator) {
    const long long half = denominator / 2;
    return static_cast<long>(numerator >= 0 ? (numerator + half) / denominator : (numerator - half) / denominator);
}

constexpr long HimetricFromPixels(long pixels, int dotsPerInch) {
    return dotsPerInch > 0 ? RoundedQuotient(static_cast<long long>(pixels) * kHimetricPerInch, dotsPerInch) : 0;
}

constexpr long PixelsFromHimetric(long himetric, int dotsPerInch) {
    return RoundedQuotient(static_cast<long long>(himetric) * dotsPerInch, kHimetricPerInch);
}

#endif
