// CKestrelDll: a Kestrel.dll loaded with LoadLibrary, as COM loads it, and
// its four exports. Freed when it goes.
#ifndef KESTREL_TESTS_KESTREL_DLL_H
#define KESTREL_TESTS_KESTREL_DLL_H

#include <windows.h>

#include <string>

class CKestrelDll {
  public:
    explicit CKestrelDll(const std::wstring& path);
    ~CKestrelDll();
    CKestrelDll(const CKestrelDll&) = delete;
    CKestrelDll& operator=(const CKestrelDll&) = delete;

    bool Loaded() const { return m_hModule != nullptr; }

    HRESULT CanUnloadNow() const;
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) const;
    HRESULT RegisterServer() const;
    HRESULT UnregisterServer() const;

  private:
    // GetProcAddress answers with a generic function type; going through
    // void(*)() is the cast the compiler accepts as deliberate.
    template <class... Args>
    HRESULT Call(const char* name, Args... args) const {
        const FARPROC entry = m_hModule != nullptr ? GetProcAddress(m_hModule, name) : nullptr;
        if (entry == nullptr) return E_UNEXPECTED;
        return reinterpret_cast<HRESULT(STDAPICALLTYPE*)(Args...)>(reinterpret_cast<void (*)()>(entry))(args...);
    }

    HMODULE m_hModule;
};

#endif
