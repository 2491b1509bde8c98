#include "module/ClassFactory.h"

#include <new>

#include "module/Module.h"

HRESULT CClassFactory::Create(InstanceCreator creator, REFIID iid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    auto* factory = new (std::nothrow) CClassFactory(creator);
    if (factory == nullptr) return E_OUTOFMEMORY;
    factory->AddRef();
    const HRESULT hr = factory->QueryInterface(iid, ppv);
    factory->Release();
    return hr;
}

STDMETHODIMP CClassFactory::QueryInterface(REFIID iid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
    *ppv = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

// The cache in the object map holds the first reference; every further one
// belongs to somebody outside, who keeps the module loaded while holding it.
STDMETHODIMP_(ULONG) CClassFactory::AddRef() {
    CCriticalSectionLock lock(m_csRefs);
    if (++m_nRefs == 2) Module::Lock();
    return m_nRefs;
}

STDMETHODIMP_(ULONG) CClassFactory::Release() {
    ULONG refs = 0;
    {
        CCriticalSectionLock lock(m_csRefs);
        refs = --m_nRefs;
        if (refs == 1) Module::Unlock();
    }
    if (refs == 0) delete this;
    return refs;
}

STDMETHODIMP CClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    // COM's rule for aggregation: the outer object gets the inner one's own
    // unknown, never a delegating interface it could not tell apart.
    if (outer != nullptr && !IsEqualIID(iid, IID_IUnknown)) return CLASS_E_NOAGGREGATION;
    return m_pfnCreator(outer, iid, ppv);
}

STDMETHODIMP CClassFactory::LockServer(BOOL lock) {
    if (lock)
        Module::Lock();
    else
        Module::Unlock();
    return S_OK;
}
