#include "module/RegistryScriptRunner.h"

#include <gtest/gtest.h>

#include <vector>

#include "MemoryRegistry.h"
#include "module/RegistryScriptParser.h"
#include "module/RegistryScriptText.h"

namespace {

// The shape of the class scripts, as the resources spell them: ProgID keys,
// a NoRemove CLSID holding a ForceRemove class key, quoted names and data.
const wchar_t kClassScript[] =
    L"HKCR\r\n{\r\n"
    L"\tProg.1 = s 'Joe''s Class' { CLSID = s '{C}' }\r\n"
    L"\tNoRemove CLSID {\r\n"
    L"\t\tForceRemove {C} = s 'Class' {\r\n"
    L"\t\t\tInprocServer32 = s '%MODULE%' { val ThreadingModel = s 'Both' }\r\n"
    L"\t\t\t'1' = s '131473'\r\n"
    L"\t\t\tForceRemove Control\r\n"
    L"\t\t}\r\n\t}\r\n}\r\n";

constexpr long kAccessDenied = 5;

class RegistryScriptRun : public testing::Test {
  protected:
    long Run(RegistryScriptMode mode, std::wstring_view text = kClassScript) {
        CRegistryScriptError error;
        const auto script = CRegistryScriptParser::Parse(text, error);
        EXPECT_TRUE(script) << error.message;
        return script ? RunRegistryScript(*script, registry, mode) : -1;
    }
    long Register() { return Run(RegistryScriptMode::Register); }
    long Unregister() { return Run(RegistryScriptMode::Unregister); }

    CMemoryRegistry registry;
};

using RegistryScriptRegistration = RegistryScriptRun;
using RegistryScriptUnregistration = RegistryScriptRun;

TEST_F(RegistryScriptRegistration, CreatesEveryKeyWithItsValuesOnceWhenRunTwice) {
    ASSERT_EQ(0, Register());
    ASSERT_EQ(0, Register());
    const RegistryContents expected{
        {L"Prog.1", {{L"", L"Joe's Class"}}},
        {L"Prog.1\\CLSID", {{L"", L"{C}"}}},
        {L"CLSID", {}},
        {L"CLSID\\{C}", {{L"", L"Class"}}},
        {L"CLSID\\{C}\\InprocServer32", {{L"", L"%MODULE%"}, {L"ThreadingModel", L"Both"}}},
        {L"CLSID\\{C}\\1", {{L"", L"131473"}}},
        {L"CLSID\\{C}\\Control", {}},
    };
    EXPECT_EQ(expected, registry.contents);
}

TEST_F(RegistryScriptRegistration, RebuildsAForceRemoveKeyWithoutItsStaleSubkeysAndValues) {
    registry.contents = {{L"CLSID", {}},
                         {L"CLSID\\{C}", {{L"", L"Old"}, {L"Stale", L"x"}}},
                         {L"CLSID\\{C}\\LocalServer32", {{L"", L"old.exe"}}}};
    ASSERT_EQ(0, Register());
    EXPECT_EQ((std::map<std::wstring, std::wstring>{{L"", L"Class"}}), registry.contents[L"CLSID\\{C}"]);
    EXPECT_EQ(0u, registry.contents.count(L"CLSID\\{C}\\LocalServer32"));
}

// A key another program extended stays; what lies below a ForceRemove key
// goes with it.
TEST_F(RegistryScriptUnregistration, RemovesItsKeysButKeepsNoRemoveKeysAndKeysOthersExtended) {
    registry.contents = {{L"CLSID", {}}, {L"CLSID\\{Other}", {}}};
    ASSERT_EQ(0, Register());
    registry.CreateKey(L"Prog.1\\Shell");
    registry.CreateKey(L"CLSID\\{C}\\Implemented Categories\\{X}");
    ASSERT_EQ(0, Unregister());
    std::vector<std::wstring> keys;
    for (const auto& [key, values] : registry.contents) keys.push_back(key);
    EXPECT_EQ((std::vector<std::wstring>{L"CLSID", L"CLSID\\{Other}", L"Prog.1", L"Prog.1\\Shell"}), keys);
}

TEST_F(RegistryScriptUnregistration, DeletesNamedValuesOfAKeptKey) {
    registry.contents = {{L"CLSID", {}}, {L"CLSID\\Kept", {{L"Mine", L"1"}, {L"Theirs", L"2"}}}};
    ASSERT_EQ(0,
              Run(RegistryScriptMode::Unregister, L"HKCR { NoRemove CLSID { NoRemove Kept { val Mine = s '1' } } }"));
    EXPECT_EQ((std::map<std::wstring, std::wstring>{{L"Theirs", L"2"}}), registry.contents[L"CLSID\\Kept"]);
}

TEST_F(RegistryScriptUnregistration, FindsNothingMissingAnError) {
    EXPECT_EQ(0, Unregister());
    EXPECT_EQ(0, registry.WritesSeen());
}

TEST_F(RegistryScriptRun, StopsAtTheFirstFailureAndReturnsItInBothModes) {
    registry.FailOn("CreateKey", L"CLSID\\{C}\\InprocServer32", kAccessDenied);
    EXPECT_EQ(kAccessDenied, Register());
    EXPECT_EQ(0u, registry.contents.count(L"CLSID\\{C}\\Control"));
    ASSERT_EQ(0, Register());
    registry.FailOn("DeleteKey", L"Prog.1\\CLSID", kAccessDenied);
    EXPECT_EQ(kAccessDenied, Unregister());
    EXPECT_EQ(1u, registry.contents.count(L"CLSID\\{C}"));
}

TEST(RegistryScriptText, WritesTheModulePathIntactOrNothingAndReportsFailuresAsHresults) {
    CMemoryRegistry registry;
    const std::wstring damaged = std::wstring(kClassScript) + L" HKCR { Broken = s 'x";
    EXPECT_EQ(kMalformedRegistryScript,
              RunRegistryScriptText(damaged, L"C:\\Kestrel.dll", registry, RegistryScriptMode::Register));
    EXPECT_EQ(0, registry.WritesSeen());

    ASSERT_EQ(S_OK, RunRegistryScriptText(kClassScript, L"C:\\O'Brien\\50%\\Kestrel.dll", registry,
                                          RegistryScriptMode::Register));
    EXPECT_EQ(L"C:\\O'Brien\\50%\\Kestrel.dll", registry.contents[L"CLSID\\{C}\\InprocServer32"][L""]);

    registry.FailOn("CreateKey", L"Prog.1", kAccessDenied);
    EXPECT_EQ(E_ACCESSDENIED,
              RunRegistryScriptText(kClassScript, L"C:\\Kestrel.dll", registry, RegistryScriptMode::Register));
}

}  // namespace
