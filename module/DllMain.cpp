// The DLL's entry point and its four exports.
#include <windows.h>
#include <ole2.h>

#include "module/Module.h"
#include "module/Registration.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    return Module::Object().OnEntryPoint(instance, reason);
}

STDAPI DllCanUnloadNow() { return Module::LockCount() == 0 ? S_OK : S_FALSE; }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* ppv) {
    return Module::Object().GetClassObject(clsid, iid, ppv);
}

STDAPI DllRegisterServer() { return RegisterServer(Module::Object()); }
STDAPI DllUnregisterServer() { return UnregisterServer(Module::Object()); }
