// What one control declares to the shared control frame: its class, the
// interfaces it answers, its connection points, its persisted entries and
// its window class. The two controls differ in this data, not in code.
#ifndef KESTREL_CONTROL_DESCRIPTION_H
#define KESTREL_CONTROL_DESCRIPTION_H

#include <windows.h>
#include <unknwn.h>

#include <cstddef>

class ControlFrame;

// A read-only view of a static table.
template <class T>
struct Table {
    const T* items = nullptr;
    std::size_t count = 0;

    const T* begin() const { return items; }
    const T* end() const { return items + count; }
    std::size_t size() const { return count; }
    const T& operator[](std::size_t i) const { return items[i]; }
};

template <class T, std::size_t N>
constexpr Table<T> TableOf(const T (&items)[N]) {
    return Table<T>{items, N};
}

// One interface answered by QueryInterface: its identifier and where the
// control keeps it.
struct InterfaceEntry {
    const IID* iid;
    IUnknown* (*find)(ControlFrame& frame);
};

// How a persisted entry is stored in the control's stream.
enum class PropertyStorage {
    ExtentWidth,   // 4 raw bytes: the extent's width in HIMETRIC
    ExtentHeight,  // 4 raw bytes: the extent's height in HIMETRIC
    Variant        // a VARIANT read and written through the control's own IDispatch
};

struct PersistedProperty {
    const char* name;  // not written to the stream
    PropertyStorage storage;
    DISPID dispid;  // Variant entries only
};

struct ControlDescription {
    const CLSID* clsid;
    const wchar_t* userType;  // used when the registry has no user type
    bool aggregatable;
    // In QueryInterface order; the first entry is the object's identity.
    Table<InterfaceEntry> interfaces;
    // In the order that EnumConnectionPoints returns them.
    Table<const IID*> connectionPoints;
    const IID* defaultSource;  // IProvideClassInfo2::GetGUID
    // In stream order.
    Table<PersistedProperty> properties;
    const char* windowClass;
    UINT windowClassStyle;
};

#endif
