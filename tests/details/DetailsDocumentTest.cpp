// The details documents: both templates in the language of this run with
// the example record, the order and once-only rules of the placeholders,
// escaping, and the codec name from Grainhold.dll, which is looked for
// beside the application and never in the current directory.
#include "format/DetailsDocument.h"
#include "format/DetailsTemplate.h"

#include "res/resource.h"
#include "support/BuildPaths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using testing::Contains;
using testing::HasSubstr;
using testing::Not;

std::optional<std::string> Details(const CDeviceProgram& record, const char* device) {
    return BuildProgramDetails(&record, device);
}

CDeviceProgram ExampleRecord(int resizable, const char* title = "Great Speeches", const char* productId = "WMA9") {
    CDeviceProgram p{};
    std::strcpy(p.m_szProductID, productId);
    std::strcpy(p.m_szTitle, title);
    p.m_TotalTime = 3661;
    p.m_TimeOnDevice = 600;
    p.m_ProgramStart = 60;
    p.m_PlayBackPos = 30;
    p.m_SizeOnDevice = 1572864;
    p.m_fCanProgramBeResized = resizable;
    return p;
}

// The lines of the page as it reads: tags dropped, the few character
// references of the templates decoded (to Windows-1252), blanks trimmed.
std::vector<std::string> VisibleLines(const std::string& html) {
    static const std::map<std::string, std::string> references = {
        {"&nbsp;", "\xa0"}, {"&#150;", "\x96"}, {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}};
    std::string text;
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            const std::size_t close = html.find('>', i);
            i = close == std::string::npos ? html.size() : close + 1;
            continue;
        }
        bool decoded = false;
        for (const auto& [reference, character] : references) {
            if (html.compare(i, reference.size(), reference) == 0) {
                text += character;
                i += reference.size();
                decoded = true;
                break;
            }
        }
        if (!decoded) text += html[i++];
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        const std::size_t first = line.find_first_not_of(" \r\t");
        const std::size_t last = line.find_last_not_of(" \r\t");
        if (first != std::string::npos) lines.push_back(line.substr(first, last - first + 1));
        start = end + 1;
    }
    return lines;
}

// A "%NAME%" left in a document, or empty.
std::string LeftPlaceholder(const std::string& html) {
    for (std::size_t at = html.find('%'); at != std::string::npos; at = html.find('%', at + 1)) {
        std::size_t end = at + 1;
        while (end < html.size() && (std::isupper(static_cast<unsigned char>(html[end])) || html[end] == '_')) ++end;
        if (end > at + 1 && end < html.size() && html[end] == '%') return html.substr(at, end - at + 1);
    }
    return {};
}

struct LanguageTexts {
    WORD language;
    std::vector<std::string> segment;      // template 208
    std::vector<std::string> information;  // template 215, without its program type
    std::string typeLabel;
};

const LanguageTexts kTexts[] = {
    {LANG_ENGLISH,
     {"New Page 1", "\xa0Great Speeches On Player", "Total Program Time: 1 h 1 min",
      "Segment Length On Your Player - 10 min 0 s", "Start Of The Segment On Your Player - 1 min 0 s",
      "Last Heard Position On Your Player - 1 min 30 s"},
     {"Music File Information", "Great Speeches audio program on your Player", "Length: 1 h 1 min", "Size: 1.5 MB"},
     "Program Type:"},
    {LANG_FRENCH,
     {"Nouvelle page 1", "\xa0Great Speeches Le  Player",
      "Dur\xe9"
      "e totale du programme\xa0: 1 h 1 min",
      "Longueur du segment sur votre Player - 10 min 0 s",
      "D\xe9"
      "but du segment sur votre Player - 1 min 0 s",
      "Derni\xe8re position \xe9"
      "cout\xe9"
      "e sur votre Player - 1 min 30 s"},
     {"Informations sur les fichiers de musique", "Great Speeches programme audio sur votre Player",
      "Longueur\xa0: 1 h 1 min", "Taille\xa0: 1.5 MB"},
     "Type de programme\xa0:"},
    {LANG_GERMAN,
     {"Neue Seite 1", "\xa0Great Speeches Auf Player", "Gesamtprogrammzeit: 1 h 1 min",
      "Segmentl\xe4nge auf Ihrem Player \x96 10 min 0 s", "Segmentstart auf Ihrem Player \x96 1 min 0 s",
      "Letzte geh\xf6rte Position auf Ihrem Player \x96 1 min 30 s"},
     {"Musikdateiinformationen", "Great Speeches-Audioprogramm auf Ihrem Player", "L\xe4nge: 1 h 1 min",
      "Gr\xf6\xdf"
      "e: 1.5 MB"},
     "Programmtyp:"},
};

