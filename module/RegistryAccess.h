// IRegistryAccess: what the registry-script interpreter needs of a registry.
// Keys are named by their path below one root ("CLSID\\{...}\\Control").
// Every operation returns 0 on success or an error code of the
// implementation, which the interpreter hands back unchanged.
#ifndef KESTREL_REGISTRY_ACCESS_H
#define KESTREL_REGISTRY_ACCESS_H

#include <string>

class IRegistryAccess {
  public:
    virtual ~IRegistryAccess() = default;

    // Opens the key, creating it (and any missing parent) if absent.
    virtual long CreateKey(const std::wstring& path) = 0;
    // An empty name stands for the key's default value.
    virtual long SetString(const std::wstring& path, const std::wstring& name, const std::wstring& data) = 0;
    // The three deletions succeed when there is nothing to delete.
    virtual long DeleteValue(const std::wstring& path, const std::wstring& name) = 0;
    virtual long DeleteKey(const std::wstring& path) = 0;   // a key without subkeys
    virtual long DeleteTree(const std::wstring& path) = 0;  // the key and everything beneath it
    virtual bool KeyExists(const std::wstring& path) = 0;
    virtual bool HasSubkeys(const std::wstring& path) = 0;
};

#endif
