// The type library that tools and scripting hosts read: its entries in
// order, the 16-bit-character records, the interfaces and the events, and
// the menu bar's parameter types. Both the library embedded in the x64 DLL
// and the product's 32-bit library file are checked.
#include "module/ComPtr.h"
#include "module/Kestrel.h"
#include "support/BuildPaths.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

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
    LONG pluginPaneOffset;
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
    std::wstring HelpString(UINT index) {
        BSTR help = nullptr;
        library_->GetDocumentation(static_cast<INT>(index), nullptr, &help, nullptr, nullptr);
        return TakeBstr(help);
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
    ComPtr<ITypeInfo> record = AliasedRecord(L"CDeviceProgram");
    ASSERT_TRUE(record);
    const auto [size, members] = Layout(record.Get());
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
    ComPtr<ITypeInfo> record = AliasedRecord(L"CDeviceInfo");
    ASSERT_TRUE(record);
    const auto [size, members] = Layout(record.Get());
    EXPECT_EQ(GetParam().deviceInfoSize, size);
    const std::vector<Member> expected = {
        {L"fieldUsed", 0},    {L"szDeviceName", 4},   {L"totalMemory", 520},
        {L"usedMemory", 528}, {L"hDeviceImage", 536}, {L"pPluginDevicePane", GetParam().pluginPaneOffset},
    };
    EXPECT_EQ(expected, members);
}

// The names in each slot and each event's DISPID: InterfaceContract. Here:
// that no method or event is missing at the end, and the menu bar's help.
TEST_P(TypeLibrary, DeclaresEveryMethodAndEachEventOnItsInterfaceWithTheMenuBarsHelpStrings) {
    const std::pair<const wchar_t*, size_t> interfaces[] = {
        {L"IDeviceTransfer", 20}, {L"IPluginText", 2}, {L"_IDeviceTransferEvents", 7}, {L"_IMenuCtrlEvents", 2}};
    for (const auto& [entry, count] : interfaces) {
        ComPtr<ITypeInfo> info = Entry(entry);
        ASSERT_TRUE(info);
        EXPECT_EQ(count, Functions(info.Get()).size()) << std::string(entry, entry + wcslen(entry));
    }

    ASSERT_EQ(17u, library_->GetTypeInfoCount());
    EXPECT_EQ(L"_IMenuCtrlEvents Interface", HelpString(14));
    EXPECT_EQ(L"MenuCtrl Class", HelpString(15));
    EXPECT_EQ(L"IMenuCtrl Interface", HelpString(16));
    ComPtr<ITypeInfo> events = Entry(L"_IMenuCtrlEvents");
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
        ComPtr<ITypeInfo> info = Entry(coclass);
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

// "stdole.OLE_COLOR", "*stdole.OLE_HANDLE", "I4", "I8", ...
std::string TypeText(ITypeInfo* info, const TYPEDESC& type) {
    if (type.vt == VT_PTR) return "*" + TypeText(info, *type.lptdesc);
    if (type.vt == VT_I2 || type.vt == VT_I4 || type.vt == VT_I8)
        return "I" + std::to_string(type.vt == VT_I2 ? 2 : type.vt == VT_I4 ? 4 : 8);
    if (type.vt != VT_USERDEFINED) return "vt" + std::to_string(type.vt);
    ComPtr<ITypeInfo> referenced;
    ComPtr<ITypeLib> library;
    UINT index = 0;
    if (FAILED(info->GetRefTypeInfo(type.hreftype, referenced.ReleaseAndGetAddressOf())) ||
        FAILED(referenced->GetContainingTypeLib(library.ReleaseAndGetAddressOf(), &index)))
        return "?";
    BSTR libraryName = nullptr, name = nullptr;
    library->GetDocumentation(-1, &libraryName, nullptr, nullptr, nullptr);
    referenced->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    const std::wstring text = TakeBstr(libraryName) + L"." + TakeBstr(name);
    return std::string(text.begin(), text.end());
}

// Colours and handles are the standard automation types of stdole, and what
// carries a pointer is pointer-sized in the x64 library.
TEST_P(TypeLibrary, GivesTheMenuBarsColoursAndHandlesStdoleTypesAndItsPointersThePointersSize) {
    ComPtr<ITypeInfo> dispatch, vtable;
    ASSERT_EQ(S_OK, library_->GetTypeInfoOfGuid(IID_IMenuCtrl, dispatch.ReleaseAndGetAddressOf()));
    HREFTYPE ref = 0;
    // The dual interface's vtable half: its own members only.
    ASSERT_EQ(S_OK, dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref));
    ASSERT_EQ(S_OK, dispatch->GetRefTypeInfo(ref, vtable.ReleaseAndGetAddressOf()));
    std::map<std::string, std::string> signatures;  // "put BackColor" -> "stdole.OLE_COLOR"
    TYPEATTR* attr = nullptr;
    vtable->GetTypeAttr(&attr);
    for (UINT i = 0; i < attr->cFuncs; ++i) {
        FUNCDESC* func = nullptr;
        vtable->GetFuncDesc(i, &func);
        BSTR name = nullptr;
        vtable->GetDocumentation(func->memid, &name, nullptr, nullptr, nullptr);
        const std::wstring member = TakeBstr(name);
        std::string key = func->invkind == INVOKE_PROPERTYPUT   ? "put "
                          : func->invkind == INVOKE_PROPERTYGET ? "get "
                                                                : "";
        key += std::string(member.begin(), member.end());
        std::string& types = signatures[key];
        for (SHORT p = 0; p < func->cParams; ++p)
            types += (p ? ", " : "") + TypeText(vtable.Get(), func->lprgelemdescParam[p].tdesc);
        vtable->ReleaseFuncDesc(func);
    }
    vtable->ReleaseTypeAttr(attr);

    const bool win64 = GetParam().syskind == SYS_WIN64;
    std::map<std::string, std::string> expected = {
        {"put Orientation", "I2"},
        {"get Orientation", "*I2"},
        {"SetMenuItemImage", "I4, I4"},
        {"AutoSize", "*I4"},
        {"put ImageList", win64 ? "I8" : "stdole.OLE_HANDLE"},
        {"get ImageList", win64 ? "*I8" : "*stdole.OLE_HANDLE"},
        {"GetItemRect", win64 ? "I2, I8" : "I2, I4"},
    };
    for (const char* colour : {"BackColor", "ForeColor", "MenuColor", "MenuTextColor"}) {
        expected[std::string("put ") + colour] = "stdole.OLE_COLOR";
        expected[std::string("get ") + colour] = "*stdole.OLE_COLOR";
    }
    for (const char* handle : {"Owner", "Menu"}) {
        expected[std::string("put ") + handle] = "stdole.OLE_HANDLE";
        expected[std::string("get ") + handle] = "*stdole.OLE_HANDLE";
    }
    EXPECT_EQ(expected, signatures);
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