// The texts of this run's user interface language (English for any other,
// as the resource loader falls back to it).
const LanguageTexts& TextsInForce() {
    const WORD language = PRIMARYLANGID(GetUserDefaultUILanguage());
    for (const LanguageTexts& texts : kTexts)
        if (texts.language == language) return texts;
    return kTexts[0];
}

std::wstring Directory(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/")); }
std::wstring ApplicationDirectory() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return Directory(path);
}

// Places the stand-in Grainhold.dll where a test wants it, and removes
// every copy it made at the end.
class Grainhold : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(GrainholdDllPath().empty()) << "KESTREL_GRAINHOLD is not set";
        DeleteFileW((ApplicationDirectory() + L"\\Grainhold.dll").c_str());
    }
    void TearDown() override {
        for (const std::wstring& copy : m_copies) DeleteFileW(copy.c_str());
    }
    void PlaceIn(const std::wstring& directory) {
        const std::wstring copy = directory + L"\\Grainhold.dll";
        ASSERT_TRUE(CopyFileW(GrainholdDllPath().c_str(), copy.c_str(), FALSE)) << GetLastError();
        m_copies.push_back(copy);
    }

  private:
    std::vector<std::wstring> m_copies;
};

TEST(DetailsTemplate, PlaceholdersAreReplacedWholeAndValuesAreNeverExpandedAgain) {
    struct Case {
        const char* text;
        const char* placeholder;
        const char* value;
        const char* filled;
        int count;
    };
    const Case cases[] = {
        {"a %X% b %X%", "%X%", "v", "a v b v", 2},
        {"%X%%X%", "%X%", "<%X%>", "<%X%><%X%>", 2},  // the search resumes after the value
        {"%X%", "%X%", "", "", 1},
        {"%x% %X", "%X%", "v", "%x% %X", 0},  // exact and case-sensitive
        {"abc", "", "v", "abc", 0},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(c.count, ReplaceEveryPlaceholder(text, c.placeholder, c.value)) << c.text;
        EXPECT_EQ(c.filled, text) << c.text;
    }

    // In order: a title holding "%DEVICE%" shows the device there; the other
    // template's placeholders are never looked for.
    CDetailsFields fields;
    fields.strTitle = "%DEVICE% & %TITLE%";
    fields.strDevice = "Player";
    EXPECT_EQ("Player &amp; %TITLE%|Player|%SIZE%",
              FillDetailsTemplate("%TITLE%|%DEVICE%|%SIZE%", DetailsKind::SEGMENT_DETAILS, fields));
    EXPECT_EQ("&lt;b&gt;&quot;Q&quot; &amp; A&lt;/b&gt;", EscapeHtml("<b>\"Q\" & A</b>"));
}

TEST_F(Grainhold, BothTemplatesShowTheExampleRecordInTheLanguageInForce) {
    PlaceIn(ApplicationDirectory());
    const LanguageTexts& texts = TextsInForce();

    const auto segment = Details(ExampleRecord(1), "Player");
    ASSERT_TRUE(segment.has_value());
    EXPECT_THAT(*segment, HasSubstr("<title>" + texts.segment[0] + "</title>"));
    const std::vector<std::string> segmentLines = VisibleLines(*segment);
    for (const std::string& line : texts.segment) EXPECT_THAT(segmentLines, Contains(line));
    EXPECT_EQ("", LeftPlaceholder(*segment));

    const auto information = Details(ExampleRecord(0), "Player");
    ASSERT_TRUE(information.has_value());
    const std::vector<std::string> informationLines = VisibleLines(*information);
    for (const std::string& line : texts.information) EXPECT_THAT(informationLines, Contains(line));
    EXPECT_THAT(informationLines, Contains(texts.typeLabel + " Windows Media Audio 9"));
    EXPECT_EQ("", LeftPlaceholder(*information));

    // Without the library the page still comes, with an empty type.
    TearDown();
    const auto bare = Details(ExampleRecord(0), "Player");
    ASSERT_TRUE(bare.has_value());
    EXPECT_THAT(VisibleLines(*bare), Contains(texts.typeLabel));
    EXPECT_THAT(VisibleLines(*bare), Contains(texts.information[3]));
}

