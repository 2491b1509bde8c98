// Binding %MODULE% and friends before a script is parsed.
#include "module/RegistryScriptVariables.h"

#include <gtest/gtest.h>

namespace {

TEST(RegistryScriptVariables, ExpandsBoundNamesOnceAndRefusesUnknownOnes) {
    const RegistryScriptBindings bindings{{L"MODULE", L"C:\\O'Brien\\50%MODULE%\\x.dll"}, {L"OTHER", L"no"}};
    const struct {
        const wchar_t* text;
        bool ok;
        const wchar_t* expanded;
    } cases[] = {
        {L"'%MODULE%' and '%OTHER%, 101'", true, L"'C:\\O'Brien\\50%MODULE%\\x.dll' and 'no, 101'"},
        {L"100%% sure", true, L"100% sure"},
        {L"'%MODUL%'", false, nullptr},
        {L"'%MODULE'", false, nullptr},
    };
    for (const auto& c : cases) {
        std::wstring expanded;
        CRegistryScriptError error;
        EXPECT_EQ(c.ok, ExpandRegistryScriptVariables(c.text, bindings, expanded, error)) << "case " << c.text;
        if (c.ok) {
            EXPECT_EQ(c.expanded, expanded) << "case " << c.text;
        }
    }
    EXPECT_EQ(L"C:\\O''Brien''s\\Kestrel.dll", QuoteForRegistryScript(L"C:\\O'Brien's\\Kestrel.dll"));
    EXPECT_EQ(L"''''", QuoteForRegistryScript(L"''"));
}

}  // namespace
