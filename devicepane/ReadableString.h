// Whether a string handed in by a host can be read up to its terminator.
#ifndef KESTREL_READABLE_STRING_H
#define KESTREL_READABLE_STRING_H

#include <windows.h>

// Null, or memory that faults before the terminator, is not readable.
inline bool IsReadableString(const char* text) {
    return text != nullptr && !IsBadStringPtrA(text, static_cast<UINT_PTR>(-1));
}

#endif
