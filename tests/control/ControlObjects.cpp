#include "control/ControlObjects.h"

#include <utility>

CComPtr<IUnknown> NewControl(ControlCreator creator) {
    CComPtr<IUnknown> control;
    creator(nullptr, IID_IUnknown, reinterpret_cast<void**>(control.ReleaseAndGetAddressOf()));
    return control;
}

CComPtr<IStream> StreamHolding(const std::vector<BYTE>& bytes) {
    CComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.ReleaseAndGetAddressOf()))) return nullptr;
    ULONG written = 0;
    if (!bytes.empty()) stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    return stream;
}

namespace {

// Write and Seek go to a memory stream.
class FullMediumStream final : public IStream {
  public:
    FullMediumStream(CComPtr<IStream> inner, ULONG capacity) : m_pInner(std::move(inner)), m_cbCapacity(capacity) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
        if (ppv == nullptr) return E_POINTER;
        *ppv = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_ISequentialStream) && !IsEqualIID(iid, IID_IStream))
            return E_NOINTERFACE;
        *ppv = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_cRefs; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG refs = --m_cRefs;
        if (refs == 0) delete this;
        return refs;
    }

    STDMETHODIMP Write(const void* data, ULONG size, ULONG* written) override {
        if (written != nullptr) *written = 0;
        if (StreamPosition(m_pInner.Get()) + size > m_cbCapacity) return STG_E_MEDIUMFULL;
        return m_pInner->Write(data, size, written);
    }
    STDMETHODIMP Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override {
        return m_pInner->Seek(move, origin, position);
    }
    // A control saving itself has no use for the rest.
    STDMETHODIMP Read(void*, ULONG, ULONG*) override { return E_NOTIMPL; }
    STDMETHODIMP SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    STDMETHODIMP CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override { return E_NOTIMPL; }
    STDMETHODIMP Commit(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP Revert() override { return E_NOTIMPL; }
    STDMETHODIMP LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP Clone(IStream**) override { return E_NOTIMPL; }

  private:
    CComPtr<IStream> m_pInner;
    ULONG m_cbCapacity;
    ULONG m_cRefs = 1;
};

}  // namespace

CComPtr<IStream> StreamFullAfter(ULONG capacity) {
    CComPtr<IStream> stream;
    stream.Attach(new FullMediumStream(StreamHolding({}), capacity));
    return stream;
}

std::vector<BYTE> StreamContent(IStream* stream) {
    const ULONGLONG position = StreamPosition(stream);
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    std::vector<BYTE> bytes;
    BYTE buffer[256];
    ULONG read = 0;
    while (SUCCEEDED(stream->Read(buffer, sizeof buffer, &read)) && read > 0)
        bytes.insert(bytes.end(), buffer, buffer + read);
    LARGE_INTEGER back;
    back.QuadPart = static_cast<LONGLONG>(position);
    stream->Seek(back, STREAM_SEEK_SET, nullptr);
    return bytes;
}

ULONGLONG StreamPosition(IStream* stream) {
    ULARGE_INTEGER position{};
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &position);
    return position.QuadPart;
}

std::vector<BYTE> LittleEndian(std::initializer_list<std::pair<int, DWORD>> values) {
    std::vector<BYTE> bytes;
    for (const auto& [width, value] : values)
        for (int i = 0; i < width; ++i) bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
    return bytes;
}
