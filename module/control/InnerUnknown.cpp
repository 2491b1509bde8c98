#include "module/control/InnerUnknown.h"

#include "module/control/ControlFrame.h"

STDMETHODIMP CInnerUnknown::QueryInterface(REFIID iid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    IUnknown* found = nullptr;
    if (IsEqualIID(iid, IID_IUnknown)) {
        found = m_frame.Aggregated() ? this : m_frame.Identity();
    } else {
        found = m_frame.FindInterface(iid);
    }
    if (found == nullptr) return E_NOINTERFACE;
    found->AddRef();
    *ppv = found;
    return S_OK;
}

STDMETHODIMP_(ULONG) CInnerUnknown::AddRef() { return InterlockedIncrement(&m_refs); }

STDMETHODIMP_(ULONG) CInnerUnknown::Release() {
    const ULONG refs = InterlockedDecrement(&m_refs);
    if (refs != 0) return refs;
    // Held at one while the control shuts down, so that the window's last
    // messages and the sinks' releases can count on it without a second
    // destruction.
    m_refs = 1;
    m_frame.Shutdown();
    delete &m_frame;
    return 0;
}
