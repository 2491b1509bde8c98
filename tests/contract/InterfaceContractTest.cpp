// The contract is declared twice: in Kestrel.h for the code on both sides of
// the in-process interfaces, and in the type library for tools. Here every
// slot that the library describes is called, through DispCallFunc at the
// library's own vtable offset, on an object that implements the C++
// declaration and records which of its methods ran: the two declarations
// agree when the method that ran has the library's name and parameter
// count. Parameter types are left out on purpose (the library declares the
// records with 16-bit characters, and handles differ by build). Enumerators
// and event DISPIDs are compared by name and value.
#include "module/Kestrel.h"
#include "support/BuildPaths.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "module/ComPtr.h"

namespace {

// ------------------------------------------------- recording implementations

template <class R, class C, class... Args>
constexpr UINT Arity(R (STDMETHODCALLTYPE C::*)(Args...)) {
    return sizeof...(Args);
}

class CRecorder {
  public:
    void Forget() {
        m_strCalled.clear();
        m_nArguments = 0;
    }
    const std::string& Called() const { return m_strCalled; }
    UINT Arguments() const { return m_nArguments; }

  protected:
    // `function` is the name of the member that ran, `declared` the one whose
    // parameters were counted: a recorder written under the wrong method
    // shows up as both.
    long Record(const char* function, const char* declared, UINT arguments) {
        m_strCalled = std::strcmp(function, declared) == 0 ? function : std::string(function) + "/" + declared;
        m_nArguments = arguments;
        return 0;
    }

  private:
    std::string m_strCalled;
    UINT m_nArguments = 0;
};

#define RECORD(method) return Record(__func__, #method, Arity(&Declared::method))

// Declared after the interface's own slots, so that a library slot beyond
// the C++ declaration lands here instead of outside the vtable (the
// interface is the primary base: the class's new virtual functions follow
// its slots).
#define RECORDED_END \
    virtual long STDMETHODCALLTYPE BeyondTheCppDeclaration() { return Record(__func__, __func__, 0); }

// clang-format off
#define RECORDED_IUNKNOWN                                                                                    \
    STDMETHODIMP QueryInterface(REFIID, void**) override { return Record(__func__, "QueryInterface", 2); }   \
    STDMETHODIMP_(ULONG) AddRef() override { RECORD(AddRef); }                                               \
    STDMETHODIMP_(ULONG) Release() override { RECORD(Release); }

#define RECORDED_IDISPATCH                                                                                   \
    STDMETHODIMP GetTypeInfoCount(UINT*) override { RECORD(GetTypeInfoCount); }                              \
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { RECORD(GetTypeInfo); }                      \
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { RECORD(GetIDsOfNames); }   \
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {     \
        RECORD(Invoke);                                                                                      \
    }

// IDummyDispatch has no members of its own: its C++ face is IDispatch.
class CRecordingDispatch final : public IDispatch, public CRecorder {
    using Declared = IDispatch;

  public:
    RECORDED_IUNKNOWN
    RECORDED_IDISPATCH
    RECORDED_END
};

class CRecordingDeviceTransfer final : public IDeviceTransfer, public CRecorder {
    using Declared = IDeviceTransfer;

