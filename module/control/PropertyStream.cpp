#include "module/control/PropertyStream.h"

#include <cstring>
#include <new>
#include <utility>

namespace {

HRESULT ReadExactly(IStream* stream, void* buffer, ULONG size) {
    if (size == 0) return S_OK;
    ULONG read = 0;
    const HRESULT hr = stream->Read(buffer, size, &read);
    if (FAILED(hr)) return hr;
    // A stream that ends early reports success with fewer bytes.
    return read == size ? S_OK : E_FAIL;
}

void Append(std::vector<BYTE>& bytes, const void* data, std::size_t size) {
    const auto* first = static_cast<const BYTE*>(data);
    bytes.insert(bytes.end(), first, first + size);
}

// Every scalar member of the VARIANT union starts at the union's first byte.
const void* ValueBytes(const VARIANT& value) { return &V_I8(&value); }
void* ValueBytes(VARIANT& value) { return &V_I8(&value); }

}  // namespace

bool VariantValueSize(VARTYPE type, ULONG& size) {
    switch (type) {
        case VT_EMPTY:
        case VT_NULL:
            size = 0;
            return true;
        case VT_I1:
        case VT_UI1:
            size = 1;
            return true;
        case VT_I2:
        case VT_UI2:
        case VT_BOOL:
            size = 2;
            return true;
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_R4:
        case VT_ERROR:
            size = 4;
            return true;
        case VT_I8:
        case VT_UI8:
        case VT_R8:
        case VT_CY:
        case VT_DATE:
            size = 8;
            return true;
        default:
            return false;
    }
}

HRESULT ReadPersistedState(IStream* stream, Table<PersistedProperty> properties, PersistedState& state) {
    if (stream == nullptr) return E_POINTER;
    DWORD version = 0;
    HRESULT hr = ReadExactly(stream, &version, sizeof version);
    if (FAILED(hr)) return hr;
    if (version > kPropertyStreamVersion) return E_FAIL;

    PersistedState read;
    try {
        for (const PersistedProperty& property : properties) {
            switch (property.storage) {
                case PropertyStorage::ExtentWidth:
                    hr = ReadExactly(stream, &read.extent.cx, sizeof read.extent.cx);
                    break;
                case PropertyStorage::ExtentHeight:
                    hr = ReadExactly(stream, &read.extent.cy, sizeof read.extent.cy);
                    break;
                case PropertyStorage::Variant: {
                    VARTYPE type = VT_EMPTY;
                    ULONG size = 0;
                    if (FAILED(hr = ReadExactly(stream, &type, sizeof type))) break;
                    if (!VariantValueSize(type, size)) {
                        hr = E_FAIL;
                        break;
                    }
                    ScopedVariant value;
                    if (FAILED(hr = ReadExactly(stream, ValueBytes(value.Get()), size))) break;
                    V_VT(&value.Get()) = type;
                    read.values.push_back(std::move(value));
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

HRESULT EncodePersistedState(Table<PersistedProperty> properties, const PersistedState& state,
                             std::vector<BYTE>& bytes) {
    std::vector<BYTE> encoded;
    std::size_t nextValue = 0;
    try {
        Append(encoded, &kPropertyStreamVersion, sizeof kPropertyStreamVersion);
        for (const PersistedProperty& property : properties) {
            switch (property.storage) {
                case PropertyStorage::ExtentWidth:
                    Append(encoded, &state.extent.cx, sizeof state.extent.cx);
                    break;
                case PropertyStorage::ExtentHeight:
                    Append(encoded, &state.extent.cy, sizeof state.extent.cy);
                    break;
                case PropertyStorage::Variant: {
                    if (nextValue >= state.values.size()) return E_FAIL;
                    const VARIANT& value = state.values[nextValue++].Get();
                    ULONG size = 0;
                    if (!VariantValueSize(V_VT(&value), size)) return E_FAIL;
                    const VARTYPE type = V_VT(&value);
                    Append(encoded, &type, sizeof type);
                    Append(encoded, ValueBytes(value), size);
                    break;
                }
            }
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    bytes = std::move(encoded);
    return S_OK;
}
