// Puts registry keys back as they were: a test names the keys it writes,
// and when the guard goes out of scope each key is restored, with all its
// values and subkeys (or deleted, if it did not exist before).
#ifndef KESTREL_TESTS_REGISTRY_KEYS_H
#define KESTREL_TESTS_REGISTRY_KEYS_H

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

struct CRegistryTree;

class CRegistryKeysGuard {
  public:
    CRegistryKeysGuard() = default;
    CRegistryKeysGuard(const CRegistryKeysGuard&) = delete;
    CRegistryKeysGuard& operator=(const CRegistryKeysGuard&) = delete;
    ~CRegistryKeysGuard();

    // Remembers the key as it is now. With `startEmpty`, the key is also
    // deleted at once, so the test begins without it.
    void Watch(HKEY root, const std::wstring& path, bool startEmpty = false);

  private:
    struct CWatched {
        HKEY root;
        std::wstring path;
        std::shared_ptr<CRegistryTree> before;  // null: the key did not exist
    };
    std::vector<CWatched> m_vecWatched;
};

bool RegistryKeyExists(HKEY root, const std::wstring& path);
// Key path -> (value name -> data) of a key and everything below it; the
// default value has the empty name, a value that is no string its type.
using RegistryContents = std::map<std::wstring, std::map<std::wstring, std::wstring>>;
RegistryContents RegistrySnapshot(HKEY root, const std::wstring& path);
// The string value `name` (empty name: the default value); `found` false when absent.
std::wstring RegistryString(HKEY root, const std::wstring& path, const std::wstring& name, bool* found = nullptr);

#endif