  public:
    RECORDED_IUNKNOWN
    STDMETHODIMP_(long) GetItemsCount() override { RECORD(GetItemsCount); }
    STDMETHODIMP AddProgram(CDeviceProgram*) override { RECORD(AddProgram); }
    STDMETHODIMP RemoveProgram(int) override { RECORD(RemoveProgram); }
    STDMETHODIMP GetProgramProperties(int, CDeviceProgram*) override { RECORD(GetProgramProperties); }
    STDMETHODIMP SetDeviceConnection(int, int, LPCSTR) override { RECORD(SetDeviceConnection); }
    STDMETHODIMP SetDeviceInfo(CDeviceInfo) override { RECORD(SetDeviceInfo); }
    STDMETHODIMP GetDeviceInfo(CDeviceInfo*) override { RECORD(GetDeviceInfo); }
    STDMETHODIMP RemoveAllPrograms() override { RECORD(RemoveAllPrograms); }
    STDMETHODIMP_(long) GetSelCount() override { RECORD(GetSelCount); }
    STDMETHODIMP GetSelItems(int*, int) override { RECORD(GetSelItems); }
    STDMETHODIMP ShowSelectedProgramDetails() override { RECORD(ShowSelectedProgramDetails); }
    STDMETHODIMP SetImageList(void*) override { RECORD(SetImageList); }
    STDMETHODIMP SetDisplayMode(DISPLAY_MODE) override { RECORD(SetDisplayMode); }
    STDMETHODIMP_(long) GetDisplayMode() override { RECORD(GetDisplayMode); }
    STDMETHODIMP UpdateProgram(int, CDeviceProgram*, long) override { RECORD(UpdateProgram); }
    STDMETHODIMP SetFocus() override { RECORD(SetFocus); }
    STDMETHODIMP CreateProgramAdjustDialog(CDeviceProgram*, int) override { RECORD(CreateProgramAdjustDialog); }
    STDMETHODIMP SetTransferProgram(LPCSTR) override { RECORD(SetTransferProgram); }
    STDMETHODIMP SetAboutDeviceText(LPCSTR) override { RECORD(SetAboutDeviceText); }
    STDMETHODIMP SetRedraw(long) override { RECORD(SetRedraw); }
    RECORDED_END
};

class CRecordingPluginText final : public IPluginText, public CRecorder {
    using Declared = IPluginText;

  public:
    RECORDED_IUNKNOWN
    STDMETHODIMP LockPluginText(long) override { RECORD(LockPluginText); }
    STDMETHODIMP SetPluginText(int, LPCSTR) override { RECORD(SetPluginText); }
    RECORDED_END
};

// Parameter types as Kestrel.h has them today; the check does not depend on
// them, only on their number and the order of the slots.
class CRecordingMenuCtrl final : public IMenuCtrl, public CRecorder {
    using Declared = IMenuCtrl;

  public:
    RECORDED_IUNKNOWN
    RECORDED_IDISPATCH
    STDMETHODIMP put_BackColor(OLE_COLOR) override { RECORD(put_BackColor); }
    STDMETHODIMP get_BackColor(OLE_COLOR*) override { RECORD(get_BackColor); }
    STDMETHODIMP put_ForeColor(OLE_COLOR) override { RECORD(put_ForeColor); }
    STDMETHODIMP get_ForeColor(OLE_COLOR*) override { RECORD(get_ForeColor); }
    STDMETHODIMP put_Owner(OLE_HANDLE) override { RECORD(put_Owner); }
    STDMETHODIMP get_Owner(OLE_HANDLE*) override { RECORD(get_Owner); }
    STDMETHODIMP put_Menu(OLE_HANDLE) override { RECORD(put_Menu); }
    STDMETHODIMP get_Menu(OLE_HANDLE*) override { RECORD(get_Menu); }
    STDMETHODIMP put_ImageList(IMAGELIST_HANDLE) override { RECORD(put_ImageList); }
    STDMETHODIMP get_ImageList(IMAGELIST_HANDLE*) override { RECORD(get_ImageList); }
    STDMETHODIMP put_MenuColor(OLE_COLOR) override { RECORD(put_MenuColor); }
    STDMETHODIMP get_MenuColor(OLE_COLOR*) override { RECORD(get_MenuColor); }
    STDMETHODIMP put_MenuTextColor(OLE_COLOR) override { RECORD(put_MenuTextColor); }
    STDMETHODIMP get_MenuTextColor(OLE_COLOR*) override { RECORD(get_MenuTextColor); }
    STDMETHODIMP put_Orientation(short) override { RECORD(put_Orientation); }
    STDMETHODIMP get_Orientation(short*) override { RECORD(get_Orientation); }
    STDMETHODIMP SetMenuItemImage(long, long) override { RECORD(SetMenuItemImage); }
    STDMETHODIMP AutoSize(long*) override { RECORD(AutoSize); }
    STDMETHODIMP GetItemRect(short, LONG_PTR) override { RECORD(GetItemRect); }
    RECORDED_END
};

// The interfaces that the library does not describe.
class CRecordingAccessibleOwner final : public IAccessibleOwner, public CRecorder {
    using Declared = IAccessibleOwner;

