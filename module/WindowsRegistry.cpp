#include "module/WindowsRegistry.h"

#include "module/RegKey.h"

namespace {

long AbsentIsFine(LONG error) { return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error; }

}  // namespace

long CWindowsRegistry::CreateKey(const std::wstring& path) {
    CRegKey key;
    return key.Create(m_hKeyRoot, path, KEY_READ | KEY_WRITE);
}

long CWindowsRegistry::SetString(const std::wstring& path, const std::wstring& name, const std::wstring& data) {
    CRegKey key;
    if (const LONG error = key.Open(m_hKeyRoot, path, KEY_SET_VALUE)) return error;
    return RegSetValueExW(key.Get(), name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

long CWindowsRegistry::DeleteValue(const std::wstring& path, const std::wstring& name) {
    CRegKey key;
    if (const LONG error = key.Open(m_hKeyRoot, path, KEY_SET_VALUE)) return AbsentIsFine(error);
    return AbsentIsFine(RegDeleteValueW(key.Get(), name.empty() ? nullptr : name.c_str()));
}

long CWindowsRegistry::DeleteKey(const std::wstring& path) {
    return AbsentIsFine(RegDeleteKeyW(m_hKeyRoot, path.c_str()));
}

long CWindowsRegistry::DeleteTree(const std::wstring& path) {
    return AbsentIsFine(RegDeleteTreeW(m_hKeyRoot, path.c_str()));
}

bool CWindowsRegistry::KeyExists(const std::wstring& path) {
    CRegKey key;
    return key.Open(m_hKeyRoot, path, KEY_READ) == ERROR_SUCCESS;
}

bool CWindowsRegistry::HasSubkeys(const std::wstring& path) {
    CRegKey key;
    DWORD subkeys = 0;
    if (key.Open(m_hKeyRoot, path, KEY_READ) != ERROR_SUCCESS) return false;
    if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    return subkeys > 0;
}
