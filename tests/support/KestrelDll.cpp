#include "support/KestrelDll.h"

namespace {

using NoArguments = HRESULT(STDAPICALLTYPE*)();
using GetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

// GetProcAddress answers with a generic function type; going through
// void(*)() is the cast the compiler accepts as deliberate.
template <typename Function>
Function As(FARPROC entry) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(entry));
}

}  // namespace

KestrelDll::KestrelDll(const std::wstring& path) : m_hModule(LoadLibraryW(path.c_str())) {}

KestrelDll::~KestrelDll() {
    if (m_hModule != nullptr) FreeLibrary(m_hModule);
}

FARPROC KestrelDll::Export(const char* name) const {
    return m_hModule != nullptr ? GetProcAddress(m_hModule, name) : nullptr;
}

HRESULT KestrelDll::CanUnloadNow() const {
    const auto function = As<NoArguments>(Export("DllCanUnloadNow"));
    return function != nullptr ? function() : E_UNEXPECTED;
}

HRESULT KestrelDll::GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) const {
    const auto function = As<GetClassObjectFunction>(Export("DllGetClassObject"));
    return function != nullptr ? function(clsid, iid, ppv) : E_UNEXPECTED;
}

HRESULT KestrelDll::RegisterServer() const {
    const auto function = As<NoArguments>(Export("DllRegisterServer"));
    return function != nullptr ? function() : E_UNEXPECTED;
}

HRESULT KestrelDll::UnregisterServer() const {
    const auto function = As<NoArguments>(Export("DllUnregisterServer"));
    return function != nullptr ? function() : E_UNEXPECTED;
}
