#include "RegistrationTables.h"

#include <objbase.h>

#include "module/Kestrel.h"
#include "module/RegKey.h"

namespace {

const wchar_t* const kProgIds[] = {L"Tessaly.DeviceTransfer.1.1", L"Tessaly.DeviceTransfer.1", L"Menu.id.1",
                                   L"Menu.id"};

const GUID* const kInterfaces[] = {&IID_IDummyDispatch,   &DIID__IDeviceTransferEvents, &IID_IDeviceTransfer,
                                   &IID_IPluginText,      &DIID__IMenuCtrlEvents,       &IID_IMenuCtrl,
                                   &IID_IAccessibleOwner, &IID_IAccessibleProxyLink};

void ReadSubtree(HKEY parent, const std::wstring& path, RegistryContents& contents) {
    RegKey key;
    if (key.Open(parent, path, KEY_READ) != ERROR_SUCCESS) return;
    auto& values = contents[path];
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        BYTE data[4096];
        DWORD nameLength = 16384, type = 0, size = sizeof data;
        if (RegEnumValueW(key.Get(), i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
        std::wstring text = type == REG_SZ ? std::wstring(reinterpret_cast<wchar_t*>(data), size / sizeof(wchar_t))
                                           : L"(value of type " + std::to_wstring(type) + L")";
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        values[std::wstring(name, nameLength)] = text;
    }
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key.Get(), i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        ReadSubtree(parent, path + L'\\' + std::wstring(name, nameLength), contents);
    }
}

}  // namespace

std::wstring BracedGuid(const GUID& guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

RegistryContents ExpectedRegistration(const std::wstring& modulePath) {
    const std::wstring deviceTransfer = BracedGuid(CLSID_DeviceTransfer);
    const std::wstring menuCtrl = BracedGuid(CLSID_MenuCtrl);
    const std::wstring dt = L"CLSID\\" + deviceTransfer;
    const std::wstring mc = L"CLSID\\" + menuCtrl;
    return {
        {L"Tessaly.DeviceTransfer.1.1", {{L"", L"DeviceTransfer Class"}}},
        {L"Tessaly.DeviceTransfer.1.1\\CLSID", {{L"", deviceTransfer}}},
        {L"Tessaly.DeviceTransfer.1", {{L"", L"DeviceTransfer Class"}}},
        {L"Tessaly.DeviceTransfer.1\\CLSID", {{L"", deviceTransfer}}},
        {L"Tessaly.DeviceTransfer.1\\CurVer", {{L"", L"Tessaly.DeviceTransfer.1.1"}}},
        {dt, {{L"", L"DeviceTransfer Class"}}},
        {dt + L"\\ProgID", {{L"", L"Tessaly.DeviceTransfer.1.1"}}},
        {dt + L"\\VersionIndependentProgID", {{L"", L"Tessaly.DeviceTransfer.1"}}},
        {dt + L"\\InprocServer32", {{L"", modulePath}, {L"ThreadingModel", L"Both"}}},
        {dt + L"\\Control", {}},
        {dt + L"\\Insertable", {}},
        {dt + L"\\ToolboxBitmap32", {{L"", modulePath + L", 101"}}},
        {dt + L"\\MiscStatus", {{L"", L"0"}}},
        {dt + L"\\MiscStatus\\1", {{L"", L"131473"}}},
        {dt + L"\\TypeLib", {{L"", BracedGuid(LIBID_KESTRELLib)}}},
        {dt + L"\\Version", {{L"", L"1.0"}}},

        {L"Menu.id.1", {{L"", L"MenuCtrl Class"}}},
        {L"Menu.id.1\\CLSID", {{L"", menuCtrl}}},
        {L"Menu.id", {{L"", L"MenuCtrl Class"}}},
        {L"Menu.id\\CLSID", {{L"", menuCtrl}}},
        {L"Menu.id\\CurVer", {{L"", L"Menu.id.1"}}},
        {mc, {{L"", L"MenuCtrl Class"}}},
        {mc + L"\\ProgID", {{L"", L"Menu.id.1"}}},
        {mc + L"\\VersionIndependentProgID", {{L"", L"Menu.id"}}},
        {mc + L"\\Programmable", {}},
        {mc + L"\\InprocServer32", {{L"", modulePath}, {L"ThreadingModel", L"Apartment"}}},
        {mc + L"\\Control", {}},
        {mc + L"\\ToolboxBitmap32", {{L"", modulePath + L", 101"}}},
        {mc + L"\\MiscStatus", {{L"", L"0"}}},
        {mc + L"\\MiscStatus\\1", {{L"", L"131473"}}},
        {mc + L"\\TypeLib", {{L"", BracedGuid(LIBID_KESTRELLib)}}},
        {mc + L"\\Version", {{L"", L"1.0"}}},
    };
}

RegistryContents CurrentRegistration() {
    RegistryContents contents;
    for (const wchar_t* progId : kProgIds) ReadSubtree(HKEY_CLASSES_ROOT, progId, contents);
    for (const CLSID* clsid : {&CLSID_DeviceTransfer, &CLSID_MenuCtrl})
        ReadSubtree(HKEY_CLASSES_ROOT, L"CLSID\\" + BracedGuid(*clsid), contents);
    return contents;
}

void WatchRegistrationKeys(RegistryKeysGuard& guard) {
    for (const wchar_t* progId : kProgIds) guard.Watch(HKEY_CLASSES_ROOT, progId, true);
    for (const CLSID* clsid : {&CLSID_DeviceTransfer, &CLSID_MenuCtrl})
        guard.Watch(HKEY_CLASSES_ROOT, L"CLSID\\" + BracedGuid(*clsid), true);
    // The type library's own entries; Wine writes the 32-bit view as well.
    for (const std::wstring classes : {L"Software\\Classes\\", L"Software\\Classes\\Wow6432Node\\"}) {
        guard.Watch(HKEY_LOCAL_MACHINE, classes + L"TypeLib\\" + BracedGuid(LIBID_KESTRELLib), true);
        for (const GUID* iid : kInterfaces)
            guard.Watch(HKEY_LOCAL_MACHINE, classes + L"Interface\\" + BracedGuid(*iid), true);
    }
}
