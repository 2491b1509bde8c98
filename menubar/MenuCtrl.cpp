#include "menubar/MenuCtrl.h"

#include "module/Module.h"

#include <new>

namespace {

// Placeholder until the control frame lands: a plain COM object holding a
// module lock for its lifetime.
class MenuCtrlObject final : public IUnknown {
  public:
    MenuCtrlObject() { Module::Lock(); }
    ~MenuCtrlObject() { Module::Unlock(); }

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
        if (ppv == nullptr) return E_POINTER;
        *ppv = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown)) return E_NOINTERFACE;
        *ppv = static_cast<IUnknown*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG refs = InterlockedDecrement(&refs_);
        if (refs == 0) delete this;
        return refs;
    }

  private:
    LONG refs_ = 0;
};

}  // namespace

HRESULT CreateMenuCtrl(IUnknown* outer, REFIID iid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    auto* object = new (std::nothrow) MenuCtrlObject;
    if (object == nullptr) return E_OUTOFMEMORY;
    object->AddRef();
    const HRESULT hr = object->QueryInterface(iid, ppv);
    object->Release();
    return hr;
}
