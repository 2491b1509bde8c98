#include "module/RegKey.h"

#include <utility>

CRegKey::CRegKey(CRegKey&& other) noexcept : m_hKey(std::exchange(other.m_hKey, nullptr)) {}

CRegKey& CRegKey::operator=(CRegKey&& other) noexcept {
    if (this != &other) {
        Close();
        m_hKey = std::exchange(other.m_hKey, nullptr);
    }
    return *this;
}

LONG CRegKey::Open(HKEY parent, const std::wstring& path, REGSAM access) {
    Close();
    const LONG error = RegOpenKeyExW(parent, path.c_str(), 0, access, &m_hKey);
    if (error != ERROR_SUCCESS) m_hKey = nullptr;
    return error;
}

LONG CRegKey::Create(HKEY parent, const std::wstring& path, REGSAM access) {
    Close();
    const LONG error =
        RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &m_hKey, nullptr);
    if (error != ERROR_SUCCESS) m_hKey = nullptr;
    return error;
}

void CRegKey::Close() {
    if (m_hKey != nullptr) RegCloseKey(std::exchange(m_hKey, nullptr));
}
