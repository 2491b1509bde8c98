// The persisted entries that a control declares, and the read-only table
// view its description uses. Windows-free, so the stream layout can be read
// and fuzzed on its own.
#ifndef KESTREL_PROPERTY_TABLE_H
#define KESTREL_PROPERTY_TABLE_H

#include <cstddef>
#include <cstdint>

// A read-only view of a static table.
template <class T>
struct CTable {
    const T* items = nullptr;
    std::size_t count = 0;

    const T* begin() const { return items; }
    const T* end() const { return items + count; }
    std::size_t size() const { return count; }
    const T& operator[](std::size_t i) const { return items[i]; }
};

template <class T, std::size_t N>
constexpr CTable<T> TableOf(const T (&items)[N]) {
    return CTable<T>{items, N};
}

// How a persisted entry is stored in the control's stream.
enum class PropertyStorage {
    ExtentWidth,   // 4 raw bytes: the extent's width in HIMETRIC
    ExtentHeight,  // 4 raw bytes: the extent's height in HIMETRIC
    Variant        // a VARIANT read and written through the control's own IDispatch
};

struct CPersistedProperty {
    const char* name;  // not written to the stream
    PropertyStorage storage;
    std::int32_t dispid;  // Variant entries only
};

#endif
