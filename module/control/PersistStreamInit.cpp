#include "module/control/PersistStreamInit.h"

#include "module/control/ControlFrame.h"
#include "module/control/PropertyStream.h"

#include <new>
#include <utility>
#include <vector>

namespace {

HRESULT GetProperty(IDispatch* dispatch, DISPID dispid, VARIANT* value) {
    DISPPARAMS none{};
    return dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value, nullptr,
                            nullptr);
}

HRESULT PutProperty(IDispatch* dispatch, DISPID dispid, const VARIANT& value) {
    VARIANT argument = value;  // a scalar: a copy of its bits is a full copy
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&argument, &named, 1, 1};
    return dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                            nullptr);
}

}  // namespace

STDMETHODIMP PersistStreamInit::GetClassID(CLSID* clsid) {
    if (clsid == nullptr) return E_POINTER;
    *clsid = *m_frame.Description().clsid;
    return S_OK;
}

STDMETHODIMP PersistStreamInit::IsDirty() { return m_frame.IsDirty() ? S_OK : S_FALSE; }

STDMETHODIMP PersistStreamInit::Load(LPSTREAM stream) {
    if (stream == nullptr) return E_INVALIDARG;
    PersistedState state;
    HRESULT hr = ReadPersistedState(stream, m_frame.Description().properties, state);
    if (FAILED(hr)) return hr;
    if (FAILED(hr = Apply(state))) return hr;
    m_frame.SetDirty(false);
    return S_OK;
}

STDMETHODIMP PersistStreamInit::Save(LPSTREAM stream, BOOL clearDirty) {
    if (stream == nullptr) return E_INVALIDARG;
    PersistedState state;
    std::vector<BYTE> bytes;
    if (FAILED(Collect(state)) || FAILED(EncodePersistedState(m_frame.Description().properties, state, bytes)))
        return E_FAIL;
    ULONG written = 0;
    const HRESULT hr = stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    if (FAILED(hr)) return hr;
    if (written != bytes.size()) return STG_E_MEDIUMFULL;
    if (clearDirty) m_frame.SetDirty(false);
    return S_OK;
}

STDMETHODIMP PersistStreamInit::GetSizeMax(ULARGE_INTEGER* size) {
    if (size == nullptr) return E_POINTER;
    PersistedState state;
    std::vector<BYTE> bytes;
    if (FAILED(Collect(state)) || FAILED(EncodePersistedState(m_frame.Description().properties, state, bytes)))
        return E_FAIL;
    size->QuadPart = bytes.size();
    return S_OK;
}

STDMETHODIMP PersistStreamInit::InitNew() {
    m_frame.SetDirty(true);
    return S_OK;
}

HRESULT PersistStreamInit::Collect(PersistedState& state) {
    state.extent = m_frame.Extent();
    try {
        for (const PersistedProperty& property : m_frame.Description().properties) {
            if (property.storage != PropertyStorage::Variant) continue;
            IDispatch* dispatch = m_frame.PropertyDispatch();
            ScopedVariant value;
            if (dispatch == nullptr) return E_FAIL;
            const HRESULT hr = GetProperty(dispatch, property.dispid, value.Receive());
            if (FAILED(hr)) return hr;
            state.values.push_back(std::move(value));
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT PersistStreamInit::Apply(const PersistedState& state) {
    std::size_t nextValue = 0;
    for (const PersistedProperty& property : m_frame.Description().properties) {
        if (property.storage != PropertyStorage::Variant) continue;
        IDispatch* dispatch = m_frame.PropertyDispatch();
        if (dispatch == nullptr || nextValue >= state.values.size()) return E_FAIL;
        const HRESULT hr = PutProperty(dispatch, property.dispid, state.values[nextValue++].Get());
        if (FAILED(hr)) return hr;
    }
    // Last, after every put was accepted.
    m_frame.SetExtent(state.extent);
    return S_OK;
}
