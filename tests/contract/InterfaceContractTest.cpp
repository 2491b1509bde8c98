// The contract is declared twice: in Kestrel.h for the code on both sides of
// the in-process interfaces, and in the type library for tools. Every slot
// the library describes must be the C++ method of its name, at the same
// vtable index and with as many parameters; parameter types are left out on
// purpose (the library declares the records with 16-bit characters, and
// handles differ by build). Events and enumerators are compared by name and
// value. Checked on the library embedded in the DLL and the product's
// 32-bit file.
#include "module/Kestrel.h"
#include "support/BuildPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "module/ComPtr.h"

namespace {

struct Slot {
    UINT index;
    std::string name;
    UINT count;  // parameters
};

std::vector<std::string> Texts(std::vector<Slot> slots) {
    std::sort(slots.begin(), slots.end(), [](const Slot& a, const Slot& b) { return a.index < b.index; });
    std::vector<std::string> texts;
    for (const Slot& s : slots) texts.push_back(std::to_string(s.index) + " " + s.name + "/" + std::to_string(s.count));
    return texts;
}

// ------------------------------------------------------------ the C++ side

// The vtable index of a virtual method, from its member pointer: GCC lays
// these out as the Itanium C++ ABI says, one more than the byte offset.
template <class R, class C, class... Args>
Slot CppSlot(const char* name, R (STDMETHODCALLTYPE C::*method)(Args...)) {
    struct {
        std::uintptr_t ptr;
        std::ptrdiff_t adj;
    } raw;
    static_assert(sizeof raw == sizeof method);
    std::memcpy(&raw, &method, sizeof raw);
    EXPECT_EQ(1u, raw.ptr & 1) << name << " is not virtual";
    return {static_cast<UINT>((raw.ptr - 1) / sizeof(void*)), name, sizeof...(Args)};
}
// The method M of the interface I.
#define SLOT(I, M) CppSlot(#M, &I::M)

std::vector<Slot> With(std::vector<Slot> base, std::initializer_list<Slot> own) {
    base.insert(base.end(), own);
    return base;
}

// Every C++ interface of Kestrel.h, by the name the library uses.
std::map<std::string, std::vector<Slot>> CppInterfaces() {
    using QueryInterface = HRESULT (STDMETHODCALLTYPE IUnknown::*)(REFIID, void**);
    const std::vector<Slot> unknown = {
        CppSlot("QueryInterface", static_cast<QueryInterface>(&IUnknown::QueryInterface)), SLOT(IUnknown, AddRef),
        SLOT(IUnknown, Release)};
    const std::vector<Slot> dispatch = With(unknown, {SLOT(IDispatch, GetTypeInfoCount), SLOT(IDispatch, GetTypeInfo),
                                                      SLOT(IDispatch, GetIDsOfNames), SLOT(IDispatch, Invoke)});
    using D = IDeviceTransfer;
    const std::vector<Slot> device = With(unknown, {SLOT(D, GetItemsCount),
                                                    SLOT(D, AddProgram),
                                                    SLOT(D, RemoveProgram),
                                                    SLOT(D, GetProgramProperties),
                                                    SLOT(D, SetDeviceConnection),
                                                    SLOT(D, SetDeviceInfo),
                                                    SLOT(D, GetDeviceInfo),
                                                    SLOT(D, RemoveAllPrograms),
                                                    SLOT(D, GetSelCount),
                                                    SLOT(D, GetSelItems),
                                                    SLOT(D, ShowSelectedProgramDetails),
                                                    SLOT(D, SetImageList),
                                                    SLOT(D, SetDisplayMode),
                                                    SLOT(D, GetDisplayMode),
                                                    SLOT(D, UpdateProgram),
                                                    SLOT(D, SetFocus),
                                                    SLOT(D, CreateProgramAdjustDialog),
                                                    SLOT(D, SetTransferProgram),
                                                    SLOT(D, SetAboutDeviceText),
                                                    SLOT(D, SetRedraw)});
    using M = IMenuCtrl;
    return {
        {"IDummyDispatch", dispatch},  // no members of its own
        {"IDeviceTransfer", device},
        {"IPluginText", With(unknown, {SLOT(IPluginText, LockPluginText), SLOT(IPluginText, SetPluginText)})},
        {"IMenuCtrl", With(dispatch, {SLOT(M, put_BackColor), SLOT(M, get_BackColor), SLOT(M, put_ForeColor),
                                      SLOT(M, get_ForeColor), SLOT(M, put_Owner), SLOT(M, get_Owner), SLOT(M, put_Menu),
                                      SLOT(M, get_Menu), SLOT(M, put_ImageList), SLOT(M, get_ImageList),
                                      SLOT(M, put_MenuColor), SLOT(M, get_MenuColor), SLOT(M, put_MenuTextColor),
                                      SLOT(M, get_MenuTextColor), SLOT(M, put_Orientation), SLOT(M, get_Orientation),
                                      SLOT(M, SetMenuItemImage), SLOT(M, AutoSize), SLOT(M, GetItemRect)})},
        {"IAccessibleOwner", With(unknown, {SLOT(IAccessibleOwner, SetProxy), SLOT(IAccessibleOwner, GetWindowHandle),
                                            SLOT(IAccessibleOwner, Reserved)})},
        {"IPluginDevicePane",
         {SLOT(IPluginDevicePane, AddRef), SLOT(IPluginDevicePane, Release), SLOT(IPluginDevicePane, CreatePaneWindow),
          SLOT(IPluginDevicePane, SetPaneSite), SLOT(IPluginDevicePane, ClosePane)}},
        {"IPluginPaneSite",
         {SLOT(IPluginPaneSite, AddRef), SLOT(IPluginPaneSite, Release), SLOT(IPluginPaneSite, OnPaneNotify)}},
    };
}

// -------------------------------------------------------- the library's side

std::string Name(ITypeInfo* info, MEMBERID member = MEMBERID_NIL) {
    BSTR name = nullptr;
    info->GetDocumentation(member, &name, nullptr, nullptr, nullptr);
    const std::wstring wide = name != nullptr ? name : L"";
    SysFreeString(name);
    return std::string(wide.begin(), wide.end());
}

// A copy of the type's attributes: the fields read here hold no pointers.
TYPEATTR AttrOf(ITypeInfo* info) {
    TYPEATTR copy{};
    TYPEATTR* attr = nullptr;
    if (SUCCEEDED(info->GetTypeAttr(&attr))) {
        copy = *attr;
        info->ReleaseTypeAttr(attr);
    }
    return copy;
}

CComPtr<ITypeInfo> Referenced(ITypeInfo* info, HREFTYPE ref) {
    CComPtr<ITypeInfo> referenced;
    info->GetRefTypeInfo(ref, referenced.ReleaseAndGetAddressOf());
    return referenced;
}

// The vtable that `info` describes, base interfaces first.
std::vector<Slot> Vtable(ITypeInfo* info) {
    CComPtr<ITypeInfo> described(info);
    HREFTYPE ref = 0;
    // The vtable half of a dual interface.
    if (AttrOf(info).typekind == TKIND_DISPATCH && SUCCEEDED(info->GetRefTypeOfImplType(~0u, &ref)))
        described = Referenced(info, ref);
    const TYPEATTR attr = AttrOf(described.Get());
    std::vector<Slot> slots;
    if (attr.cImplTypes > 0 && SUCCEEDED(described->GetRefTypeOfImplType(0, &ref)))
        slots = Vtable(Referenced(described.Get(), ref).Get());
    // The library's slot width, read from the library itself: the first own
    // slot follows the base's (Wine reports the offsets of a 32-bit library
    // in the reader's pointer size, so its SYSKIND does not tell).
    const size_t inherited = slots.size();
    UINT width = sizeof(void*);
    for (UINT i = 0; i < attr.cFuncs; ++i) {
        FUNCDESC* func = nullptr;
        if (FAILED(described->GetFuncDesc(i, &func))) continue;
        if (i == 0 && inherited > 0) width = static_cast<UINT>(func->oVft) / inherited;
        if (i == 1 && inherited == 0) width = static_cast<UINT>(func->oVft);
        const char* accessor = func->invkind == INVOKE_PROPERTYGET   ? "get_"
                               : func->invkind == INVOKE_PROPERTYPUT ? "put_"
                                                                     : "";
        slots.push_back({static_cast<UINT>(func->oVft) / std::max(width, 1u),
                         accessor + Name(described.Get(), func->memid), static_cast<UINT>(func->cParams)});
        described->ReleaseFuncDesc(func);
    }
    return slots;
}

struct Library {
    const char* label;
    std::wstring (*path)();
    SYSKIND syskind;
    ULONG deviceInfoSize;  // CDeviceInfo with 16-bit characters
};

std::ostream& operator<<(std::ostream& out, const Library& library) { return out << library.label; }

class InterfaceContract : public testing::TestWithParam<Library> {
  protected:
    void SetUp() override {
        const std::wstring path = GetParam().path();
        ASSERT_FALSE(path.empty());
        ASSERT_EQ(S_OK, LoadTypeLibEx(path.c_str(), REGKIND_NONE, m_pLibrary.ReleaseAndGetAddressOf()));
    }

