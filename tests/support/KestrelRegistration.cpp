#include "support/KestrelRegistration.h"

#include "module/KestrelIds.h"
#include "support/BuildPaths.h"

namespace {

#define KESTREL_BRACED(text) L"{" text L"}"

// Everything the two registry scripts and the type library registration write.
const wchar_t* const kRegisteredKeys[] = {
    L"Tessaly.DeviceTransfer.1",
    L"Tessaly.DeviceTransfer.1.1",
    L"Menu.id",
    L"Menu.id.1",
    L"CLSID\\" KESTREL_BRACED(KESTREL_CLSID_DEVICETRANSFER_TEXT),
    L"CLSID\\" KESTREL_BRACED(KESTREL_CLSID_MENUCTRL_TEXT),
    L"TypeLib\\" KESTREL_BRACED(KESTREL_LIBID_TEXT),
    L"Interface\\" KESTREL_BRACED(KESTREL_IID_IDUMMYDISPATCH_TEXT),
    L"Interface\\" KESTREL_BRACED(KESTREL_DIID_IDEVICETRANSFEREVENTS_TEXT),
    L"Interface\\" KESTREL_BRACED(KESTREL_IID_IDEVICETRANSFER_TEXT),
    L"Interface\\" KESTREL_BRACED(KESTREL_IID_IPLUGINTEXT_TEXT),
    L"Interface\\" KESTREL_BRACED(KESTREL_DIID_IMENUCTRLEVENTS_TEXT),
    L"Interface\\" KESTREL_BRACED(KESTREL_IID_IMENUCTRL_TEXT),
};

#undef KESTREL_BRACED

}  // namespace

// Controls created through COM keep the DLL loaded by COM's own reference
// once the object frees its own.
KestrelRegistration::KestrelRegistration() : m_dll(KestrelDllPath()) {
    for (const wchar_t* key : kRegisteredKeys) m_registry.Watch(HKEY_CLASSES_ROOT, key);
    m_hrResult = m_dll.Loaded() ? m_dll.RegisterServer() : HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
}
