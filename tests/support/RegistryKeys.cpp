#include "support/RegistryKeys.h"

#include "module/RegKey.h"

#include <utility>

struct RegistryTree {
    struct Value {
        std::wstring name;
        DWORD type;
        std::vector<BYTE> data;
    };
    std::vector<Value> values;
    std::vector<std::pair<std::wstring, RegistryTree>> subkeys;
};

namespace {

RegKey OpenKey(HKEY root, const std::wstring& path, REGSAM access) {
    RegKey key;
    key.Open(root, path, access);
    return key;
}

RegistryTree Read(HKEY key) {
    RegistryTree tree;
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD nameLength = 16384, type = 0, size = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        RegistryTree::Value value{std::wstring(name, nameLength), type, std::vector<BYTE>(size)};
        nameLength = 16384;
        RegEnumValueW(key, i, name, &nameLength, nullptr, &type, value.data.data(), &size);
        value.data.resize(size);
        tree.values.push_back(std::move(value));
    }
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        const RegKey subkey = OpenKey(key, std::wstring(name, nameLength), KEY_READ);
        if (subkey) tree.subkeys.emplace_back(std::wstring(name, nameLength), Read(subkey.Get()));
    }
    return tree;
}

void Write(HKEY root, const std::wstring& path, const RegistryTree& tree) {
    RegKey key;
    if (key.Create(root, path, KEY_ALL_ACCESS) != ERROR_SUCCESS) return;
    for (const auto& value : tree.values)
        RegSetValueExW(key.Get(), value.name.c_str(), 0, value.type, value.data.data(),
                       static_cast<DWORD>(value.data.size()));
    for (const auto& [name, subtree] : tree.subkeys) Write(key.Get(), name, subtree);
}

}  // namespace

RegistryKeysGuard::~RegistryKeysGuard() {
    for (auto it = m_vecWatched.rbegin(); it != m_vecWatched.rend(); ++it) {
        RegistryDeleteTree(it->root, it->path);
        if (it->before) Write(it->root, it->path, *it->before);
    }
}

void RegistryKeysGuard::Watch(HKEY root, const std::wstring& path, bool startEmpty) {
    const RegKey key = OpenKey(root, path, KEY_READ);
    m_vecWatched.push_back({root, path, key ? std::make_shared<RegistryTree>(Read(key.Get())) : nullptr});
    if (startEmpty) RegistryDeleteTree(root, path);
}

bool RegistryKeyExists(HKEY root, const std::wstring& path) { return static_cast<bool>(OpenKey(root, path, KEY_READ)); }

std::wstring RegistryString(HKEY root, const std::wstring& path, const std::wstring& name, bool* found) {
    if (found != nullptr) *found = false;
    const RegKey key = OpenKey(root, path, KEY_READ);
    if (!key) return {};
    wchar_t text[4096];
    DWORD type = 0, size = sizeof text;
    if (RegQueryValueExW(key.Get(), name.empty() ? nullptr : name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    if (found != nullptr) *found = true;
    std::wstring value(text, size / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

std::vector<std::wstring> RegistrySubkeys(HKEY root, const std::wstring& path) {
    std::vector<std::wstring> names;
    const RegKey key = OpenKey(root, path, KEY_READ);
    if (!key) return names;
    for (const auto& [name, subtree] : Read(key.Get()).subkeys) names.push_back(name);
    return names;
}

void RegistryDeleteTree(HKEY root, const std::wstring& path) { RegDeleteTreeW(root, path.c_str()); }
