#include "support/KestrelDll.h"

CKestrelDll::CKestrelDll(const std::wstring& path) : m_hModule(LoadLibraryW(path.c_str())) {}

CKestrelDll::~CKestrelDll() {
    if (m_hModule != nullptr) FreeLibrary(m_hModule);
}

HRESULT CKestrelDll::CanUnloadNow() const { return Call<>("DllCanUnloadNow"); }
HRESULT CKestrelDll::RegisterServer() const { return Call<>("DllRegisterServer"); }
HRESULT CKestrelDll::UnregisterServer() const { return Call<>("DllUnregisterServer"); }

HRESULT CKestrelDll::GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) const {
    return Call<REFCLSID, REFIID, void**>("DllGetClassObject", clsid, iid, ppv);
}
