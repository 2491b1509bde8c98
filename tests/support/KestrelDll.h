// KestrelDll: a Kestrel.dll loaded with LoadLibrary, as COM loads it, and
// its four exports. Freed when it goes.
#ifndef KESTREL_TESTS_KESTREL_DLL_H
#define KESTREL_TESTS_KESTREL_DLL_H

#include <windows.h>

#include <string>

class KestrelDll {
  public:
    explicit KestrelDll(const std::wstring& path);
    ~KestrelDll();
    KestrelDll(const KestrelDll&) = delete;
    KestrelDll& operator=(const KestrelDll&) = delete;

    bool Loaded() const { return m_hModule != nullptr; }
    HMODULE Handle() const { return m_hModule; }

    HRESULT CanUnloadNow() const;
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) const;
    HRESULT RegisterServer() const;
    HRESULT UnregisterServer() const;

  private:
    FARPROC Export(const char* name) const;

    HMODULE m_hModule;
};

#endif
