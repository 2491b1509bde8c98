// CRegKey: owns one open registry key and closes it when it goes.
#ifndef KESTREL_REG_KEY_H
#define KESTREL_REG_KEY_H

#include <windows.h>

#include <string>

class CRegKey {
  public:
    CRegKey() = default;
    CRegKey(CRegKey&& other) noexcept;
    CRegKey& operator=(CRegKey&& other) noexcept;
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    ~CRegKey() { Close(); }

    // Both return a Win32 error code and leave the key closed on failure.
    LONG Open(HKEY parent, const std::wstring& path, REGSAM access);
    LONG Create(HKEY parent, const std::wstring& path, REGSAM access);
    void Close();

    HKEY Get() const { return m_hKey; }
    explicit operator bool() const { return m_hKey != nullptr; }

  private:
    HKEY m_hKey = nullptr;
};

#endif
