#include "support/KestrelRegistration.h"

#include <objbase.h>

#include "module/Kestrel.h"
#include "support/BuildPaths.h"

const wchar_t* const kKestrelProgIds[4] = {L"Tessaly.DeviceTransfer.1.1", L"Tessaly.DeviceTransfer.1", L"Menu.id.1",
                                           L"Menu.id"};

std::wstring BracedGuid(const GUID& guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

void WatchRegistrationKeys(CRegistryKeysGuard& guard) {
    for (const wchar_t* progId : kKestrelProgIds) guard.Watch(HKEY_CLASSES_ROOT, progId, true);
    for (const CLSID* clsid : {&CLSID_DeviceTransfer, &CLSID_MenuCtrl})
        guard.Watch(HKEY_CLASSES_ROOT, L"CLSID\\" + BracedGuid(*clsid), true);
    // The type library's own entries; Wine writes the 32-bit view as well.
    for (const std::wstring classes : {L"Software\\Classes\\", L"Software\\Classes\\Wow6432Node\\"}) {
        guard.Watch(HKEY_LOCAL_MACHINE, classes + L"TypeLib\\" + BracedGuid(LIBID_KESTRELLib), true);
        for (const GUID* iid :
             {&IID_IDummyDispatch, &DIID__IDeviceTransferEvents, &IID_IDeviceTransfer, &IID_IPluginText,
              &DIID__IMenuCtrlEvents, &IID_IMenuCtrl, &IID_IAccessibleOwner, &IID_IAccessibleProxyLink})
            guard.Watch(HKEY_LOCAL_MACHINE, classes + L"Interface\\" + BracedGuid(*iid), true);
    }
}

// Controls created through COM keep the DLL loaded by COM's own reference
// once the object frees its own.
CKestrelRegistration::CKestrelRegistration() : m_dll(KestrelDllPath()) {
    WatchRegistrationKeys(m_registry);
    m_hrResult = m_dll.Loaded() ? m_dll.RegisterServer() : HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
}
