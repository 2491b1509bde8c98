// Binding %MODULE% and friends before a script is parsed.
#include "module/RegistryScriptVariables.h"

#include <gtest/gtest.h>

namespace {

std::wstring Expand(const std::wstring& text, const RegistryScriptBindings& bindings, bool* ok = nullptr) {
    std::wstring expanded;
    RegistryScriptError error;
    const bool expandedOk = ExpandRegistryScriptVariables(text, bindings, expanded, error);
    if (ok != nullptr) *ok = expandedOk;
    return expanded;
}

TEST(RegistryScriptVariables, DoublesEverySingleQuoteOfABoundText) {
    EXPECT_EQ(L"C:\\O''Brien''s\\Kestrel.dll", QuoteForRegistryScript(L"C:\\O'Brien's\\Kestrel.dll"));
    EXPECT_EQ(L"''''", QuoteForRegistryScript(L"''"));
}

TEST(RegistryScriptVariables, ReplacesEachOccurrenceOfABoundName) {
    const RegistryScriptBindings bindings{{L"MODULE", L"C:\\Kestrel.dll"}};
    EXPECT_EQ(L"'C:\\Kestrel.dll' and 'C:\\Kestrel.dll, 101'", Expand(L"'%MODULE%' and '%MODULE%, 101'", bindings));
}

TEST(RegistryScriptVariables, TurnsDoublePercentIntoOne) { EXPECT_EQ(L"100% sure", Expand(L"100%% sure", {})); }

TEST(RegistryScriptVariables, DoesNotExpandWhatABindingBrings) {
    const RegistryScriptBindings bindings{{L"MODULE", L"C:\\50%MODULE%\\x.dll"}, {L"OTHER", L"no"}};
    EXPECT_EQ(L"C:\\50%MODULE%\\x.dll", Expand(L"%MODULE%", bindings));
}

TEST(RegistryScriptVariables, RefusesUnknownNamesAndUnpairedPercents) {
    bool ok = true;
    Expand(L"'%MODUL%'", {{L"MODULE", L"x"}}, &ok);
    EXPECT_FALSE(ok);
    Expand(L"'%MODULE'", {{L"MODULE", L"x"}}, &ok);
    EXPECT_FALSE(ok);
}

}  // namespace
