// Running a registry script from its text: variables bound, parsed in full,
// then applied. Windows-free.
#ifndef KESTREL_REGISTRY_SCRIPT_TEXT_H
#define KESTREL_REGISTRY_SCRIPT_TEXT_H

#include <string>
#include <string_view>

#include "module/HResult.h"
#include "module/RegistryAccess.h"
#include "module/RegistryScriptRunner.h"

// What a script that cannot be read or parsed fails with.
inline constexpr HRESULT kMalformedRegistryScript = HRESULT_FROM_WIN32(ERROR_INVALID_DATA);

// Runs a script's text with %MODULE% bound to `modulePath`. The text is
// expanded and parsed in full before the registry is touched. A registry
// error comes back as HRESULT_FROM_WIN32 of its code. Allocation failures
// are thrown as std::bad_alloc, for the export to turn into E_OUTOFMEMORY.
HRESULT RunRegistryScriptText(std::wstring_view text, const std::wstring& modulePath, IRegistryAccess& registry,
                              RegistryScriptMode mode);

#endif
