#include "module/ObjectMap.h"

#include "devicepane/DeviceTransfer.h"
#include "menubar/MenuCtrl.h"
#include "module/Kestrel.h"
#include "module/RegistryScriptIds.h"

CObjectMap::CObjectMap()
    : entries_{{{CLSID_DeviceTransfer, IDR_DEVICETRANSFER, &CreateDeviceTransfer, {}},
                {CLSID_MenuCtrl, IDR_MENUCTRL, &CreateMenuCtrl, {}}}} {}

ObjectMapEntry* CObjectMap::Find(REFCLSID clsid) {
    for (auto& entry : entries_)
        if (IsEqualCLSID(entry.clsid, clsid)) return &entry;
    return nullptr;
}

void CObjectMap::ReleaseClassObjects() {
    for (auto& entry : entries_) entry.classObject.Clear();
}
