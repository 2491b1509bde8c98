// The registry guard that other suites rely on to leave the registry as
// they found it.
#include "support/RegistryKeys.h"

#include <gtest/gtest.h>

namespace {

const std::wstring kKey = L"Software\\Kestrel tests\\Guard";

void SetString(const std::wstring& path, const wchar_t* name, const wchar_t* text) {
    RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), name, REG_SZ, text,
                    static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
}

TEST(RegistryKeysGuard, RestoresValuesAndSubkeysThatATestChangedOrDeleted) {
    SetString(kKey, L"kept", L"before");
    SetString(kKey + L"\\child", nullptr, L"child before");
    {
        RegistryKeysGuard guard;
        guard.Watch(HKEY_CURRENT_USER, kKey);
        SetString(kKey, L"kept", L"after");
        SetString(kKey + L"\\added", nullptr, L"new");
        RegistryDeleteTree(HKEY_CURRENT_USER, kKey + L"\\child");
    }
    EXPECT_EQ(L"before", RegistryString(HKEY_CURRENT_USER, kKey, L"kept"));
    EXPECT_EQ(L"child before", RegistryString(HKEY_CURRENT_USER, kKey + L"\\child", L""));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, kKey + L"\\added"));
    RegistryDeleteTree(HKEY_CURRENT_USER, L"Software\\Kestrel tests");
}

TEST(RegistryKeysGuard, RemovesAKeyThatDidNotExistBefore) {
    {
        RegistryKeysGuard guard;
        guard.Watch(HKEY_CURRENT_USER, kKey, true);
        SetString(kKey, L"value", L"written by the test");
    }
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, kKey));
    RegistryDeleteTree(HKEY_CURRENT_USER, L"Software\\Kestrel tests");
}

}  // namespace
