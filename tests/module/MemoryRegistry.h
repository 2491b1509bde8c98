// CMemoryRegistry: a registry held in a map, for running registry scripts
// without touching the system's. Key paths are compared exactly (the
// scripts under test spell each key one way). One operation can be made to
// fail, to see the interpreter stop there.
#ifndef KESTREL_TESTS_MEMORY_REGISTRY_H
#define KESTREL_TESTS_MEMORY_REGISTRY_H

#include <map>
#include <string>

#include "module/RegistryAccess.h"

// Key path -> (value name -> data); the default value has the empty name.
using RegistryContents = std::map<std::wstring, std::map<std::wstring, std::wstring>>;

class CMemoryRegistry final : public IRegistryAccess {
  public:
    RegistryContents contents;

    // The next operation named `operation` ("CreateKey", "SetString", ...)
    // on `path` returns `error` instead of doing anything.
    void FailOn(const std::string& operation, const std::wstring& path, long error);
    int WritesSeen() const { return m_nWrites; }

    long CreateKey(const std::wstring& path) override;
    long SetString(const std::wstring& path, const std::wstring& name, const std::wstring& data) override;
    long DeleteValue(const std::wstring& path, const std::wstring& name) override;
    long DeleteKey(const std::wstring& path) override;
    long DeleteTree(const std::wstring& path) override;
    bool KeyExists(const std::wstring& path) override;
    bool HasSubkeys(const std::wstring& path) override;

  private:
    long Injected(const std::string& operation, const std::wstring& path);

    std::string m_strFailOperation;
    std::wstring m_strFailPath;
    long m_lFailError = 0;
    int m_nWrites = 0;
};

#endif