  public:
    RECORDED_IUNKNOWN
    STDMETHODIMP SetProxy(IUnknown*) override { RECORD(SetProxy); }
    STDMETHODIMP GetWindowHandle(HWND*) override { RECORD(GetWindowHandle); }
    STDMETHODIMP Reserved(long*) override { RECORD(Reserved); }
    RECORDED_END
};

class CRecordingPluginDevicePane final : public IPluginDevicePane, public CRecorder {
    using Declared = IPluginDevicePane;

  public:
    STDMETHODIMP_(ULONG) AddRef() override { RECORD(AddRef); }
    STDMETHODIMP_(ULONG) Release() override { RECORD(Release); }
    STDMETHODIMP CreatePaneWindow(HWND, HWND*) override { RECORD(CreatePaneWindow); }
    STDMETHODIMP SetPaneSite(IPluginPaneSite*) override { RECORD(SetPaneSite); }
    STDMETHODIMP ClosePane() override { RECORD(ClosePane); }
    RECORDED_END
};

class CRecordingPluginPaneSite final : public IPluginPaneSite, public CRecorder {
    using Declared = IPluginPaneSite;

  public:
    STDMETHODIMP_(ULONG) AddRef() override { RECORD(AddRef); }
    STDMETHODIMP_(ULONG) Release() override { RECORD(Release); }
    STDMETHODIMP OnPaneNotify() override { RECORD(OnPaneNotify); }
    RECORDED_END
};

// clang-format on

// One implementation of every C++ interface, by the name the library uses.
struct CImplementations {
    CRecordingDispatch m_dummyDispatch;
    CRecordingDeviceTransfer m_deviceTransfer;
    CRecordingPluginText m_pluginText;
    CRecordingMenuCtrl m_menuCtrl;

