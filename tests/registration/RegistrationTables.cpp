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

std::wstring ServerPath(const CLSID& clsid) {
    return RegistryString(HKEY_CLASSES_ROOT, L"CLSID\\" + BracedGuid(clsid) + L"\\InprocServer32", L"");
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
