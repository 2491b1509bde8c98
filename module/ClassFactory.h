// CClassFactory: the class object of one class, over its instance creator.
#ifndef KESTREL_CLASS_FACTORY_H
#define KESTREL_CLASS_FACTORY_H

#include <windows.h>
#include <unknwn.h>

#include "module/CriticalSection.h"

// Makes a new instance asked for `iid`; `outer` is the controlling unknown
// when the instance is aggregated. Each instance holds a module lock.
using InstanceCreator = HRESULT (*)(IUnknown* outer, REFIID iid, void** ppv);

class CClassFactory final : public IClassFactory {
  public:
    // A new class object asked for `iid`; the caller's reference is its first.
    static HRESULT Create(InstanceCreator creator, REFIID iid, void** ppv);

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** ppv) override;
    STDMETHODIMP LockServer(BOOL lock) override;

  private:
    explicit CClassFactory(InstanceCreator creator) : m_pfnCreator(creator) {}
    ~CClassFactory() = default;

    InstanceCreator m_pfnCreator;
    CCriticalSection m_csRefs;
    ULONG m_nRefs = 0;
};

#endif
