// The %NAME% variables of registry scripts, bound before a script is parsed.
#ifndef KESTREL_REGISTRY_SCRIPT_VARIABLES_H
#define KESTREL_REGISTRY_SCRIPT_VARIABLES_H

#include <map>
#include <string>
#include <string_view>

#include "module/RegistryScript.h"

using RegistryScriptBindings = std::map<std::wstring, std::wstring, std::less<>>;

// Doubles every single quote, so the text can stand inside a quoted script string.
std::wstring QuoteForRegistryScript(std::wstring_view text);

// Replaces each %NAME% by its binding and %% by a single %. The bound texts
// are not scanned again, so a '%' inside a module path stays as it is.
// Fails on an unknown name or a % without its partner.
bool ExpandRegistryScriptVariables(std::wstring_view text, const RegistryScriptBindings& bindings,
                                   std::wstring& expanded, CRegistryScriptError& error);

#endif
