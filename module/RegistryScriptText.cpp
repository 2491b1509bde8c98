#include "module/RegistryScriptText.h"

#include "module/RegistryScriptParser.h"
#include "module/RegistryScriptVariables.h"

HRESULT RunRegistryScriptText(std::wstring_view text, const std::wstring& modulePath, IRegistryAccess& registry,
                              RegistryScriptMode mode) {
    const RegistryScriptBindings bindings{{L"MODULE", QuoteForRegistryScript(modulePath)}};
    std::wstring expanded;
    CRegistryScriptError error;
    if (!ExpandRegistryScriptVariables(text, bindings, expanded, error)) return kMalformedRegistryScript;
    const auto script = CRegistryScriptParser::Parse(expanded, error);
    if (!script) return kMalformedRegistryScript;
    const long failure = RunRegistryScript(*script, registry, mode);
    return failure == 0 ? S_OK : HRESULT_FROM_WIN32(failure);
}
