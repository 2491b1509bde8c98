#include "module/WindowsRegistry.h"

#include "module/RegKey.h"

namespace {

long AbsentIsFine(LONG error) { return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error; }

}  // namespace

long WindowsRegistry::CreateKey(const std::wstring& path) {
    RegKey key;
    return key.Create(root_, path, KEY_READ | KEY_WRITE);
}

long WindowsRegistry::SetString(const std::wstring& path, const std::wstring& name, const std::wstring& data) {
    RegKey key;
    if (const LONG error = key.Open(root_, path, KEY_SET_VALUE)) return error;
    return RegSetValueExW(key.Get(), name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

long WindowsRegistry::DeleteValue(const std::wstring& path, const std::wstring& name) {
    RegKey key;
    if (const LONG error = key.Open(root_, path, KEY_SET_VALUE)) return AbsentIsFine(error);
    return AbsentIsFine(RegDeleteValueW(key.Get(), name.empty() ? nullptr : name.c_str()));
}

long WindowsRegistry::DeleteKey(const std::wstring& path) { return AbsentIsFine(RegDeleteKeyW(root_, path.c_str())); }

long WindowsRegistry::DeleteTree(const std::wstring& path) { return AbsentIsFine(RegDeleteTreeW(root_, path.c_str())); }

bool WindowsRegistry::KeyExists(const std::wstring& path) {
    RegKey key;
    return key.Open(root_, path, KEY_READ) == ERROR_SUCCESS;
}

bool WindowsRegistry::HasSubkeys(const std::wstring& path) {
    RegKey key;
    DWORD subkeys = 0;
    if (key.Open(root_, path, KEY_READ) != ERROR_SUCCESS) return false;
    if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    return subkeys > 0;
}
