#include "module/control/PersistStorage.h"

#include "module/ComPtr.h"
#include "module/control/ControlFrame.h"

namespace {

const wchar_t kContents[] = L"Contents";

}  // namespace

STDMETHODIMP CPersistStorage::GetClassID(CLSID* clsid) { return m_frame.PersistStreamPart().GetClassID(clsid); }

STDMETHODIMP CPersistStorage::IsDirty() { return m_frame.PersistStreamPart().IsDirty(); }

STDMETHODIMP CPersistStorage::InitNew(IStorage* storage) {
    if (storage == nullptr) return E_INVALIDARG;
    return m_frame.PersistStreamPart().InitNew();
}

STDMETHODIMP CPersistStorage::Load(IStorage* storage) {
    if (storage == nullptr) return E_INVALIDARG;
    CComPtr<IStream> stream;
    const HRESULT hr =
        storage->OpenStream(kContents, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.ReleaseAndGetAddressOf());
    if (FAILED(hr)) return hr;
    return m_frame.PersistStreamPart().Load(stream.Get());
}

STDMETHODIMP CPersistStorage::Save(IStorage* storage, BOOL sameAsLoad) {
    if (storage == nullptr) return E_INVALIDARG;
    CComPtr<IStream> stream;
    const HRESULT hr = storage->CreateStream(kContents, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                             stream.ReleaseAndGetAddressOf());
    if (FAILED(hr)) return hr;
    return m_frame.PersistStreamPart().Save(stream.Get(), sameAsLoad);
}

STDMETHODIMP CPersistStorage::SaveCompleted(IStorage*) { return S_OK; }
STDMETHODIMP CPersistStorage::HandsOffStorage() { return S_OK; }
