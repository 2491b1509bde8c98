// The menu bar's parameter types as tools read them: colours and handles are
// the standard automation types of stdole, and what carries a pointer is
// pointer-sized in the x64 library.
#include "module/Kestrel.h"
#include "module/ComPtr.h"
#include "support/BuildPaths.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// "stdole.OLE_COLOR", "*stdole.OLE_HANDLE", "I4", "I8", ...
std::string TypeText(ITypeInfo* info, const TYPEDESC& type) {
    if (type.vt == VT_PTR) return "*" + TypeText(info, *type.lptdesc);
    if (type.vt != VT_USERDEFINED) {
        switch (type.vt) {
            case VT_I2:
                return "I2";
            case VT_I4:
                return "I4";
            case VT_I8:
                return "I8";
            default:
                return "vt" + std::to_string(type.vt);
        }
    }
    ComPtr<ITypeInfo> referenced;
    if (FAILED(info->GetRefTypeInfo(type.hreftype, referenced.ReleaseAndGetAddressOf()))) return "?";
    ComPtr<ITypeLib> library;
    UINT index = 0;
    referenced->GetContainingTypeLib(library.ReleaseAndGetAddressOf(), &index);
    BSTR libraryName = nullptr, name = nullptr;
    library->GetDocumentation(-1, &libraryName, nullptr, nullptr, nullptr);
    referenced->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    const std::wstring text = std::wstring(libraryName ? libraryName : L"") + L"." + (name ? name : L"");
    SysFreeString(libraryName);
    SysFreeString(name);
    return std::string(text.begin(), text.end());
}

// Member name (with "put " or "get " for properties) -> types of its parameters.
std::map<std::string, std::string> MenuCtrlSignatures(const std::wstring& path) {
    std::map<std::string, std::string> signatures;
    ComPtr<ITypeLib> library;
    if (FAILED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.ReleaseAndGetAddressOf()))) return signatures;
    ComPtr<ITypeInfo> dispatch, vtable;
    library->GetTypeInfoOfGuid(IID_IMenuCtrl, dispatch.ReleaseAndGetAddressOf());
    HREFTYPE ref = 0;
    // The dual interface's vtable half: its own members only.
    if (FAILED(dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)) ||
        FAILED(dispatch->GetRefTypeInfo(ref, vtable.ReleaseAndGetAddressOf())))
        return signatures;
    TYPEATTR* attr = nullptr;
    vtable->GetTypeAttr(&attr);
    for (UINT i = 0; i < attr->cFuncs; ++i) {
        FUNCDESC* func = nullptr;
        vtable->GetFuncDesc(i, &func);
        BSTR name = nullptr;
        vtable->GetDocumentation(func->memid, &name, nullptr, nullptr, nullptr);
        std::string key = func->invkind == INVOKE_PROPERTYPUT   ? "put "
                          : func->invkind == INVOKE_PROPERTYGET ? "get "
                                                                : "";
        key += std::string(name, name + SysStringLen(name));
        SysFreeString(name);
        std::string types;
        for (SHORT p = 0; p < func->cParams; ++p)
            types += (p ? ", " : "") + TypeText(vtable.Get(), func->lprgelemdescParam[p].tdesc);
        signatures[key] = types;
        vtable->ReleaseFuncDesc(func);
    }
    vtable->ReleaseTypeAttr(attr);
    return signatures;
}

TEST(MenuCtrlTypes, ColoursAndHandlesAreStdoleTypesAndPointersArePointerSized) {
    const std::map<std::string, std::string> common = {
        {"put BackColor", "stdole.OLE_COLOR"},
        {"get BackColor", "*stdole.OLE_COLOR"},
        {"put ForeColor", "stdole.OLE_COLOR"},
        {"get ForeColor", "*stdole.OLE_COLOR"},
        {"put MenuColor", "stdole.OLE_COLOR"},
        {"get MenuColor", "*stdole.OLE_COLOR"},
        {"put MenuTextColor", "stdole.OLE_COLOR"},
        {"get MenuTextColor", "*stdole.OLE_COLOR"},
        {"put Owner", "stdole.OLE_HANDLE"},
        {"get Owner", "*stdole.OLE_HANDLE"},
        {"put Menu", "stdole.OLE_HANDLE"},
        {"get Menu", "*stdole.OLE_HANDLE"},
        {"put Orientation", "I2"},
        {"get Orientation", "*I2"},
        {"SetMenuItemImage", "I4, I4"},
        {"AutoSize", "*I4"},
    };
    std::map<std::string, std::string> win32 = common, win64 = common;
    win32["put ImageList"] = "stdole.OLE_HANDLE";
    win32["get ImageList"] = "*stdole.OLE_HANDLE";
    win32["GetItemRect"] = "I2, I4";
    win64["put ImageList"] = "I8";
    win64["get ImageList"] = "*I8";
    win64["GetItemRect"] = "I2, I8";
    EXPECT_EQ(win32, MenuCtrlSignatures(KestrelTypeLib32Path())) << "the product's 32-bit library";
    EXPECT_EQ(sizeof(void*) == 8 ? win64 : win32, MenuCtrlSignatures(KestrelDllPath())) << "the library in the DLL";
}

}  // namespace
