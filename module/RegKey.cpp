#include "module/RegKey.h"

#include <utility>

RegKey::RegKey(RegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegKey& RegKey::operator=(RegKey&& other) noexcept {
    if (this != &other) {
        Close();
        key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
}

LONG RegKey::Open(HKEY parent, const std::wstring& path, REGSAM access) {
    Close();
    const LONG error = RegOpenKeyExW(parent, path.c_str(), 0, access, &key_);
    if (error != ERROR_SUCCESS) key_ = nullptr;
    return error;
}

LONG RegKey::Create(HKEY parent, const std::wstring& path, REGSAM access) {
    Close();
    const LONG error =
        RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key_, nullptr);
    if (error != ERROR_SUCCESS) key_ = nullptr;
    return error;
}

void RegKey::Close() {
    if (key_ != nullptr) RegCloseKey(std::exchange(key_, nullptr));
}