    struct Target {
        void* pObject;
        CRecorder* pRecorder;
    };
    Target Find(const std::wstring& name) {
        if (name == L"IDummyDispatch") return {static_cast<IDispatch*>(&m_dummyDispatch), &m_dummyDispatch};
        if (name == L"IDeviceTransfer") return {static_cast<IDeviceTransfer*>(&m_deviceTransfer), &m_deviceTransfer};
        if (name == L"IPluginText") return {static_cast<IPluginText*>(&m_pluginText), &m_pluginText};
        if (name == L"IMenuCtrl") return {static_cast<IMenuCtrl*>(&m_menuCtrl), &m_menuCtrl};
        return {nullptr, nullptr};
    }
};

// ------------------------------------------------------- the library's side

std::wstring TakeBstr(BSTR text) {
    std::wstring value = text != nullptr ? text : L"";
    SysFreeString(text);
    return value;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

std::wstring Name(ITypeInfo* info, MEMBERID member = MEMBERID_NIL) {
    BSTR name = nullptr;
    info->GetDocumentation(member, &name, nullptr, nullptr, nullptr);
    return TakeBstr(name);
}

class CTypeAttr {
  public:
    explicit CTypeAttr(ITypeInfo* info) : m_pInfo(info) { info->GetTypeAttr(&m_pAttr); }
    ~CTypeAttr() {
        if (m_pAttr != nullptr) m_pInfo->ReleaseTypeAttr(m_pAttr);
    }
    CTypeAttr(const CTypeAttr&) = delete;
    CTypeAttr& operator=(const CTypeAttr&) = delete;
    const TYPEATTR* operator->() const { return m_pAttr; }

  private:
    ITypeInfo* m_pInfo;
    TYPEATTR* m_pAttr = nullptr;
};

// How an argument of the library's type travels: integers as themselves,
// everything that is an address (pointers, strings, interfaces, and records
// passed by value, which the x64 convention passes by address) as a
// pointer-sized integer.
constexpr VARTYPE kAddress = sizeof(void*) == 8 ? VT_I8 : VT_I4;
constexpr bool kRecordsTravelByAddress = sizeof(void*) == 8;

VARTYPE CallType(ITypeInfo* info, const TYPEDESC& type) {
    switch (type.vt) {
        case VT_USERDEFINED: {
            ComPtr<ITypeInfo> referenced;
            if (FAILED(info->GetRefTypeInfo(type.hreftype, referenced.ReleaseAndGetAddressOf()))) return kAddress;
            const CTypeAttr attr(referenced.Get());
            if (attr->typekind == TKIND_ENUM) return VT_I4;
            if (attr->typekind == TKIND_ALIAS) return CallType(referenced.Get(), attr->tdescAlias);
            return kAddress;
        }
        case VT_HRESULT:
            return VT_ERROR;
        case VT_VOID:
            return VT_EMPTY;
        case VT_I1:
        case VT_UI1:
        case VT_I2:
        case VT_UI2:
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_I8:
        case VT_UI8:
        case VT_BOOL:
        case VT_ERROR:
        case VT_R4:
        case VT_R8:
            return type.vt;
        default:
            return kAddress;
    }
}

// The size of a record as it crosses the interface in process: the
// library declares its characters 16 bits wide, the code passes 8-bit ones.
size_t InProcessSize(const std::wstring& record) {
    if (record == L"CDeviceInfo") return sizeof(CDeviceInfo);
    if (record == L"CDeviceProgram") return sizeof(CDeviceProgram);
    return 0;
}

// What a parameter puts on the call: one value, or on i686 a record passed
// by value as the 32-bit words of its copy on the stack.
std::vector<VARTYPE> CallWords(ITypeInfo* info, const TYPEDESC& type) {
    if (!kRecordsTravelByAddress && type.vt == VT_USERDEFINED) {
        ComPtr<ITypeInfo> referenced;
        if (SUCCEEDED(info->GetRefTypeInfo(type.hreftype, referenced.ReleaseAndGetAddressOf()))) {
            const size_t size = InProcessSize(Name(referenced.Get(), MEMBERID_NIL));
            if (size != 0) return std::vector<VARTYPE>((size + 3) / 4, VT_I4);
        }
    }
    return {CallType(info, type)};
}

struct Slot {
    UINT index;
    std::wstring name;
    size_t count;                     // parameters, as the method declares them
    std::vector<VARTYPE> parameters;  // the values the call pushes for them
    VARTYPE result;
};

// The vtable that `info` describes, base interfaces first.
std::vector<Slot> Vtable(ITypeInfo* info) {
    std::vector<Slot> slots;
    ComPtr<ITypeInfo> described(info);
    {
        const CTypeAttr attr(info);
        if (attr->typekind == TKIND_DISPATCH) {
            // The vtable half of a dual interface.
            HREFTYPE vtableHalf = 0;
            if (FAILED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableHalf)) ||
                FAILED(info->GetRefTypeInfo(vtableHalf, described.ReleaseAndGetAddressOf())))
                return slots;
        }
    }
    const CTypeAttr attr(described.Get());
    if (attr->cImplTypes > 0) {
        HREFTYPE base = 0;
        ComPtr<ITypeInfo> baseInfo;
        if (SUCCEEDED(described->GetRefTypeOfImplType(0, &base)) &&
            SUCCEEDED(described->GetRefTypeInfo(base, baseInfo.ReleaseAndGetAddressOf())))
            slots = Vtable(baseInfo.Get());
    }
    // The library's slot width, read from the library itself: the first own
    // slot follows the base's (Wine reports the offsets of a 32-bit library
    // in the reader's pointer size, so its SYSKIND does not tell).
    std::vector<FUNCDESC*> functions;
    for (UINT i = 0; i < attr->cFuncs; ++i) {
        FUNCDESC* func = nullptr;
        if (SUCCEEDED(described->GetFuncDesc(i, &func))) functions.push_back(func);
    }
    UINT width = sizeof(void*);
    if (!functions.empty() && !slots.empty())
        width = static_cast<UINT>(functions[0]->oVft) / static_cast<UINT>(slots.size());
    else if (functions.size() > 1)
        width = static_cast<UINT>(functions[1]->oVft);
    if (width == 0) width = sizeof(void*);
    for (FUNCDESC* func : functions) {
        const wchar_t* accessor = func->invkind == INVOKE_PROPERTYGET      ? L"get_"
                                  : func->invkind == INVOKE_PROPERTYPUT    ? L"put_"
                                  : func->invkind == INVOKE_PROPERTYPUTREF ? L"putref_"
                                                                           : L"";
        Slot slot{static_cast<UINT>(func->oVft) / width,
                  accessor + Name(described.Get(), func->memid),
                  static_cast<size_t>(func->cParams),
                  {},
                  CallType(described.Get(), func->elemdescFunc.tdesc)};
        for (SHORT p = 0; p < func->cParams; ++p) {
            const std::vector<VARTYPE> words = CallWords(described.Get(), func->lprgelemdescParam[p].tdesc);
            slot.parameters.insert(slot.parameters.end(), words.begin(), words.end());
        }
        slots.push_back(slot);
        described->ReleaseFuncDesc(func);
    }
    return slots;
}