TEST_F(Grainhold, TheCodecNameComesFromBesideTheApplicationAndNeverFromTheCurrentDirectory) {
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    const std::wstring elsewhere = std::wstring(temp) + L"kestrel-grainhold";
    CreateDirectoryW(elsewhere.c_str(), nullptr);
    wchar_t previous[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, previous);

    PlaceIn(elsewhere);
    ASSERT_TRUE(SetCurrentDirectoryW(elsewhere.c_str()));
    EXPECT_EQ("", GetCodecName("WMA9")) << "found in the current directory";
    SetCurrentDirectoryW(previous);

    PlaceIn(ApplicationDirectory());
    const std::pair<const char*, const char*> lookups[] = {
        {"WMA9", "Windows Media Audio 9"}, {"MP3", "MPEG-1 Audio Layer 3"}, {"BROKEN", ""}, {"unknown", ""}, {"", ""}};
    for (const auto& [productId, name] : lookups) EXPECT_EQ(name, GetCodecName(productId)) << productId;
    EXPECT_EQ(nullptr, GetModuleHandleW(L"Grainhold.dll")) << "the library stays loaded";
    TearDown();
    RemoveDirectoryW(elsewhere.c_str());
}

TEST_F(Grainhold, InsertedValuesAreEscapedAndATitleHoldingAPlaceholderIsInsertedOnce) {
    PlaceIn(ApplicationDirectory());
    const auto escaped = Details(ExampleRecord(0, "<b>Bold</b> & \"Loud\"", "QA"), "Player <2>");
    ASSERT_TRUE(escaped.has_value());
    EXPECT_THAT(*escaped, HasSubstr("&lt;b&gt;Bold&lt;/b&gt; &amp; &quot;Loud&quot;"));
    EXPECT_THAT(*escaped, HasSubstr("Player &lt;2&gt;"));
    EXPECT_THAT(*escaped, HasSubstr("Q&amp;A &lt;Speech&gt; &quot;Lite&quot;"));
    EXPECT_THAT(*escaped, Not(HasSubstr("<b>Bold")));

    for (const int resizable : {0, 1}) {
        const auto document = Details(ExampleRecord(resizable, "The %TITLE% Show"), "Player");
        ASSERT_TRUE(document.has_value());
        EXPECT_THAT(*document, HasSubstr("The %TITLE% Show"));
        EXPECT_EQ(document->find("%TITLE%"), document->rfind("%TITLE%")) << "expanded again";
    }
}

TEST(DetailsDocument, NoDocumentWithoutRecordOrDeviceAndAnUnterminatedTitleIsLeftOut) {
    const CDeviceProgram record = ExampleRecord(1);
    EXPECT_FALSE(BuildProgramDetails(nullptr, "Player").has_value());
    EXPECT_FALSE(BuildProgramDetails(&record, nullptr).has_value());

    CDeviceProgram unterminated = ExampleRecord(1);
    std::memset(unterminated.m_szTitle, 'x', sizeof unterminated.m_szTitle);
    const auto document = BuildProgramDetails(&unterminated, "Player");
    ASSERT_TRUE(document.has_value());
    EXPECT_THAT(*document, Not(HasSubstr("xxx")));
    EXPECT_FALSE(LoadHtmlTemplate(IDH_SEGMENT_DETAILS).empty());
    EXPECT_EQ("", LoadHtmlTemplate(999));
}

}  // namespace
