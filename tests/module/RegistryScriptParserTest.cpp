// Reading registry scripts: what is refused (damaged text at random:
// tests/fuzz/registry_script). What is read, applied: RegistryScriptRunnerTest.
#include "module/RegistryScriptParser.h"

#include <gtest/gtest.h>

namespace {

// Every construct the class scripts use, each cut short in the truncation test.
const wchar_t kScript[] =
    L"HKCR\r\n{\r\n\tProg.Id.1 = s 'Some Class' { CLSID = s '{1234}' }\r\n"
    L"\tNoRemove CLSID { ForceRemove {1234} = s 'Some Class' {\r\n"
    L"\t\tInprocServer32 = s 'C:\\it''s\\Kestrel.dll' { val ThreadingModel = s 'Both' }\r\n"
    L"\t\t'1' = s '131473'\r\n\t\tForceRemove Control\r\n\t} }\r\n}\r\n";

std::optional<CRegistryScript> Parse(std::wstring_view text) {
    CRegistryScriptError error;
    return CRegistryScriptParser::Parse(text, error);
}

TEST(RegistryScriptParser, MatchesKeywordsWithoutRegardToCaseUnlessQuoted) {
    const auto script = Parse(L"hkey_classes_root { noremove A { VAL x = S 'y' } FORCEREMOVE B 'NoRemove' 'val' }");
    ASSERT_TRUE(script);
    const auto& keys = script->classesRootKeys;
    ASSERT_EQ(4u, keys.size());
    EXPECT_EQ(RegistryKeyMark::NoRemove, keys[0].mark);
    EXPECT_EQ(L"y", keys[0].values.at(0).data);
    EXPECT_EQ(RegistryKeyMark::ForceRemove, keys[1].mark);
    EXPECT_EQ(L"NoRemove", keys[2].name);
    EXPECT_EQ(RegistryKeyMark::None, keys[2].mark);
    EXPECT_EQ(L"val", keys[3].name);
}

TEST(RegistryScriptParser, RefusesWhatItDoesNotServe) {
    for (const wchar_t* text : {
             L"HKLM { A }",                       // other root keys
             L"HKCR { A = d '1' }",               // other value types
             L"HKCR { val A = s 'x' }",           // a value without a key
             L"HKCR { A = s }",                   // data missing
             L"HKCR { A = s bare }",              // data not quoted
             L"HKCR { A\\B = s 'x' }",            // a path for a name
             L"HKCR { '' = s 'x' }",              // an empty name
             L"HKCR { ForceRemove NoRemove A }",  // two marks
             L"HKCR { A { val = s 'x' } }",       // a value without a name
             L"HKCR { A } }",                     // a brace too many
             L"HKCR { A",                         // a brace too few
             L"HKCR { 'A = s 'x' }",              // a quote left open
             L"HKCR { A = s 'x\ny' }",            // control characters in data
             L"HKCR { A\x01 }",                   // control characters in a name
         }) {
        CRegistryScriptError error;
        EXPECT_FALSE(CRegistryScriptParser::Parse(text, error)) << "accepted: " << std::wstring(text).c_str();
        EXPECT_FALSE(error.message.empty());
    }
}

TEST(RegistryScriptParser, RefusesNestingDeeperThanItsLimitWithoutExhaustingTheStack) {
    std::wstring deep = L"HKCR {";
    for (int i = 0; i < 100000; ++i) deep += L" A {";
    CRegistryScriptError error;
    EXPECT_FALSE(CRegistryScriptParser::Parse(deep, error));

    std::wstring allowed = L"HKCR {";
    for (int i = 1; i < CRegistryScriptParser::kMaxDepth; ++i) allowed += L" A {";
    for (int i = 0; i < CRegistryScriptParser::kMaxDepth; ++i) allowed += L" }";
    EXPECT_TRUE(Parse(allowed));
}

TEST(RegistryScriptParser, RefusesEveryTruncationOfAScript) {
    const std::wstring text(kScript);
    const std::size_t lastBrace = text.rfind(L'}');
    for (std::size_t length = 1; length <= lastBrace; ++length) {
        if (text.find_first_not_of(L" \t\r\n", 0) >= length) continue;  // nothing but blanks yet
        EXPECT_FALSE(Parse(std::wstring_view(text).substr(0, length))) << "accepted the first " << length;
    }
}

}  // namespace
