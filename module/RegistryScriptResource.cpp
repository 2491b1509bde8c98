#include "module/RegistryScriptResource.h"

namespace {

HRESULT LastErrorOr(HRESULT fallback) {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? HRESULT_FROM_WIN32(error) : fallback;
}

}  // namespace

HRESULT LoadRegistryScriptText(HINSTANCE module, WORD id, std::wstring& text) {
    text.clear();
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), L"REGISTRY");
    if (resource == nullptr) return LastErrorOr(HRESULT_FROM_WIN32(ERROR_RESOURCE_NAME_NOT_FOUND));
    HGLOBAL loaded = LoadResource(module, resource);
    const char* bytes = loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) return LastErrorOr(E_FAIL);
    int size = static_cast<int>(SizeofResource(module, resource));
    while (size > 0 && bytes[size - 1] == '\0') --size;
    if (size == 0) return S_OK;
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes, size, nullptr, 0);
    if (length <= 0) return kMalformedRegistryScript;
    text.resize(length);
    MultiByteToWideChar(CP_ACP, 0, bytes, size, text.data(), length);
    return S_OK;
}

HRESULT RunRegistryScriptResource(HINSTANCE module, WORD id, const std::wstring& modulePath, IRegistryAccess& registry,
                                  RegistryScriptMode mode) {
    std::wstring text;
    if (const HRESULT hr = LoadRegistryScriptText(module, id, text); FAILED(hr)) return hr;
    return RunRegistryScriptText(text, modulePath, registry, mode);
}
