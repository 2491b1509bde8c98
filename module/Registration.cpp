#include "module/Registration.h"

#include <new>

#include "module/Module.h"
#include "module/RegistryScriptResource.h"
#include "module/TypeLibRegistration.h"
#include "module/WindowsRegistry.h"

namespace {

HRESULT RunScripts(CModule& module, const std::wstring& path, RegistryScriptMode mode) {
    WindowsRegistry classesRoot(HKEY_CLASSES_ROOT);
    for (const auto& entry : module.ObjectMap()) {
        const HRESULT hr = RunRegistryScriptResource(module.Instance(), entry.registryScript, path, classesRoot, mode);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
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

HRESULT RegisterServer(CModule& module) noexcept {
    try {
        std::wstring path;
        HRESULT hr = ModuleFilePath(module.Instance(), path);
        if (SUCCEEDED(hr)) hr = RunScripts(module, path, RegistryScriptMode::Register);
        if (SUCCEEDED(hr)) hr = RegisterTypeLibOfModule(path);
        return hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT UnregisterServer(CModule& module) noexcept {
    try {
        std::wstring path;
        HRESULT hr = ModuleFilePath(module.Instance(), path);
        if (SUCCEEDED(hr)) hr = RunScripts(module, path, RegistryScriptMode::Unregister);
        if (SUCCEEDED(hr)) hr = UnregisterTypeLibOfModule(path);
        return hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}
