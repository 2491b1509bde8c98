// The type library that tools and scripting hosts read: its entries in
// order, the 16-bit-character records, the interfaces and the events. Both
// the library embedded in the x64 DLL and the product's 32-bit library
// file are checked.
#include "module/Kestrel.h"
#include "support/BuildPaths.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

template <class T>
struct Releaser {
    void operator()(T* p) const { p->Release(); }
};
template <class T>
using Ref = std::unique_ptr<T, Releaser<T>>;

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
    LONG pluginPaneOffset;
};

std::ostream& operator<<(std::ostream& out, const Library& library) { return out << library.label; }

class TypeLibrary : public testing::TestWithParam<Library> {
  protected:
    void SetUp() override {
        const std::wstring path = GetParam().path();
        ASSERT_FALSE(path.empty()) << "no path for " << GetParam().label;
        ITypeLib* library = nullptr;
        ASSERT_EQ(S_OK, LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library));
        library_.reset(library);
    }

    std::wstring EntryName(UINT index) {
        BSTR name = nullptr;
        library_->GetDocumentation(static_cast<INT>(index), &name, nullptr, nullptr, nullptr);
        return TakeBstr(name);
    }
    std::wstring HelpString(UINT index) {
        BSTR help = nullptr;
        library_->GetDocumentation(static_cast<INT>(index), nullptr, &help, nullptr, nullptr);
        return TakeBstr(help);
    }
    Ref<ITypeInfo> Entry(const wchar_t* name) {
        for (UINT i = 0; i < library_->GetTypeInfoCount(); ++i)
            if (EntryName(i) == name) {
                ITypeInfo* info = nullptr;
                library_->GetTypeInfo(i, &info);
                return Ref<ITypeInfo>(info);
            }
        ADD_FAILURE() << "no entry named " << std::string(name, name + wcslen(name));
        return nullptr;
    }
    // The record behind an alias such as CDeviceProgram.
    Ref<ITypeInfo> AliasedRecord(const wchar_t* alias) {
        Ref<ITypeInfo> info = Entry(alias);
        if (!info) return nullptr;
        TYPEATTR* attr = nullptr;
        info->GetTypeAttr(&attr);
        EXPECT_EQ(TKIND_ALIAS, attr->typekind);
        EXPECT_EQ(VT_USERDEFINED, attr->tdescAlias.vt);
        ITypeInfo* record = nullptr;
        info->GetRefTypeInfo(attr->tdescAlias.hreftype, &record);
        info->ReleaseTypeAttr(attr);
        return Ref<ITypeInfo>(record);
    }

    Ref<ITypeLib> library_;
};

struct Member {
    std::wstring name;
    LONG offset;
    bool operator==(const Member& other) const { return name == other.name && offset == other.offset; }
};
std::ostream& operator<<(std::ostream& out, const Member& m) {
    return out << std::string(m.name.begin(), m.name.end()) << "@" << m.offset;
}

std::pair<ULONG, std::vector<Member>> Layout(ITypeInfo* record) {
    TYPEATTR* attr = nullptr;
    record->GetTypeAttr(&attr);
    std::vector<Member> members;
    for (UINT i = 0; i < attr->cVars; ++i) {
        VARDESC* var = nullptr;
        record->GetVarDesc(i, &var);
        BSTR name = nullptr;
        record->GetDocumentation(var->memid, &name, nullptr, nullptr, nullptr);
        members.push_back({TakeBstr(name), static_cast<LONG>(var->oInst)});
        record->ReleaseVarDesc(var);
    }
    const ULONG size = attr->cbSizeInstance;
    record->ReleaseTypeAttr(attr);
    return {size, members};
}

