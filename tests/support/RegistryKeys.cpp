#include "support/RegistryKeys.h"

#include "module/RegKey.h"

#include <utility>

struct CRegistryTree {
    struct CValue {
        std::wstring name;
        DWORD type;
        std::vector<BYTE> data;
    };
    std::vector<CValue> values;
    std::vector<std::pair<std::wstring, CRegistryTree>> subkeys;
};

namespace {

CRegKey OpenKey(HKEY root, const std::wstring& path, REGSAM access) {
    CRegKey key;
    key.Open(root, path, access);
    return key;
}

CRegistryTree Read(HKEY key) {
    CRegistryTree tree;
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD nameLength = 16384, type = 0, size = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        CRegistryTree::CValue value{std::wstring(name, nameLength), type, std::vector<BYTE>(size)};
        nameLength = 16384;
        RegEnumValueW(key, i, name, &nameLength, nullptr, &type, value.data.data(), &size);
        value.data.resize(size);
        tree.values.push_back(std::move(value));
    }
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        const CRegKey subkey = OpenKey(key, std::wstring(name, nameLength), KEY_READ);
        if (subkey) tree.subkeys.emplace_back(std::wstring(name, nameLength), Read(subkey.Get()));
    }
    return tree;
}

void Flatten(const std::wstring& path, const CRegistryTree& tree, RegistryContents& contents) {
    auto& values = contents[path];
    for (const auto& value : tree.values) {
        std::wstring text = value.type == REG_SZ ? std::wstring(reinterpret_cast<const wchar_t*>(value.data.data()),
                                                                value.data.size() / sizeof(wchar_t))
                                                 : L"(value of type " + std::to_wstring(value.type) + L")";
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        values[value.name] = text;
    }
    for (const auto& [name, subtree] : tree.subkeys) Flatten(path + L'\\' + name, subtree, contents);
}

void Write(HKEY root, const std::wstring& path, const CRegistryTree& tree) {
    CRegKey key;
    if (key.Create(root, path, KEY_ALL_ACCESS) != ERROR_SUCCESS) return;
    for (const auto& value : tree.values)
        RegSetValueExW(key.Get(), value.name.c_str(), 0, value.type, value.data.data(),
                       static_cast<DWORD>(value.data.size()));
    for (const auto& [name, subtree] : tree.subkeys) Write(key.Get(), name, subtree);
}

}  // namespace

CRegistryKeysGuard::~CRegistryKeysGuard() {
    for (auto it = m_vecWatched.rbegin(); it != m_vecWatched.rend(); ++it) {
        RegDeleteTreeW(it->root, it->path.c_str());
        if (it->before) Write(it->root, it->path, *it->before);
    }
}

void CRegistryKeysGuard::Watch(HKEY root, const std::wstring& path, bool startEmpty) {
    const CRegKey key = OpenKey(root, path, KEY_READ);
    m_vecWatched.push_back({root, path, key ? std::make_shared<CRegistryTree>(Read(key.Get())) : nullptr});
    if (startEmpty) RegDeleteTreeW(root, path.c_str());
}

bool RegistryKeyExists(HKEY root, const std::wstring& path) { return static_cast<bool>(OpenKey(root, path, KEY_READ)); }

RegistryContents RegistrySnapshot(HKEY root, const std::wstring& path) {
    RegistryContents contents;
    if (const CRegKey key = OpenKey(root, path, KEY_READ)) Flatten(path, Read(key.Get()), contents);
    return contents;
}

std::wstring RegistryString(HKEY root, const std::wstring& path, const std::wstring& name, bool* found) {
    if (found != nullptr) *found = false;
    const CRegKey key = OpenKey(root, path, KEY_READ);
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
