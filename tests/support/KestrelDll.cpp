#include "support/KestrelDll.h"

KestrelDll::KestrelDll(const std::wstring& path) : m_hModule(LoadLibraryW(path.c_str())) {}

KestrelDll::~KestrelDll() {
    if (m_hModule != nullptr) FreeLibrary(m_hModule);
}

HRESULT KestrelDll::CanUnloadNow() const { return Call<>("DllCanUnloadNow"); }
HRESULT KestrelDll::RegisterServer() const { return Call<>("DllRegisterServer"); }
HRESULT KestrelDll::UnregisterServer() const { return Call<>("DllUnregisterServer"); }

HRESULT KestrelDll::GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) const {
    return Call<REFCLSID, REFIID, void**>("DllGetClassObject", clsid, iid, ppv);
}
