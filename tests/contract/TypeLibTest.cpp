// The type library's identity, where the module keeps it, and the size of
// its 16-bit-character records. Its interfaces, events and enumerations
// against Kestrel.h: InterfaceContractTest; the classes' default and source
// interfaces against the live objects: registration/TypeInfoWalkTest. Both
// the library embedded in the x64 DLL and the product's 32-bit file.
#include "module/ComPtr.h"
#include "module/Kestrel.h"
#include "support/BuildPaths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring TakeBstr(BSTR text) {
    std::wstring value = text != nullptr ? text : L"";
    SysFreeString(text);
    return value;
}

struct Library {
    const char* label;
    std::wstring (*path)();
    SYSKIND syskind;
    ULONG deviceInfoSize;
};

std::ostream& operator<<(std::ostream& out, const Library& library) { return out << library.label; }

class TypeLibrary : public testing::TestWithParam<Library> {
  protected:
    void SetUp() override {
        const std::wstring path = GetParam().path();
        ASSERT_FALSE(path.empty()) << "no path for " << GetParam().label;
        ASSERT_EQ(S_OK, LoadTypeLibEx(path.c_str(), REGKIND_NONE, library_.ReleaseAndGetAddressOf()));
    }

    std::wstring EntryName(UINT index) {
        BSTR name = nullptr;
        library_->GetDocumentation(static_cast<INT>(index), &name, nullptr, nullptr, nullptr);
        return TakeBstr(name);
    }
    ComPtr<ITypeInfo> Entry(const wchar_t* name) {
        for (UINT i = 0; i < library_->GetTypeInfoCount(); ++i)
            if (EntryName(i) == name) {
                ComPtr<ITypeInfo> info;
                library_->GetTypeInfo(i, info.ReleaseAndGetAddressOf());
                return info;
            }
        ADD_FAILURE() << "no entry named " << std::string(name, name + wcslen(name));
        return nullptr;
    }
    // The record behind an alias such as CDeviceProgram.
    ComPtr<ITypeInfo> AliasedRecord(const wchar_t* alias) {
        ComPtr<ITypeInfo> info = Entry(alias);
        if (!info) return nullptr;
        TYPEATTR* attr = nullptr;
        info->GetTypeAttr(&attr);
        EXPECT_EQ(TKIND_ALIAS, attr->typekind);
        EXPECT_EQ(VT_USERDEFINED, attr->tdescAlias.vt);
        ComPtr<ITypeInfo> record;
        info->GetRefTypeInfo(attr->tdescAlias.hreftype, record.ReleaseAndGetAddressOf());
        info->ReleaseTypeAttr(attr);
        return record;
    }

    ComPtr<ITypeLib> library_;
};

ULONG RecordSize(ITypeInfo* record) {
    TYPEATTR* attr = nullptr;
    if (record == nullptr || FAILED(record->GetTypeAttr(&attr))) return 0;
    const ULONG size = attr->cbSizeInstance;
    record->ReleaseTypeAttr(attr);
    return size;
}

TEST_P(TypeLibrary, IsKestrelLib10ForEnglishWithItsFixedIdentity) {
    TLIBATTR* attr = nullptr;
    ASSERT_EQ(S_OK, library_->GetLibAttr(&attr));
    EXPECT_TRUE(IsEqualGUID(LIBID_KESTRELLib, attr->guid));
    EXPECT_EQ(1, attr->wMajorVerNum);
    EXPECT_EQ(0, attr->wMinorVerNum);
    EXPECT_EQ(0x409u, attr->lcid);
    EXPECT_EQ(GetParam().syskind, attr->syskind);
    library_->ReleaseTLibAttr(attr);
    EXPECT_EQ(L"KESTRELLib", EntryName(static_cast<UINT>(-1)));
}

// Records with 16-bit characters: CDeviceProgram 1,636 bytes, CDeviceInfo
// 544 (552 with 64-bit pointers); the code itself passes the 8-bit layout.
TEST_P(TypeLibrary, DeclaresTheRecordsWith16BitCharacters) {
    EXPECT_EQ(1636u, RecordSize(AliasedRecord(L"CDeviceProgram").Get()));
    EXPECT_EQ(GetParam().deviceInfoSize, RecordSize(AliasedRecord(L"CDeviceInfo").Get()));
}

// The DLL under test embeds the library of its own build: x64 under wine64,
// the product itself in the i686 guest.
#ifdef _WIN64
const Library kEmbeddedLibrary{"library embedded in the x64 DLL", KestrelDllPath, SYS_WIN64, 552};
#else
const Library kEmbeddedLibrary{"library embedded in the i686 DLL", KestrelDllPath, SYS_WIN32, 544};
#endif

INSTANTIATE_TEST_SUITE_P(BothBuilds, TypeLibrary,
                         testing::Values(Library{"Win32 library of the product", KestrelTypeLib32Path, SYS_WIN32, 544},
                                         kEmbeddedLibrary),
                         [](const testing::TestParamInfo<Library>& info) {
                             if (info.param.path != KestrelDllPath) return "Win32";
                             return info.param.syskind == SYS_WIN64 ? "Win64" : "Embedded";
                         });

TEST(TypeLibraryResource, IsStoredOnceUnderFrench) {
    HMODULE dll = LoadLibraryExW(KestrelDllPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, dll);
    const auto present = [&](LANGID language) {
        return FindResourceExW(dll, L"TYPELIB", MAKEINTRESOURCEW(1), language) != nullptr;
    };
    EXPECT_TRUE(present(MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH)));
    EXPECT_FALSE(present(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)));
    EXPECT_FALSE(present(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)));
    FreeLibrary(dll);
}

}  // namespace
