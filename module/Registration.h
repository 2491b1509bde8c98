// Self-registration of the module: DllRegisterServer and DllUnregisterServer.
#ifndef KESTREL_REGISTRATION_H
#define KESTREL_REGISTRATION_H

#include <windows.h>

#include <string>

class CModule;

// The module's full file path; fails when it is empty or fills the whole
// MAX_PATH buffer (then it may have been cut short).
HRESULT ModuleFilePath(HINSTANCE module, std::wstring& path);

// Each class's script in object-map order, stopping at the first failure,
// then the type library. They serve the exports, so a failed allocation
// anywhere on the way (path, script, type library) is E_OUTOFMEMORY.
HRESULT RegisterServer(CModule& module) noexcept;
HRESULT UnregisterServer(CModule& module) noexcept;

#endif
