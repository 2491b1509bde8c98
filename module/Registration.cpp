#include "module/Registration.h"

#include <new>

#include "module/Module.h"
#include "module/RegistryScriptResource.h"
#include "module/TypeLibRegistration.h"
#include "module/WindowsRegistry.h"

namespace {

HRESULT RunScripts(CModule& module, const std::wstring& path, RegistryScriptMode mode) {
    CWindowsRegistry classesRoot(HKEY_CLASSES_ROOT);
    for (const auto& entry : module.ObjectMap()) {
        const HRESULT hr = RunRegistryScriptResource(module.Instance(), entry.registryScript, path, classesRoot, mode);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

// The class scripts, then the type library; a failed allocation anywhere
// on the way is the export's E_OUTOFMEMORY.
HRESULT RunRegistration(CModule& module, RegistryScriptMode mode) noexcept {
    try {
        std::wstring path;
        HRESULT hr = ModuleFilePath(module.Instance(), path);
        if (SUCCEEDED(hr)) hr = RunScripts(module, path, mode);
        if (SUCCEEDED(hr))
            hr = mode == RegistryScriptMode::Register ? RegisterTypeLibOfModule(path) : UnregisterTypeLibOfModule(path);
        return hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace

HRESULT ModuleFilePath(HINSTANCE module, std::wstring& path) {
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, buffer, MAX_PATH);
    if (length == 0) return HRESULT_FROM_WIN32(GetLastError());
    if (length >= MAX_PATH) return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
    path.assign(buffer, length);
    return S_OK;
}

HRESULT RegisterServer(CModule& module) noexcept { return RunRegistration(module, RegistryScriptMode::Register); }

HRESULT UnregisterServer(CModule& module) noexcept { return RunRegistration(module, RegistryScriptMode::Unregister); }
