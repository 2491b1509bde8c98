#include "ResourceTestSupport.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

struct DetailsTemplate {
    LANGID language;
    int id;
    const char* pageTitle;
    std::vector<const char*> visibleLines;  // as the page reads, tags removed
};

const DetailsTemplate kTemplates[] = {
    {kEnglish,
     IDH_SEGMENT_DETAILS,
     "New Page 1",
     {"\u00a0%TITLE% On %DEVICE%", "Total Program Time: %TIME%", "Segment Length On Your %DEVICE% - %SEGMENT_LENGTH%",
      "Start Of The Segment On Your %DEVICE% - %SEGMENT_START%", "Last Heard Position On Your %DEVICE% - %POSITION%"}},
    {kFrench,
     IDH_SEGMENT_DETAILS,
     "Nouvelle page 1",
     {"\u00a0%TITLE% Le  %DEVICE%", "Durée totale du programme\u00a0: %TIME%",
      "Longueur du segment sur votre %DEVICE% - %SEGMENT_LENGTH%",
      "Début du segment sur votre %DEVICE% - %SEGMENT_START%",
      "Dernière position écoutée sur votre %DEVICE% - %POSITION%"}},
    {kGerman,
     IDH_SEGMENT_DETAILS,
     "Neue Seite 1",
     {"\u00a0%TITLE% Auf %DEVICE%", "Gesamtprogrammzeit: %TIME%", "Segmentlänge auf Ihrem %DEVICE% – %SEGMENT_LENGTH%",
      "Segmentstart auf Ihrem %DEVICE% – %SEGMENT_START%", "Letzte gehörte Position auf Ihrem %DEVICE% – %POSITION%"}},
    {kEnglish,
     IDH_FILE_INFORMATION,
     "Music File Information",
     {"%TITLE% audio program on your %DEVICE%", "Length: %TIME%", "Size: %SIZE%", "Program Type: %FORMAT%"}},
    {kFrench,
     IDH_FILE_INFORMATION,
     "Informations sur les fichiers de musique",
     {"%TITLE% programme audio sur votre %DEVICE%", "Longueur\u00a0: %TIME%", "Taille\u00a0: %SIZE%",
      "Type de programme\u00a0: %FORMAT%"}},
    {kGerman,
     IDH_FILE_INFORMATION,
     "Musikdateiinformationen",
     {"%TITLE%-Audioprogramm auf Ihrem %DEVICE%", "Länge: %TIME%", "Größe: %SIZE%", "Programmtyp: %FORMAT%"}},
};

// How often the details builder will find each placeholder: it replaces by
// plain search, so each must stand whole, as often as the page shows it.
const std::map<int, std::map<std::string, int>> kPlaceholders = {
    {IDH_SEGMENT_DETAILS,
     {{"%TITLE%", 1},
      {"%TIME%", 1},
      {"%DEVICE%", 4},
      {"%SEGMENT_LENGTH%", 1},
      {"%SEGMENT_START%", 1},
      {"%POSITION%", 1},
      {"%SIZE%", 0},
      {"%FORMAT%", 0}}},
    {IDH_FILE_INFORMATION,
     {{"%TITLE%", 1},
      {"%TIME%", 1},
      {"%DEVICE%", 1},
      {"%SEGMENT_LENGTH%", 0},
      {"%SEGMENT_START%", 0},
      {"%POSITION%", 0},
      {"%SIZE%", 1},
      {"%FORMAT%", 1}}},
};

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

// The page's text without its tags, with the two character references the
// templates use decoded into Windows-1252.
std::string VisibleText(const std::string& html) {
    std::string text;
    bool inTag = false;
    for (char c : html) {
        if (c == '<') inTag = true;
        if (!inTag) text += c;
        if (c == '>') inTag = false;
    }
    for (const auto& [reference, character] : {std::pair<std::string, char>{"&nbsp;", '\xA0'}, {"&#150;", '\x96'}}) {
        for (size_t at = text.find(reference); at != std::string::npos; at = text.find(reference, at + 1)) {
            text.replace(at, reference.size(), 1, character);
        }
    }
    return text;
}

class DetailsTemplateResource : public testing::TestWithParam<DetailsTemplate> {
  protected:
    void SetUp() override {
        m_strHtml = ResourceBytes(MAKEINTRESOURCEA(23), MAKEINTRESOURCEA(GetParam().id), GetParam().language);
        ASSERT_FALSE(m_strHtml.empty()) << "no HTML " << GetParam().id << " in " << LanguageName(GetParam().language);
    }
    std::string m_strHtml;
};

// Windows-1252 text without a NUL, its page named, reading as the
// translated page, each placeholder whole as often as the page shows it
// (German dashes as character references), a thin solid rule.
TEST_P(DetailsTemplateResource, ReadsAsTheTranslatedPageWithEachPlaceholderWhole) {
    EXPECT_EQ(std::string::npos, m_strHtml.find('\0'))
        << "NUL at " << m_strHtml.find('\0') << " of " << m_strHtml.size();
    EXPECT_NE(std::string::npos, m_strHtml.find("charset=windows-1252"));
    EXPECT_EQ("</html>", m_strHtml.substr(m_strHtml.rfind('<'), 7));
    EXPECT_NE(std::string::npos, m_strHtml.find("<title>" + Cp1252(GetParam().pageTitle) + "</title>"))
        << "page title \"" << GetParam().pageTitle << "\"";
    const std::string visible = VisibleText(m_strHtml);
    for (const char* line : GetParam().visibleLines) {
        EXPECT_NE(std::string::npos, visible.find(Cp1252(line))) << "missing \"" << line << "\" in:\n" << visible;
    }
    for (const auto& [placeholder, count] : kPlaceholders.at(GetParam().id)) {
        EXPECT_EQ(count, Occurrences(m_strHtml, placeholder)) << placeholder;
    }
    EXPECT_EQ(std::string::npos, m_strHtml.find('\x96')) << "raw en dash";
    if (GetParam().language == kGerman && GetParam().id == IDH_SEGMENT_DETAILS) {
        EXPECT_EQ(3, Occurrences(m_strHtml, "%DEVICE% &#150; "));
    }
    EXPECT_EQ(1, Occurrences(m_strHtml, "<hr size=\"1\" noshade>"));
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndPages, DetailsTemplateResource, testing::ValuesIn(kTemplates),
                         [](const testing::TestParamInfo<DetailsTemplate>& info) {
                             return std::string(LanguageName(info.param.language)) + "_" +
                                    std::to_string(info.param.id);
                         });

}  // namespace
