#include "module/control/PropertyStream.h"

#include <new>
#include <utility>

namespace {

// The VARIANT types with a stream form, by their platform numbers.
enum : std::uint16_t {
    kEmpty = 0,
    kNull = 1,
    kI2 = 2,
    kI4 = 3,
    kR4 = 4,
    kR8 = 5,
    kCy = 6,
    kDate = 7,
    kError = 10,
    kBool = 11,
    kI1 = 16,
    kUI1 = 17,
    kUI2 = 18,
    kUI4 = 19,
    kI8 = 20,
    kUI8 = 21,
    kInt = 22,
    kUInt = 23,
};

HRESULT ReadExactly(CPropertyByteSource& source, std::uint8_t* buffer, std::uint32_t size) {
    if (size == 0) return S_OK;
    std::uint32_t read = 0;
    const HRESULT hr = source.Read(buffer, size, read);
    if (FAILED(hr)) return hr;
    return read == size ? S_OK : E_FAIL;
}

std::uint32_t LittleEndian(const std::uint8_t* bytes, std::uint32_t size) {
    std::uint32_t value = 0;
    for (std::uint32_t i = size; i-- > 0;) value = value << 8 | bytes[i];
    return value;
}

HRESULT ReadInt32(CPropertyByteSource& source, std::int32_t& value) {
    std::uint8_t bytes[4];
    const HRESULT hr = ReadExactly(source, bytes, sizeof bytes);
    if (SUCCEEDED(hr)) value = static_cast<std::int32_t>(LittleEndian(bytes, sizeof bytes));
    return hr;
}

std::vector<std::uint8_t> LittleEndianBytes(std::uint32_t value, std::uint32_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::uint32_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    return bytes;
}

}  // namespace

bool VariantValueSize(std::uint16_t type, std::uint32_t& size) {
    switch (type) {
        case kEmpty:
        case kNull:
            size = 0;
            return true;
        case kI1:
        case kUI1:
            size = 1;
            return true;
        case kI2:
        case kUI2:
        case kBool:
            size = 2;
            return true;
        case kI4:
        case kUI4:
        case kInt:
        case kUInt:
        case kR4:
        case kError:
            size = 4;
            return true;
        case kI8:
        case kUI8:
        case kR8:
        case kCy:
        case kDate:
            size = 8;
            return true;
        default:
            return false;
    }
}

HRESULT ReadPersistedState(CPropertyByteSource& source, CTable<CPersistedProperty> properties, CPersistedState& state) {
    std::int32_t version = 0;
    HRESULT hr = ReadInt32(source, version);
    if (FAILED(hr)) return hr;
    if (static_cast<std::uint32_t>(version) > kPropertyStreamVersion) return E_FAIL;

    CPersistedState read;
    try {
        for (const CPersistedProperty& property : properties) {
            switch (property.storage) {
                case PropertyStorage::ExtentWidth:
                    hr = ReadInt32(source, read.cx);
                    break;
                case PropertyStorage::ExtentHeight:
                    hr = ReadInt32(source, read.cy);
                    break;
                case PropertyStorage::Variant: {
                    std::uint8_t type[2];
                    CPersistedValue value;
                    std::uint32_t size = 0;
                    if (FAILED(hr = ReadExactly(source, type, sizeof type))) break;
                    value.type = static_cast<std::uint16_t>(LittleEndian(type, sizeof type));
                    if (!VariantValueSize(value.type, size)) {
                        hr = E_FAIL;
                        break;
                    }
                    if (FAILED(hr = ReadExactly(source, value.bytes, size))) break;
                    read.values.push_back(value);
                    break;
                }
            }
            if (FAILED(hr)) return hr;
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    state = std::move(read);
    return S_OK;
}

HRESULT EncodePersistedState(CTable<CPersistedProperty> properties, const CPersistedState& state,
                             std::vector<CEncodedEntry>& entries) {
    std::vector<CEncodedEntry> encoded;
    std::size_t nextValue = 0;
    try {
        encoded.push_back({LittleEndianBytes(kPropertyStreamVersion, 4), false});
        for (const CPersistedProperty& property : properties) {
            switch (property.storage) {
                case PropertyStorage::ExtentWidth:
                    encoded.push_back({LittleEndianBytes(static_cast<std::uint32_t>(state.cx), 4), false});
                    break;
                case PropertyStorage::ExtentHeight:
                    encoded.push_back({LittleEndianBytes(static_cast<std::uint32_t>(state.cy), 4), false});
                    break;
                case PropertyStorage::Variant: {
                    if (nextValue >= state.values.size()) return E_FAIL;
                    const CPersistedValue& value = state.values[nextValue++];
                    std::uint32_t size = 0;
                    if (!VariantValueSize(value.type, size)) return E_FAIL;
                    CEncodedEntry entry{LittleEndianBytes(value.type, 2), true};
                    entry.bytes.insert(entry.bytes.end(), value.bytes, value.bytes + size);
                    encoded.push_back(std::move(entry));
                    break;
                }
            }
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    entries = std::move(encoded);
    return S_OK;
}
