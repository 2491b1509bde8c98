// GuidFromText: a GUID from its text form ("XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX"),
// at compile time, so that every identity is written once, as text, in
// KestrelIds.h and read from there by widl, CMake and C++ alike.
#ifndef KESTREL_GUID_TEXT_H
#define KESTREL_GUID_TEXT_H

#include <guiddef.h>

#include <cstddef>

namespace guid_text {

constexpr unsigned HexDigit(char c) {
    return (c >= '0' && c <= '9')   ? unsigned(c - '0')
           : (c >= 'a' && c <= 'f') ? unsigned(c - 'a' + 10)
           : (c >= 'A' && c <= 'F') ? unsigned(c - 'A' + 10)
                                    : throw "not a hexadecimal digit";
}

constexpr unsigned long Hex(const char* text, std::size_t first, std::size_t digits) {
    unsigned long value = 0;
    for (std::size_t i = 0; i < digits; ++i) value = value * 16 + HexDigit(text[first + i]);
    return value;
}

}  // namespace guid_text

template <std::size_t N>
constexpr GUID GuidFromText(const char (&text)[N]) {
    static_assert(N == 37, "a GUID is 36 characters: XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX");
    using guid_text::Hex;
    return GUID{Hex(text, 0, 8),
                static_cast<unsigned short>(Hex(text, 9, 4)),
                static_cast<unsigned short>(Hex(text, 14, 4)),
                {static_cast<unsigned char>(Hex(text, 19, 2)), static_cast<unsigned char>(Hex(text, 21, 2)),
                 static_cast<unsigned char>(Hex(text, 24, 2)), static_cast<unsigned char>(Hex(text, 26, 2)),
                 static_cast<unsigned char>(Hex(text, 28, 2)), static_cast<unsigned char>(Hex(text, 30, 2)),
                 static_cast<unsigned char>(Hex(text, 32, 2)), static_cast<unsigned char>(Hex(text, 34, 2))}};
}

#endif