std::vector<std::pair<MEMBERID, std::wstring>> Functions(ITypeInfo* info, UINT first = 0) {
    TYPEATTR* attr = nullptr;
    info->GetTypeAttr(&attr);
    std::vector<std::pair<MEMBERID, std::wstring>> functions;
    for (UINT i = first; i < attr->cFuncs; ++i) {
        FUNCDESC* func = nullptr;
        info->GetFuncDesc(i, &func);
        BSTR name = nullptr;
        info->GetDocumentation(func->memid, &name, nullptr, nullptr, nullptr);
        functions.emplace_back(func->memid, TakeBstr(name));
        info->ReleaseFuncDesc(func);
    }
    info->ReleaseTypeAttr(attr);
    return functions;
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

TEST_P(TypeLibrary, ListsItsSeventeenEntriesInOrder) {
    // Entries 5 and 7 are the unnamed structures behind the two record
    // aliases, and 11 the union inside _RemotableHandle: their generated
    // names are not part of the contract, only their kinds.
    const std::vector<std::pair<const wchar_t*, TYPEKIND>> expected = {
        {L"IDummyDispatch", TKIND_DISPATCH},   {L"_IDeviceTransferEvents", TKIND_DISPATCH},
        {L"DeviceTransfer", TKIND_COCLASS},    {L"IDeviceTransfer", TKIND_INTERFACE},
        {L"CDeviceProgram", TKIND_ALIAS},      {nullptr, TKIND_RECORD},
        {L"CDeviceInfo", TKIND_ALIAS},         {nullptr, TKIND_RECORD},
        {L"DEVICE_INFO_FIELDS", TKIND_ENUM},   {L"wireHICON", TKIND_ALIAS},
        {L"_RemotableHandle", TKIND_RECORD},   {nullptr, TKIND_UNION},
        {L"DISPLAY_MODE", TKIND_ENUM},         {L"IPluginText", TKIND_INTERFACE},
        {L"_IMenuCtrlEvents", TKIND_DISPATCH}, {L"MenuCtrl", TKIND_COCLASS},
        {L"IMenuCtrl", TKIND_DISPATCH},
    };
    ASSERT_EQ(expected.size(), library_->GetTypeInfoCount());
    for (UINT i = 0; i < expected.size(); ++i) {
        TYPEKIND kind;
        library_->GetTypeInfoType(i, &kind);
        EXPECT_EQ(expected[i].second, kind) << "entry " << i + 1;
        if (expected[i].first != nullptr) {
            EXPECT_EQ(expected[i].first, EntryName(i)) << "entry " << i + 1;
        }
    }
}

TEST_P(TypeLibrary, DeclaresCDeviceProgramWith16BitCharacters) {
    Ref<ITypeInfo> record = AliasedRecord(L"CDeviceProgram");
    ASSERT_TRUE(record);
    const auto [size, members] = Layout(record.get());
    EXPECT_EQ(1636u, size);
    const std::vector<Member> expected = {
        {L"m_szProductID", 0},
        {L"m_szTitle", 64},
        {L"m_FullProgramPath", 576},
        {L"m_FullPathInCompFile", 1096},
        {L"m_TotalTime", 1608},
        {L"m_TimeOnDevice", 1612},
        {L"m_SizeOnDevice", 1616},
        {L"m_ProgramStart", 1620},
        {L"m_PlayBackPos", 1624},
        {L"m_CodecIconIndex", 1628},
        {L"m_fCanProgramBeResized", 1632},
    };
    EXPECT_EQ(expected, members);
}

TEST_P(TypeLibrary, DeclaresCDeviceInfoWithARemotableIconHandle) {
    Ref<ITypeInfo> record = AliasedRecord(L"CDeviceInfo");
    ASSERT_TRUE(record);
    const auto [size, members] = Layout(record.get());
    EXPECT_EQ(GetParam().deviceInfoSize, size);
    const std::vector<Member> expected = {
        {L"fieldUsed", 0},    {L"szDeviceName", 4},   {L"totalMemory", 520},
        {L"usedMemory", 528}, {L"hDeviceImage", 536}, {L"pPluginDevicePane", GetParam().pluginPaneOffset},
    };
    EXPECT_EQ(expected, members);
}

// Which method sits in which slot, and each event's DISPID: InterfaceContract.
// Here: that no method or event is missing and where each event belongs.
TEST_P(TypeLibrary, DeclaresEveryMethodAndEachEventOnItsInterfaceWithTheMenuBarsHelpStrings) {
    const struct {
        const wchar_t* entry;
        std::vector<const wchar_t*> members;
    } interfaces[] = {
        {L"IDeviceTransfer", std::vector<const wchar_t*>(20, nullptr)},
        {L"IPluginText", {L"LockPluginText", L"SetPluginText"}},
        {L"_IDeviceTransferEvents",
         {L"DeleteProgramRequest", L"OnDragEnter", L"OnDragOver", L"OnDragLeave", L"OnDrop", L"OnProgramDetailes",
          L"OnTabOrderWindow"}},
        {L"_IMenuCtrlEvents", {L"BeforePopup", L"AfterPopup"}},
    };
    for (const auto& i : interfaces) {
        Ref<ITypeInfo> info = Entry(i.entry);
        ASSERT_TRUE(info);
        const auto functions = Functions(info.get());
        ASSERT_EQ(i.members.size(), functions.size()) << std::string(i.entry, i.entry + wcslen(i.entry));
        for (size_t m = 0; m < functions.size(); ++m) {
            if (i.members[m] != nullptr) {
                EXPECT_EQ(i.members[m], functions[m].second);
            }
        }
    }

    ASSERT_EQ(17u, library_->GetTypeInfoCount());
    EXPECT_EQ(L"_IMenuCtrlEvents Interface", HelpString(14));
    EXPECT_EQ(L"MenuCtrl Class", HelpString(15));
    EXPECT_EQ(L"IMenuCtrl Interface", HelpString(16));
    Ref<ITypeInfo> events = Entry(L"_IMenuCtrlEvents");
    ASSERT_TRUE(events);
    BSTR help = nullptr;
    events->GetDocumentation(1, nullptr, &help, nullptr, nullptr);
    EXPECT_EQ(L"method BeforePopup", TakeBstr(help));
    events->GetDocumentation(2, nullptr, &help, nullptr, nullptr);
    EXPECT_EQ(L"method AfterPopup", TakeBstr(help));
}

TEST_P(TypeLibrary, NamesEachClassesDefaultAndSourceInterfaces) {
    const auto implemented = [&](const wchar_t* coclass) {
        std::vector<std::pair<std::wstring, INT>> result;
        Ref<ITypeInfo> info = Entry(coclass);
        if (!info) return result;
        TYPEATTR* attr = nullptr;
        info->GetTypeAttr(&attr);
        for (UINT i = 0; i < attr->cImplTypes; ++i) {
            HREFTYPE ref = 0;
            INT flags = 0;
            info->GetRefTypeOfImplType(i, &ref);
            info->GetImplTypeFlags(i, &flags);
            ITypeInfo* implemented = nullptr;
            info->GetRefTypeInfo(ref, &implemented);
            BSTR name = nullptr;
            implemented->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
            implemented->Release();
            result.emplace_back(TakeBstr(name), flags);
        }
        info->ReleaseTypeAttr(attr);
        return result;
    };
    const std::vector<std::pair<std::wstring, INT>> deviceTransfer = {
        {L"IDeviceTransfer", 0},
        {L"IPluginText", 0},
        {L"IDummyDispatch", IMPLTYPEFLAG_FDEFAULT},
        {L"_IDeviceTransferEvents", IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE},
    };
    EXPECT_EQ(deviceTransfer, implemented(L"DeviceTransfer"));
    const std::vector<std::pair<std::wstring, INT>> menuCtrl = {
        {L"IMenuCtrl", IMPLTYPEFLAG_FDEFAULT},
        {L"_IMenuCtrlEvents", IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE},
    };
    EXPECT_EQ(menuCtrl, implemented(L"MenuCtrl"));
}

// The DLL under test embeds the library of its own build: x64 under wine64,
// the product itself in the i686 guest.
#ifdef _WIN64
const Library kEmbeddedLibrary{"library embedded in the x64 DLL", KestrelDllPath, SYS_WIN64, 552, 544};
#else
const Library kEmbeddedLibrary{"library embedded in the i686 DLL", KestrelDllPath, SYS_WIN32, 544, 540};
#endif

INSTANTIATE_TEST_SUITE_P(BothBuilds, TypeLibrary,
                         testing::Values(Library{"Win32 library of the product", KestrelTypeLib32Path, SYS_WIN32, 544,
                                                 540},
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
