// The stream layout of a control's persisted properties: the 4-byte format
// version 0x710, then the entries of the control's property table in
// order. Extent entries are 4 raw little-endian bytes; a VARIANT entry is
// its 2-byte type followed by the value in that type's size. Entry names
// are not written.
#ifndef KESTREL_PROPERTY_STREAM_H
#define KESTREL_PROPERTY_STREAM_H

#include <windows.h>
#include <objidl.h>

#include <vector>

#include "module/control/ControlDescription.h"
#include "module/control/ScopedVariant.h"

constexpr DWORD kPropertyStreamVersion = 0x710;

struct PersistedState {
    SIZEL extent{};
    // The VARIANT entries, in table order.
    std::vector<ScopedVariant> values;
};

// The stream size of a value of `type` after its 2-byte type; false for a
// type that has no stream form (only fixed-size scalars and VT_EMPTY/VT_NULL
// have one).
bool VariantValueSize(VARTYPE type, ULONG& size);

// Reads one state, consuming exactly the bytes of the layout. A later
// version, a stream that ends early or a VARIANT type without a stream
// form give E_FAIL; a read error is returned as it is. `state` is left
// untouched unless the whole layout was read.
HRESULT ReadPersistedState(IStream* stream, Table<PersistedProperty> properties, PersistedState& state);

// The bytes of the layout for `state`; E_FAIL when a value has no stream form.
HRESULT EncodePersistedState(Table<PersistedProperty> properties, const PersistedState& state,
                             std::vector<BYTE>& bytes);

#endif