// Calls slot `index` of `object` with zeros and null-free addresses of the
// given types. The recorders read none of their arguments.
HRESULT CallSlot(void* object, UINT index, const std::vector<VARTYPE>& parameters, VARTYPE result) {
    alignas(16) static std::array<unsigned char, 4096> scratch{};
    std::vector<VARIANT> values(parameters.size());
    std::vector<VARIANTARG*> arguments;
    std::vector<VARTYPE> types(parameters);
    for (size_t i = 0; i < values.size(); ++i) {
        VariantInit(&values[i]);
        V_VT(&values[i]) = types[i];
        if (types[i] == kAddress) V_I8(&values[i]) = static_cast<LONGLONG>(reinterpret_cast<INT_PTR>(scratch.data()));
        arguments.push_back(&values[i]);
    }
    VARIANT returned;
    VariantInit(&returned);
    return DispCallFunc(object, index * sizeof(void*), CC_STDCALL, result, static_cast<UINT>(types.size()),
                        types.data(), arguments.data(), &returned);
}

class InterfaceContract : public testing::TestWithParam<std::wstring (*)()> {
  protected:
    void SetUp() override {
        const std::wstring path = GetParam()();
        ASSERT_FALSE(path.empty());
        ASSERT_EQ(S_OK, LoadTypeLibEx(path.c_str(), REGKIND_NONE, m_pLibrary.ReleaseAndGetAddressOf()));
    }

    // Every entry of the library of `kind` (dispatch interfaces: dual ones
    // when `dual`, plain dispinterfaces otherwise).
    std::vector<ComPtr<ITypeInfo>> Entries(TYPEKIND kind, bool dual = false) {
        std::vector<ComPtr<ITypeInfo>> entries;
        for (UINT i = 0; i < m_pLibrary->GetTypeInfoCount(); ++i) {
            ComPtr<ITypeInfo> info;
            m_pLibrary->GetTypeInfo(i, info.ReleaseAndGetAddressOf());
            const CTypeAttr attr(info.Get());
            if (attr->typekind != kind) continue;
            if (kind == TKIND_DISPATCH && ((attr->wTypeFlags & TYPEFLAG_FDUAL) != 0) != dual) continue;
            entries.push_back(info);
        }
        return entries;
    }

