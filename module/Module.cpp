#include "module/Module.h"

#include <utility>

#include "module/Kestrel.h"

namespace {

HINSTANCE ModuleContainingThisCode() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ModuleContainingThisCode), &module);
    return module;
}

// Built while the DLL loads, before its entry point first runs, as the
// menu colours must be read then.
const bool g_builtAtLoad = (Module::Object(), true);

}  // namespace

CModule::CModule()
    : instance_(ModuleContainingThisCode()),
      typeLibId_(LIBID_KESTRELLib),
      loadingThreadId_(GetCurrentThreadId()),
      menuColor_(GetSysColor(COLOR_MENU)),
      menuTextColor_(GetSysColor(COLOR_MENUTEXT)) {}

CModule::~CModule() { Term(); }

void CModule::Init(HINSTANCE instance) {
    instance_ = instance;
    loadingThreadId_ = GetCurrentThreadId();
}

void CModule::Term() { objectMap_.ReleaseClassObjects(); }

void CModule::Lock() { InterlockedIncrement(&lockCount_); }

void CModule::Unlock() { InterlockedDecrement(&lockCount_); }

HRESULT CModule::GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    ObjectMapEntry* entry = objectMap_.Find(clsid);
    if (entry == nullptr) return CLASS_E_CLASSNOTAVAILABLE;
    IUnknown* classObject = entry->classObject.Peek();
    if (classObject == nullptr) {
        CriticalSectionLock lock(classObjectLock_);
        classObject = entry->classObject.Peek();
        if (classObject == nullptr) {
            ComPtr<IUnknown> created;
            const HRESULT hr =
                CClassFactory::Create(entry->createInstance, IID_PPV_ARGS(created.ReleaseAndGetAddressOf()));
            if (FAILED(hr)) return hr;
            classObject = created.Get();
            entry->classObject.Fill(std::move(created));
        }
    }
    return classObject->QueryInterface(iid, ppv);
}

namespace Module {

CModule& Object() {
    static CModule module;
    return module;
}

HINSTANCE Instance() { return Object().Instance(); }
void Lock() { Object().Lock(); }
void Unlock() { Object().Unlock(); }
LONG LockCount() { return Object().LockCount(); }

}  // namespace Module
