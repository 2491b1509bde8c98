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
    : m_hInstance(ModuleContainingThisCode()),
      m_guidTypeLib(LIBID_KESTRELLib),
      m_dwLoadingThreadId(GetCurrentThreadId()),
      m_clrMenu(GetSysColor(COLOR_MENU)),
      m_clrMenuText(GetSysColor(COLOR_MENUTEXT)) {}

CModule::~CModule() { Term(); }

BOOL CModule::OnEntryPoint(HINSTANCE instance, DWORD reason) noexcept {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            Init(instance);
            DisableThreadLibraryCalls(instance);
            break;
        case DLL_PROCESS_DETACH:
            Term();
            break;
        default:
            break;
    }
    return TRUE;
}

HRESULT CModule::Init(HINSTANCE instance) {
    m_dwLoadingThreadId = GetCurrentThreadId();
    if (instance == nullptr) return E_INVALIDARG;
    m_hInstance = instance;
    return S_OK;
}

void CModule::Term() { m_objectMap.ReleaseClassObjects(); }

void CModule::Lock() { InterlockedIncrement(&m_cLocks); }

void CModule::Unlock() { InterlockedDecrement(&m_cLocks); }

HRESULT CModule::GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    CObjectMapEntry* entry = m_objectMap.Find(clsid);
    if (entry == nullptr) return CLASS_E_CLASSNOTAVAILABLE;
    IUnknown* classObject = entry->classObject.Peek();
    if (classObject == nullptr) {
        CCriticalSectionLock lock(m_csClassObjects);
        classObject = entry->classObject.Peek();
        if (classObject == nullptr) {
            CComPtr<IUnknown> created;
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
