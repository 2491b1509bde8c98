#include "module/ObjectMap.h"

#include "devicepane/DeviceTransfer.h"
#include "menubar/MenuCtrl.h"
#include "module/Kestrel.h"
#include "module/RegistryScriptIds.h"

CObjectMap::CObjectMap()
    : m_aEntries{{{CLSID_DeviceTransfer, IDR_DEVICETRANSFER, &CreateDeviceTransfer, {}},
                  {CLSID_MenuCtrl, IDR_MENUCTRL, &CreateMenuCtrl, {}}}} {}

CObjectMapEntry* CObjectMap::Find(REFCLSID clsid) {
    for (auto& entry : m_aEntries)
        if (IsEqualCLSID(entry.clsid, clsid)) return &entry;
    return nullptr;
}

void CObjectMap::ReleaseClassObjects() {
    for (auto& entry : m_aEntries) entry.classObject.Clear();
}
