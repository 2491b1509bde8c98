#include "module/control/PersistStreamInit.h"

#include "module/control/ControlFrame.h"
#include "module/control/PropertyStream.h"
#include "module/control/ScopedVariant.h"

#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace {

// The control's stream, as the layout's reader sees it.
class CStreamSource final : public CPropertyByteSource {
  public:
    explicit CStreamSource(IStream* stream) : m_pStream(stream) {}
    HRESULT Read(void* buffer, std::uint32_t size, std::uint32_t& read) override {
        ULONG count = 0;
        const HRESULT hr = m_pStream->Read(buffer, size, &count);
        read = count;
        return hr;
    }

  private:
    IStream* m_pStream;
};

// Every scalar member of the VARIANT union starts at the union's first byte.
HRESULT ToPersistedValue(const VARIANT& variant, CPersistedValue& value) {
    std::uint32_t size = 0;
    if (!VariantValueSize(V_VT(&variant), size)) return E_FAIL;
    value.type = V_VT(&variant);
    std::memcpy(value.bytes, &V_I8(&variant), size);
    return S_OK;
}

void ToVariant(const CPersistedValue& value, VARIANT& variant) {
    std::uint32_t size = 0;
    variant = VARIANT{};
    if (!VariantValueSize(value.type, size)) return;
    V_VT(&variant) = value.type;
    std::memcpy(&V_I8(&variant), value.bytes, size);
}

HRESULT GetProperty(IDispatch* dispatch, DISPID dispid, VARIANT* value) {
    DISPPARAMS none{};
    return dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value, nullptr,
                            nullptr);
}

HRESULT PutProperty(IDispatch* dispatch, DISPID dispid, const CPersistedValue& value) {
    VARIANT argument;  // a scalar: nothing to clear
    ToVariant(value, argument);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&argument, &named, 1, 1};
    return dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                            nullptr);
}

}  // namespace

STDMETHODIMP CPersistStreamInit::GetClassID(CLSID* clsid) {
    if (clsid == nullptr) return E_POINTER;
    *clsid = *m_frame.Description().clsid;
    return S_OK;
}

STDMETHODIMP CPersistStreamInit::IsDirty() { return m_frame.IsDirty() ? S_OK : S_FALSE; }

STDMETHODIMP CPersistStreamInit::Load(LPSTREAM stream) {
    if (stream == nullptr) return E_INVALIDARG;
    CPersistedState state;
    CStreamSource source(stream);
    HRESULT hr = ReadPersistedState(source, m_frame.Description().properties, state);
    if (FAILED(hr)) return hr;
    if (FAILED(hr = Apply(state))) return hr;
    m_frame.SetDirty(false);
    return S_OK;
}

STDMETHODIMP CPersistStreamInit::Save(LPSTREAM stream, BOOL clearDirty) {
    if (stream == nullptr) return E_INVALIDARG;
    CPersistedState state;
    std::vector<CEncodedEntry> entries;
    if (FAILED(Collect(state)) || FAILED(EncodePersistedState(m_frame.Description().properties, state, entries)))
        return E_FAIL;
    for (const CEncodedEntry& entry : entries) {
        ULONG written = 0;
        const ULONG size = static_cast<ULONG>(entry.bytes.size());
        HRESULT hr = stream->Write(entry.bytes.data(), size, &written);
        if (SUCCEEDED(hr) && written != size) hr = STG_E_MEDIUMFULL;
        // A VARIANT entry that cannot be written fails the save as a whole,
        // as one whose value cannot be read does.
        if (FAILED(hr)) return entry.variant ? E_FAIL : hr;
    }
    if (clearDirty) m_frame.SetDirty(false);
    return S_OK;
}

STDMETHODIMP CPersistStreamInit::GetSizeMax(ULARGE_INTEGER* size) {
    if (size == nullptr) return E_POINTER;
    CPersistedState state;
    std::vector<CEncodedEntry> entries;
    if (FAILED(Collect(state)) || FAILED(EncodePersistedState(m_frame.Description().properties, state, entries)))
        return E_FAIL;
    size->QuadPart = 0;
    for (const CEncodedEntry& entry : entries) size->QuadPart += entry.bytes.size();
    return S_OK;
}

STDMETHODIMP CPersistStreamInit::InitNew() {
    m_frame.SetDirty(true);
    return S_OK;
}

HRESULT CPersistStreamInit::Collect(CPersistedState& state) {
    const SIZEL extent = m_frame.Extent();
    state.cx = extent.cx;
    state.cy = extent.cy;
    try {
        for (const CPersistedProperty& property : m_frame.Description().properties) {
            if (property.storage != PropertyStorage::Variant) continue;
            IDispatch* dispatch = m_frame.PropertyDispatch();
            CScopedVariant value;
            if (dispatch == nullptr) return E_FAIL;
            CPersistedValue persisted;
            HRESULT hr = GetProperty(dispatch, property.dispid, value.Receive());
            if (SUCCEEDED(hr)) hr = ToPersistedValue(value.Get(), persisted);
            if (FAILED(hr)) return hr;
            state.values.push_back(persisted);
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT CPersistStreamInit::Apply(const CPersistedState& state) {
    std::size_t nextValue = 0;
    for (const CPersistedProperty& property : m_frame.Description().properties) {
        if (property.storage != PropertyStorage::Variant) continue;
        IDispatch* dispatch = m_frame.PropertyDispatch();
        if (dispatch == nullptr || nextValue >= state.values.size()) return E_FAIL;
        const HRESULT hr = PutProperty(dispatch, property.dispid, state.values[nextValue++]);
        if (FAILED(hr)) return hr;
    }
    // Last, after every put was accepted.
    m_frame.SetExtent(SIZEL{state.cx, state.cy});
    return S_OK;
}
