// Registry scripts stored in the module as resources of type "REGISTRY".
#ifndef KESTREL_REGISTRY_SCRIPT_RESOURCE_H
#define KESTREL_REGISTRY_SCRIPT_RESOURCE_H

#include <windows.h>

#include <string>
#include <string_view>

#include "module/RegistryAccess.h"
#include "module/RegistryScriptRunner.h"

// What a script that cannot be read or parsed fails with.
inline constexpr HRESULT kMalformedRegistryScript = HRESULT_FROM_WIN32(ERROR_INVALID_DATA);

// The script's 8-bit text, widened from the ANSI code page.
HRESULT LoadRegistryScriptText(HINSTANCE module, WORD id, std::wstring& text);

// Runs a script's text with %MODULE% bound to `modulePath`. The text is
// expanded and parsed in full before the registry is touched.
HRESULT RunRegistryScriptText(std::wstring_view text, const std::wstring& modulePath, RegistryAccess& registry,
                              RegistryScriptMode mode);

// The same for script `id` of `module`.
HRESULT RunRegistryScriptResource(HINSTANCE module, WORD id, const std::wstring& modulePath, RegistryAccess& registry,
                                  RegistryScriptMode mode);

#endif