    // Every entry of the library of `kind` (dispatch interfaces: dual ones
    // when `dual`, plain dispinterfaces otherwise), by name.
    std::map<std::string, CComPtr<ITypeInfo>> Entries(TYPEKIND kind, bool dual = false) {
        std::map<std::string, CComPtr<ITypeInfo>> entries;
        for (UINT i = 0; i < m_pLibrary->GetTypeInfoCount(); ++i) {
            CComPtr<ITypeInfo> info;
            m_pLibrary->GetTypeInfo(i, info.ReleaseAndGetAddressOf());
            const TYPEATTR attr = AttrOf(info.Get());
            if (attr.typekind == kind && (kind != TKIND_DISPATCH || ((attr.wTypeFlags & TYPEFLAG_FDUAL) != 0) == dual))
                entries[Name(info.Get())] = info;
        }
        return entries;
    }

    CComPtr<ITypeLib> m_pLibrary;
};

TEST_P(InterfaceContract, EverySlotOfEveryLibraryInterfaceIsTheCppMethodOfItsName) {
    const auto cxx = CppInterfaces();
    auto interfaces = Entries(TKIND_INTERFACE);
    interfaces.merge(Entries(TKIND_DISPATCH, true));
    std::vector<std::string> checked;
    for (const auto& [name, info] : interfaces) {
        SCOPED_TRACE(name);
        const auto declared = cxx.find(name);
        ASSERT_NE(cxx.end(), declared) << "no C++ declaration";
        EXPECT_EQ(Texts(declared->second), Texts(Vtable(info.Get())));
        checked.push_back(name);
    }
    const std::vector<std::string> expected = {"IDeviceTransfer", "IDummyDispatch", "IMenuCtrl", "IPluginText"};
    EXPECT_EQ(expected, checked);
}

// The library lists the events it declares; those it leaves out (7 to 10)
// exist only in Kestrel.h. Enumerators by "enumeration.name".
TEST_P(InterfaceContract, EveryEventAndEnumeratorOfTheLibraryHasTheCppValue) {
    const std::map<std::string, LONG> cxx = {
        {"DeleteProgramRequest", DISPID_DeleteProgramRequest},
        {"OnDragEnter", DISPID_OnDragEnter},
        {"OnDragOver", DISPID_OnDragOver},
        {"OnDragLeave", DISPID_OnDragLeave},
        {"OnDrop", DISPID_OnDrop},
        {"OnProgramDetailes", DISPID_OnProgramDetailes},
        {"OnTabOrderWindow", DISPID_OnTabOrderWindow},
        {"BeforePopup", DISPID_BeforePopup},
        {"AfterPopup", DISPID_AfterPopup},
        {"DEVICE_INFO_FIELDS.DEV_NAME", DEV_NAME},
        {"DEVICE_INFO_FIELDS.TOTAL_MEM", TOTAL_MEM},
        {"DEVICE_INFO_FIELDS.USED_MEMORY", USED_MEMORY},
        {"DEVICE_INFO_FIELDS.DEVICE_IMAGE", DEVICE_IMAGE},
        {"DEVICE_INFO_FIELDS.DEVICE_CONFIG_INTERFACE", DEVICE_CONFIG_INTERFACE},
        {"DISPLAY_MODE.DEVICE_VIEW", DEVICE_VIEW},
        {"DISPLAY_MODE.TRANSFER_LIST_VIEW", TRANSFER_LIST_VIEW},
        {"DISPLAY_MODE.CDBURN_VIEW", CDBURN_VIEW},
    };
    std::map<std::string, LONG> library;
    for (const auto& [name, events] : Entries(TKIND_DISPATCH, false)) {
        for (UINT i = 0; i < AttrOf(events.Get()).cFuncs; ++i) {
            FUNCDESC* func = nullptr;
            ASSERT_EQ(S_OK, events->GetFuncDesc(i, &func));
            library[Name(events.Get(), func->memid)] = func->memid;
            events->ReleaseFuncDesc(func);
        }
    }
    for (const auto& [name, enumeration] : Entries(TKIND_ENUM)) {
        for (UINT i = 0; i < AttrOf(enumeration.Get()).cVars; ++i) {
            VARDESC* var = nullptr;
            ASSERT_EQ(S_OK, enumeration->GetVarDesc(i, &var));
            VARIANT value;
            VariantInit(&value);
            EXPECT_EQ(S_OK, VariantChangeType(&value, var->lpvarValue, 0, VT_I4));
            library[name + "." + Name(enumeration.Get(), var->memid)] = V_I4(&value);
            enumeration->ReleaseVarDesc(var);
        }
    }
    EXPECT_EQ(cxx, library);
}

// Records with 16-bit characters: CDeviceProgram 1,636 bytes, CDeviceInfo
// 544 (552 with 64-bit pointers); the code itself passes the 8-bit layout.
TEST_P(InterfaceContract, LibraryHasTheHeadersIdentityAndDeclaresTheRecordsWith16BitCharacters) {
    TLIBATTR* attr = nullptr;
    ASSERT_EQ(S_OK, m_pLibrary->GetLibAttr(&attr));
    EXPECT_TRUE(IsEqualGUID(LIBID_KESTRELLib, attr->guid));
    EXPECT_EQ(GetParam().syskind, attr->syskind);
    m_pLibrary->ReleaseTLibAttr(attr);
    for (const auto& [name, size] : {std::pair{"CDeviceProgram", 1636ul}, {"CDeviceInfo", GetParam().deviceInfoSize}}) {
        const auto alias = Entries(TKIND_ALIAS)[name];
        ASSERT_TRUE(alias) << name;
        const CComPtr<ITypeInfo> record = Referenced(alias.Get(), AttrOf(alias.Get()).tdescAlias.hreftype);
        ASSERT_TRUE(record) << name;
        EXPECT_EQ(size, AttrOf(record.Get()).cbSizeInstance) << name;
    }
}

// The DLL under test embeds the library of its own build: x64 under wine64,
// the product itself in the i686 guest.
#ifdef _WIN64
const Library kEmbeddedLibrary{"EmbeddedInTheX64Dll", KestrelDllPath, SYS_WIN64, 552};
#else
const Library kEmbeddedLibrary{"EmbeddedInTheI686Dll", KestrelDllPath, SYS_WIN32, 544};
#endif

INSTANTIATE_TEST_SUITE_P(BothBuilds, InterfaceContract,
                         testing::Values(kEmbeddedLibrary,
                                         Library{"Win32Library", KestrelTypeLib32Path, SYS_WIN32, 544}),
                         [](const testing::TestParamInfo<Library>& info) { return info.param.label; });

// Interfaces that the library does not describe keep the slot order of
// their documentation.
TEST(InterfaceContractOutsideTheLibrary, EachSlotIsTheDocumentedMethod) {
    const std::map<std::string, std::vector<std::string>> documented = {
        {"IAccessibleOwner",
         {"0 QueryInterface/2", "1 AddRef/0", "2 Release/0", "3 SetProxy/1", "4 GetWindowHandle/1", "5 Reserved/1"}},
        {"IPluginDevicePane",
         {"0 AddRef/0", "1 Release/0", "2 CreatePaneWindow/2", "3 SetPaneSite/1", "4 ClosePane/0"}},
        {"IPluginPaneSite", {"0 AddRef/0", "1 Release/0", "2 OnPaneNotify/0"}},
    };
    auto cxx = CppInterfaces();
    for (const auto& [name, slots] : documented) EXPECT_EQ(slots, Texts(cxx[name])) << name;
}

TEST(TypeLibraryResource, IsStoredOnceUnderFrench) {
    HMODULE dll = LoadLibraryExW(KestrelDllPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, dll);
    for (const auto& [language, present] : {std::pair{LANG_FRENCH, true}, {LANG_ENGLISH, false}, {LANG_GERMAN, false}})
        EXPECT_EQ(present, FindResourceExW(dll, L"TYPELIB", MAKEINTRESOURCEW(1),
                                           MAKELANGID(language, SUBLANG_DEFAULT)) != nullptr)
            << "language " << language;
    FreeLibrary(dll);
}

}  // namespace
