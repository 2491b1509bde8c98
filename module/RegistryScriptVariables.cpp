#include "module/RegistryScriptVariables.h"

std::wstring QuoteForRegistryScript(std::wstring_view text) {
    std::wstring quoted;
    quoted.reserve(text.size());
    for (const wchar_t c : text) {
        quoted += c;
        if (c == L'\'') quoted += L'\'';
    }
    return quoted;
}

bool ExpandRegistryScriptVariables(std::wstring_view text, const RegistryScriptBindings& bindings,
                                   std::wstring& expanded, CRegistryScriptError& error) {
    expanded.clear();
    expanded.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t open = text.find(L'%', position);
        if (open == std::wstring_view::npos) {
            expanded.append(text.substr(position));
            break;
        }
        expanded.append(text.substr(position, open - position));
        const std::size_t close = text.find(L'%', open + 1);
        if (close == std::wstring_view::npos) {
            error = {open, "'%' without a closing '%'"};
            expanded.clear();
            return false;
        }
        const std::wstring_view name = text.substr(open + 1, close - open - 1);
        if (name.empty()) {
            expanded += L'%';
        } else {
            const auto binding = bindings.find(name);
            if (binding == bindings.end()) {
                error = {open, "unknown variable"};
                expanded.clear();
                return false;
            }
            expanded += binding->second;
        }
        position = close + 1;
    }
    return true;
}