    ComPtr<ITypeLib> m_pLibrary;
};

void ExpectSlotsRunTheirMethods(const std::wstring& name, const std::vector<Slot>& slots,
                                CImplementations::Target target) {
    ASSERT_NE(nullptr, target.pObject) << "no C++ declaration is checked for " << Narrow(name);
    for (const Slot& slot : slots) {
        target.pRecorder->Forget();
        ASSERT_EQ(S_OK, CallSlot(target.pObject, slot.index, slot.parameters, slot.result))
            << Narrow(name) << " slot " << slot.index;
        EXPECT_EQ(Narrow(slot.name), target.pRecorder->Called()) << Narrow(name) << " slot " << slot.index;
        EXPECT_EQ(slot.count, target.pRecorder->Arguments())
            << Narrow(name) << "::" << Narrow(slot.name) << " parameters";
    }
}

TEST_P(InterfaceContract, EverySlotOfEveryLibraryInterfaceRunsTheCppMethodOfItsName) {
    CImplementations implementations;
    std::vector<ComPtr<ITypeInfo>> interfaces = Entries(TKIND_INTERFACE);
    for (const ComPtr<ITypeInfo>& dual : Entries(TKIND_DISPATCH, true)) interfaces.push_back(dual);
    std::vector<std::wstring> checked;
    for (const ComPtr<ITypeInfo>& info : interfaces) {
        const std::wstring name = Name(info.Get());
        const std::vector<Slot> slots = Vtable(info.Get());
        ASSERT_FALSE(slots.empty()) << Narrow(name);
        for (UINT i = 0; i < slots.size(); ++i) EXPECT_EQ(i, slots[i].index) << Narrow(name) << " has a gap";
        ExpectSlotsRunTheirMethods(name, slots, implementations.Find(name));
        checked.push_back(name);
    }
    const std::vector<std::wstring> expected = {L"IDeviceTransfer", L"IPluginText", L"IDummyDispatch", L"IMenuCtrl"};
    EXPECT_EQ(expected, checked);
}

// The library lists the events it declares; those it leaves out (7 to 10)
// exist only in Kestrel.h.
TEST_P(InterfaceContract, EveryEventOfTheLibraryHasTheCppDispid) {
    const std::map<std::wstring, DISPID> cxx = {
        {L"DeleteProgramRequest", DISPID_DeleteProgramRequest},
        {L"OnDragEnter", DISPID_OnDragEnter},
        {L"OnDragOver", DISPID_OnDragOver},
        {L"OnDragLeave", DISPID_OnDragLeave},
        {L"OnDrop", DISPID_OnDrop},
        {L"OnProgramDetailes", DISPID_OnProgramDetailes},
        {L"OnTabOrderWindow", DISPID_OnTabOrderWindow},
        {L"BeforePopup", DISPID_BeforePopup},
        {L"AfterPopup", DISPID_AfterPopup},
    };
    size_t seen = 0;
    for (const ComPtr<ITypeInfo>& events : Entries(TKIND_DISPATCH, false)) {
        const CTypeAttr attr(events.Get());
        for (UINT i = 0; i < attr->cFuncs; ++i) {
            FUNCDESC* func = nullptr;
            ASSERT_EQ(S_OK, events->GetFuncDesc(i, &func));
            const std::wstring name = Name(events.Get(), func->memid);
            const auto declared = cxx.find(name);
            if (declared == cxx.end())
                ADD_FAILURE() << Narrow(name) << " has no DISPID in Kestrel.h";
            else
                EXPECT_EQ(declared->second, func->memid) << Narrow(name);
            ++seen;
            events->ReleaseFuncDesc(func);
        }
    }
    EXPECT_EQ(cxx.size(), seen);
}

