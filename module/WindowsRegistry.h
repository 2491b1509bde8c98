// CWindowsRegistry: IRegistryAccess over the system registry, below one root
// key (HKEY_CLASSES_ROOT for registration). Error codes are Win32 codes.
#ifndef KESTREL_WINDOWS_REGISTRY_H
#define KESTREL_WINDOWS_REGISTRY_H

#include <windows.h>

#include "module/RegistryAccess.h"

class CWindowsRegistry final : public IRegistryAccess {
  public:
    explicit CWindowsRegistry(HKEY root) : m_hKeyRoot(root) {}

    long CreateKey(const std::wstring& path) override;
    long SetString(const std::wstring& path, const std::wstring& name, const std::wstring& data) override;
    long DeleteValue(const std::wstring& path, const std::wstring& name) override;
    long DeleteKey(const std::wstring& path) override;
    long DeleteTree(const std::wstring& path) override;
    bool KeyExists(const std::wstring& path) override;
    bool HasSubkeys(const std::wstring& path) override;

  private:
    HKEY m_hKeyRoot;
};

#endif
