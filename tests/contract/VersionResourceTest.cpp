// The version resource as installers and Explorer read it, through the
// version API, from the DLL under test: the x64 one under wine64, the
// product in the i686 guest. The expected version is the project's, handed
// over by the build (KESTREL_PROJECT_VERSION, "major.minor.patch").
#include "support/BuildPaths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

class VersionResource : public testing::Test {
  protected:
    void SetUp() override {
        const std::wstring path = KestrelDllPath();
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
        ASSERT_NE(0u, size) << "no version resource, error " << GetLastError();
        m_data.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, m_data.data()));
    }

    const void* Query(const std::wstring& block, UINT* length) {
        void* value = nullptr;
        *length = 0;
        if (!VerQueryValueW(m_data.data(), block.c_str(), &value, length)) return nullptr;
        return value;
    }
    std::wstring Text(const std::wstring& block) {
        UINT length = 0;
        const auto* text = static_cast<const wchar_t*>(Query(block, &length));
        return text != nullptr ? std::wstring(text) : std::wstring(L"(missing)");
    }

    std::vector<BYTE> m_data;
};

std::string Narrow(const std::wstring& text) {
    std::string narrow(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), static_cast<int>(narrow.size()), nullptr, nullptr);
    narrow.pop_back();
    return narrow;
}

TEST_F(VersionResource, GivesTheProjectVersionAsFileAndProductVersion) {
    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(3, std::sscanf(KESTREL_PROJECT_VERSION, "%u.%u.%u", &major, &minor, &patch));
    UINT length = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\", &length));
    ASSERT_NE(nullptr, fixed);
    EXPECT_EQ(VS_FFI_SIGNATURE, fixed->dwSignature);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(minor, major)), fixed->dwFileVersionMS);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, patch)), fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
    EXPECT_EQ(static_cast<DWORD>(VFT_DLL), fixed->dwFileType);
}

// One string block for each language the module ships, listed in the
// translation table, each with the project's version; the description is
// translated.
TEST_F(VersionResource, DescribesTheModuleInEnglishFrenchAndGerman) {
    UINT length = 0;
    const auto* translations = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation", &length));
    ASSERT_NE(nullptr, translations);
    const std::vector<WORD> expected = {0x409, 1200, 0x40C, 1200, 0x407, 1200};
    EXPECT_EQ(expected, std::vector<WORD>(translations, translations + length / sizeof(WORD)));

    const std::wstring version(KESTREL_PROJECT_VERSION, KESTREL_PROJECT_VERSION + strlen(KESTREL_PROJECT_VERSION));
    std::set<std::wstring> descriptions;
    for (const wchar_t* block : {L"040904B0", L"040C04B0", L"040704B0"}) {
        SCOPED_TRACE(Narrow(block));
        const std::wstring prefix = std::wstring(L"\\StringFileInfo\\") + block + L"\\";
        EXPECT_EQ(version, Text(prefix + L"FileVersion"));
        EXPECT_EQ(version, Text(prefix + L"ProductVersion"));
        const std::wstring description = Text(prefix + L"FileDescription");
        EXPECT_NE(std::wstring::npos, description.find(L"Kestrel")) << Narrow(description);
        descriptions.insert(description);
    }
    EXPECT_EQ(3u, descriptions.size()) << "each language has its own description";
}

}  // namespace