TEST_P(InterfaceContract, EveryEnumerationOfTheLibraryHasTheCppValues) {
    using Values = std::map<std::wstring, LONG>;
    const std::map<std::wstring, Values> cxx = {
        {L"DEVICE_INFO_FIELDS",
         {{L"DEV_NAME", DEV_NAME},
          {L"TOTAL_MEM", TOTAL_MEM},
          {L"USED_MEMORY", USED_MEMORY},
          {L"DEVICE_IMAGE", DEVICE_IMAGE},
          {L"DEVICE_CONFIG_INTERFACE", DEVICE_CONFIG_INTERFACE}}},
        {L"DISPLAY_MODE",
         {{L"DEVICE_VIEW", DEVICE_VIEW}, {L"TRANSFER_LIST_VIEW", TRANSFER_LIST_VIEW}, {L"CDBURN_VIEW", CDBURN_VIEW}}},
    };
    std::map<std::wstring, Values> library;
    for (const ComPtr<ITypeInfo>& enumeration : Entries(TKIND_ENUM)) {
        Values& values = library[Name(enumeration.Get())];
        const CTypeAttr attr(enumeration.Get());
        for (UINT i = 0; i < attr->cVars; ++i) {
            VARDESC* var = nullptr;
            ASSERT_EQ(S_OK, enumeration->GetVarDesc(i, &var));
            ASSERT_EQ(VAR_CONST, var->varkind);
            VARIANT value;
            VariantInit(&value);
            ASSERT_EQ(S_OK, VariantChangeType(&value, var->lpvarValue, 0, VT_I4));
            values[Name(enumeration.Get(), var->memid)] = V_I4(&value);
            enumeration->ReleaseVarDesc(var);
        }
    }
    EXPECT_EQ(cxx, library);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, InterfaceContract, testing::Values(KestrelDllPath, KestrelTypeLib32Path),
                         [](const testing::TestParamInfo<std::wstring (*)()>& info) {
                             return info.index == 0 ? "EmbeddedInTheX64Dll" : "Win32Library";
                         });

// Interfaces that the library does not describe keep the slot order of
// their documentation.
TEST(InterfaceContractOutsideTheLibrary, EachSlotRunsTheDocumentedMethod) {
    CRecordingAccessibleOwner owner;
    CRecordingPluginDevicePane pane;
    CRecordingPluginPaneSite site;
    const struct {
        const char* name;
        CImplementations::Target target;
        std::vector<std::pair<const char*, UINT>> slots;
    } interfaces[] = {
        {"IAccessibleOwner",
         {static_cast<IAccessibleOwner*>(&owner), &owner},
         {{"QueryInterface", 2},
          {"AddRef", 0},
          {"Release", 0},
          {"SetProxy", 1},
          {"GetWindowHandle", 1},
          {"Reserved", 1}}},
        {"IPluginDevicePane",
         {static_cast<IPluginDevicePane*>(&pane), &pane},
         {{"AddRef", 0}, {"Release", 0}, {"CreatePaneWindow", 2}, {"SetPaneSite", 1}, {"ClosePane", 0}}},
        {"IPluginPaneSite",
         {static_cast<IPluginPaneSite*>(&site), &site},
         {{"AddRef", 0}, {"Release", 0}, {"OnPaneNotify", 0}}},
    };
    for (const auto& contract : interfaces) {
        std::vector<Slot> slots;
        for (const auto& [name, arguments] : contract.slots)
            slots.push_back({static_cast<UINT>(slots.size()), std::wstring(name, name + std::strlen(name)),
                             static_cast<size_t>(arguments), std::vector<VARTYPE>(arguments, kAddress), VT_ERROR});
        ExpectSlotsRunTheirMethods(std::wstring(contract.name, contract.name + std::strlen(contract.name)), slots,
                                   contract.target);
    }
}

}  // namespace
