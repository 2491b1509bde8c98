// KitCheck <folder>: what a host team does first with the kit unpacked in
// <folder>, after "regsvr32 Kestrel.dll": it finds both classes in the kit's
// type library, creates each control by its ProgID from the kit's own DLL
// and embeds it in a window. One line per check; the exit status counts the
// failures. Run by check_kit.sh in a fresh Wine prefix.
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <cstdio>
#include <string>

#include "container/ControlSite.h"
#include "container/OleSession.h"
#include "module/ComPtr.h"

namespace {

int g_nFailures = 0;

void Check(bool passed, const std::wstring& what) {
    std::wprintf(L"%ls %ls\n", passed ? L"ok" : L"FAILED:", what.c_str());
    g_nFailures += passed ? 0 : 1;
}

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40] = L"";
    StringFromGUID2(guid, text, 40);
    return text;
}

// The name of the coclass of `clsid` in `library`; empty when absent.
std::wstring Coclass(ITypeLib* library, REFCLSID clsid) {
    CComPtr<ITypeInfo> info;
    BSTR name = nullptr;
    if (FAILED(library->GetTypeInfoOfGuid(clsid, info.ReleaseAndGetAddressOf())) ||
        FAILED(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr)))
        return L"";
    const std::wstring text = name != nullptr ? name : L"";
    SysFreeString(name);
    return text;
}

std::wstring RegisteredServer(REFGUID clsid) {
    const std::wstring key = L"CLSID\\" + GuidText(clsid) + L"\\InprocServer32";
    wchar_t path[MAX_PATH] = L"";
    DWORD size = sizeof path;
    RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, path, &size);
    return path;
}

std::wstring WindowClass(HWND window) {
    wchar_t name[64] = L"";
    return std::wstring(name, window != nullptr ? GetClassNameW(window, name, 64) : 0);
}

struct CControl {
    const wchar_t* coclass;
    const wchar_t* progId;
    const wchar_t* windowClass;
};

void CheckControl(ITypeLib* library, const CControl& control, const std::wstring& dll, HWND parent) {
    const std::wstring name = control.progId;
    CLSID clsid{};
    Check(SUCCEEDED(CLSIDFromProgID(control.progId, &clsid)) && Coclass(library, clsid) == control.coclass,
          name + L" is registered as the library's coclass " + control.coclass);
    Check(lstrcmpiW(RegisteredServer(clsid).c_str(), dll.c_str()) == 0,
          name + L" is served by the kit's DLL (" + RegisteredServer(clsid) + L")");

    CComPtr<IUnknown> object;
    const HRESULT created =
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(object.ReleaseAndGetAddressOf()));
    Check(SUCCEEDED(created), name + L" is created by ProgID");
    if (FAILED(created)) return;
    CComPtr<CControlSite> site = CControlSite::Create(parent, RECT{0, 0, 400, 200});
    const bool embedded = site && SUCCEEDED(site->Embed(object.Get())) && SUCCEEDED(site->Activate());
    Check(embedded && WindowClass(site->ControlWindow()) == control.windowClass,
          name + L" is embedded in place in a window of class \"" +
              WindowClass(site ? site->ControlWindow() : nullptr) + L"\"");
    if (site) site->Close();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fwprintf(stderr, L"usage: KitCheck <folder of the unpacked kit>\n");
        return 2;
    }
    const std::wstring folder = std::wstring(argv[1]) + L"\\";
    COleSession ole;
    if (FAILED(ole.Result())) return 2;

    CComPtr<ITypeLib> library;
    Check(SUCCEEDED(LoadTypeLibEx((folder + L"Kestrel.tlb").c_str(), REGKIND_NONE, library.ReleaseAndGetAddressOf())),
          L"LoadTypeLibEx loads the kit's Kestrel.tlb");
    if (!library) return 1;

    const HWND parent = CreateWindowExW(0, L"STATIC", L"Kestrel kit", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 600,
                                        400, nullptr, nullptr, nullptr, nullptr);
    Check(parent != nullptr, L"a host window");
    const CControl controls[] = {{L"DeviceTransfer", L"Tessaly.DeviceTransfer.1", L"Lanthorn DeviceView"},
                                 {L"MenuCtrl", L"Menu.id", L"Menu Control class"}};
    for (const CControl& control : controls) CheckControl(library.Get(), control, folder + L"Kestrel.dll", parent);
    DestroyWindow(parent);
    return g_nFailures;
}
