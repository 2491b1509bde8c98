// RegKey: owns one open registry key and closes it when it goes.
#ifndef KESTREL_REG_KEY_H
#define KESTREL_REG_KEY_H

#include <windows.h>

#include <string>

class RegKey {
  public:
    RegKey() = default;
    RegKey(RegKey&& other) noexcept;
    RegKey& operator=(RegKey&& other) noexcept;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    ~RegKey() { Close(); }

    // Both return a Win32 error code and leave the key closed on failure.
    LONG Open(HKEY parent, const std::wstring& path, REGSAM access);
    LONG Create(HKEY parent, const std::wstring& path, REGSAM access);
    void Close();

    HKEY Get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

  private:
    HKEY key_ = nullptr;
};

#endif
