#include "module/TypeLibRegistration.h"

#include <oleauto.h>

#include "module/ComPtr.h"

namespace {

HRESULT LoadTypeLibOfModule(const std::wstring& modulePath, CComPtr<ITypeLib>& library) {
    HRESULT hr = LoadTypeLib(modulePath.c_str(), library.ReleaseAndGetAddressOf());
    if (FAILED(hr)) {
        const std::wstring fallback = TypeLibFallbackPath(modulePath);
        if (SUCCEEDED(LoadTypeLib(fallback.c_str(), library.ReleaseAndGetAddressOf()))) hr = S_OK;
    }
    return hr;
}

}  // namespace

std::wstring TypeLibFallbackPath(const std::wstring& modulePath) {
    const std::size_t name = modulePath.find_last_of(L"\\/:");
    const std::size_t dot = modulePath.find_last_of(L'.');
    const bool hasExtension = dot != std::wstring::npos && (name == std::wstring::npos || dot > name);
    return (hasExtension ? modulePath.substr(0, dot) : modulePath) + L".tlb";
}

std::wstring HelpDirectoryOf(const std::wstring& modulePath) {
    const std::size_t separator = modulePath.find_last_of(L"\\/:");
    return separator == std::wstring::npos ? std::wstring() : modulePath.substr(0, separator + 1);
}

HRESULT RegisterTypeLibOfModule(const std::wstring& modulePath) {
    CComPtr<ITypeLib> library;
    if (const HRESULT hr = LoadTypeLibOfModule(modulePath, library); FAILED(hr)) return hr;
    // RegisterTypeLib takes its two paths as writable strings.
    std::wstring location = modulePath;
    std::wstring helpDirectory = HelpDirectoryOf(modulePath);
    return RegisterTypeLib(library.Get(), location.data(), helpDirectory.empty() ? nullptr : helpDirectory.data());
}

HRESULT UnregisterTypeLibOfModule(const std::wstring& modulePath) {
    CComPtr<ITypeLib> library;
    if (const HRESULT hr = LoadTypeLibOfModule(modulePath, library); FAILED(hr)) return hr;
    TLIBATTR* attributes = nullptr;
    if (const HRESULT hr = library->GetLibAttr(&attributes); FAILED(hr)) return hr;
    const TLIBATTR identity = *attributes;
    library->ReleaseTLibAttr(attributes);
    return UnRegisterTypeLib(identity.guid, identity.wMajorVerNum, identity.wMinorVerNum, identity.lcid,
                             identity.syskind);
}
