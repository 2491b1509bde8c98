// The stream layout of a control's persisted properties: the 4-byte format
// version 0x710, then the entries of the control's property table in
// order. Extent entries are 4 raw little-endian bytes; a VARIANT entry is
// its 2-byte type followed by the value in that type's size. Entry names
// are not written. Windows-free: the stream and the VARIANTs are the
// caller's.
#ifndef KESTREL_PROPERTY_STREAM_H
#define KESTREL_PROPERTY_STREAM_H

#include <cstdint>
#include <vector>

#include "module/HResult.h"
#include "module/control/PropertyTable.h"

constexpr std::uint32_t kPropertyStreamVersion = 0x710;

// A VARIANT entry as the stream holds it: only scalars have a stream form,
// so the value is its type and up to 8 bytes.
struct CPersistedValue {
    std::uint16_t type = 0;
    std::uint8_t bytes[8] = {};
};

struct CPersistedState {
    std::int32_t cx = 0;  // the extent, in HIMETRIC
    std::int32_t cy = 0;
    // The VARIANT entries, in table order.
    std::vector<CPersistedValue> values;
};

// Where a state is read from (a COM stream in the product).
class CPropertyByteSource {
  public:
    virtual ~CPropertyByteSource() = default;
    // Up to `size` bytes; `read` says how many came. A stream that ends
    // early reports success with fewer bytes.
    virtual HRESULT Read(void* buffer, std::uint32_t size, std::uint32_t& read) = 0;
};

// The stream size of a value of VARIANT type `type` after its 2-byte type;
// false for a type that has no stream form (only fixed-size scalars and
// VT_EMPTY/VT_NULL have one).
bool VariantValueSize(std::uint16_t type, std::uint32_t& size);

// Reads one state, consuming exactly the bytes of the layout. A later
// version, a stream that ends early or a VARIANT type without a stream
// form give E_FAIL; a read error is returned as it is. `state` is left
// untouched unless the whole layout was read.
HRESULT ReadPersistedState(CPropertyByteSource& source, CTable<CPersistedProperty> properties, CPersistedState& state);

// The bytes of one part of the layout, written one after the other; a
// failed write of a VARIANT entry fails the save with E_FAIL.
struct CEncodedEntry {
    std::vector<std::uint8_t> bytes;
    bool variant = false;
};

// The layout for `state`, version first; E_FAIL when a value has no stream
// form or the state holds fewer values than the table has VARIANT entries.
HRESULT EncodePersistedState(CTable<CPersistedProperty> properties, const CPersistedState& state,
                             std::vector<CEncodedEntry>& entries);

#endif
