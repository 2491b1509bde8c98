#include "ResourceTestSupport.h"

#include "module/ResourceString.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// String `id` of one language, read from its block of sixteen counted
// UTF-16 strings and converted to the ANSI code page; empty when missing.
std::string StringOf(UINT id, LANGID language) {
    const std::string block = ResourceBytes(RT_STRING, MAKEINTRESOURCEA(id / 16 + 1), language);
    std::wstring text;
    for (size_t at = 0, index = 0; at + 2 <= block.size(); ++index) {
        WORD length = 0;
        std::memcpy(&length, block.data() + at, 2);
        at += 2;
        if (index == id % 16 && at + 2u * length <= block.size()) {
            text.resize(length);
            std::memcpy(text.data(), block.data() + at, 2u * length);
            break;
        }
        at += 2u * length;
    }
    char ansi[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
}

// The conversions of a template in order ("%s", "%.1f"); "%%" is none.
std::string Conversions(const std::string& text) {
    std::string found;
    for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
        const size_t end = text.find_first_of("%sdfu", at + 1);
        if (end == std::string::npos) return found + "<open %>";
        if (text[end] == '%') {
            at = end;
            continue;
        }
        found += text.substr(at, end - at + 1);
    }
    return found;
}

TEST(StringTable, LanguageFollowsLcAll) {
    EXPECT_EQ(1252u, GetACP()) << "the module's texts assume it";
    const char* lcAll = std::getenv("LC_ALL");
    const std::string locale = lcAll != nullptr ? lcAll : "";
    const LANGID expected = locale.rfind("fr", 0) == 0 ? kFrench : locale.rfind("de", 0) == 0 ? kGerman : kEnglish;
    EXPECT_EQ(LanguageName(expected), std::string(LanguageName(LanguageInForce()))) << "LC_ALL=" << locale;
}

TEST(StringTable, EveryIdentifierIsInEveryLanguageWithTheConversionsOfTheEnglishText) {
    for (UINT id = IDS_FIRST; id <= IDS_LAST; ++id) {
        const std::string english = StringOf(id, kEnglish);
        EXPECT_NE("", english) << "string " << id;
        for (LANGID language : {kFrench, kGerman}) {
            const std::string text = StringOf(id, language);
            EXPECT_NE("", text) << "string " << id << " in " << LanguageName(language);
            EXPECT_EQ(Conversions(english), Conversions(text)) << "string " << id << " in " << LanguageName(language);
        }
        EXPECT_EQ(StringOf(id, LanguageInForce()), LoadResourceString(id)) << "string " << id;
    }
    EXPECT_EQ("", LoadResourceString(IDS_FIRST - 1));
    EXPECT_EQ("", LoadResourceString(IDS_LAST + 1));
}

// The blank belongs to the text: the pane shows it as it stands.
TEST(StringTable, TheFrenchStatusAndDescriptionTemplatesBeginWithABlank) {
    for (UINT id :
         {IDS_STATUS_CONNECTED, IDS_STATUS_NOT_CONNECTED, IDS_ACC_NOT_CONNECTED, IDS_ACC_PROGRAM_DESCRIPTION}) {
        const std::string french = StringOf(id, kFrench);
        EXPECT_EQ(" %s", french.substr(0, 3)) << "string " << id << ": \"" << french << "\"";
        EXPECT_NE(" ", StringOf(id, kEnglish).substr(0, 1)) << "string " << id;
    }
}

}  // namespace
