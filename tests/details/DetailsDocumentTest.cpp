// The filling against a model: tests/fuzz/placeholder_filler.
#include "format/DetailsDocument.h"
#include "format/DetailsTemplate.h"

#include "res/resource.h"
#include "support/BuildPaths.h"
#include "support/LeftPlaceholder.h"
#include "support/PaneHost.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using testing::HasSubstr;
using testing::Not;

std::optional<std::string> Details(const CDeviceProgram& record, const char* device) {
    return BuildProgramDetails(&record, device);
}

CDeviceProgram ExampleRecord(int resizable, const char* title = "Great Speeches", const char* productId = "WMA9") {
    CDeviceProgram p = Program(title, 3661, 600, 1572864, 60, 30, resizable != 0);
    std::strcpy(p.m_szProductID, productId);
    return p;
}

// Whether `values` appear in the page's text in this order: each filled in
// where its placeholder stood. The templates' own texts in every language
// are checked with the resources (res/DetailsTemplateResourceTest).
testing::AssertionResult ShowsInOrder(const std::string& text, const std::vector<std::string>& values) {
    std::size_t at = 0;
    for (const std::string& value : values) {
        const std::size_t found = text.find(value, at);
        if (found == std::string::npos)
            return testing::AssertionFailure() << "\"" << value << "\" missing after offset " << at << " in:\n" << text;
        at = found + value.size();
    }
    return testing::AssertionSuccess();
}

std::wstring ApplicationDirectory() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program = path;
    return program.substr(0, program.find_last_of(L"\\/"));
}

// Counts the frees of the COM task allocator, and spares blocks that are no
// allocation at all but lie in Grainhold.dll's own image. It outlives every
// registration, however late COM lets go of it.
class LibraryFreeSpy final : public IMallocSpy {
  public:
    int m_nFreed = 0;

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
        *ppv = iid == IID_IUnknown || iid == IID_IMallocSpy ? this : nullptr;
        return *ppv != nullptr ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP_(SIZE_T) PreAlloc(SIZE_T size) override { return size; }
    STDMETHODIMP_(void*) PostAlloc(void* actual) override { return actual; }
    STDMETHODIMP_(void*) PreFree(void* request, BOOL) override {
        ++m_nFreed;
        const auto library = reinterpret_cast<const BYTE*>(GetModuleHandleW(L"Grainhold.dll"));
        if (library != nullptr) {
            const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(library);
            const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(library + dos->e_lfanew);
            const auto* p = static_cast<const BYTE*>(request);
            if (p >= library && p < library + nt->OptionalHeader.SizeOfImage) return nullptr;  // frees nothing
        }
        return request;
    }
    STDMETHODIMP_(void) PostFree(BOOL) override {}
    STDMETHODIMP_(SIZE_T) PreRealloc(void* request, SIZE_T size, void** newRequest, BOOL) override {
        *newRequest = request;
        return size;
    }
    STDMETHODIMP_(void*) PostRealloc(void* actual, BOOL) override { return actual; }
    STDMETHODIMP_(void*) PreGetSize(void* request, BOOL) override { return request; }
    STDMETHODIMP_(SIZE_T) PostGetSize(SIZE_T actual, BOOL) override { return actual; }
    STDMETHODIMP_(void*) PreDidAlloc(void* request, BOOL) override { return request; }
    STDMETHODIMP_(int) PostDidAlloc(void*, BOOL, int actual) override { return actual; }
    STDMETHODIMP_(void) PreHeapMinimize() override {}
    STDMETHODIMP_(void) PostHeapMinimize() override {}
} g_spy;

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
    // The stand-in, or another library under its name.
    void PlaceIn(const std::wstring& directory, const std::wstring& library = GrainholdDllPath()) {
        const std::wstring copy = directory + L"\\Grainhold.dll";
        ASSERT_TRUE(CopyFileW(library.c_str(), copy.c_str(), FALSE)) << GetLastError();
        m_copies.push_back(copy);
    }

  private:
    std::vector<std::wstring> m_copies;
};

TEST_F(Grainhold, BothTemplatesShowTheExampleRecordWhereTheirPlaceholdersStand) {
    PlaceIn(ApplicationDirectory());
    const auto segment = Details(ExampleRecord(1), "Player");
    ASSERT_TRUE(segment.has_value());
    EXPECT_TRUE(ShowsInOrder(*segment, {"Great Speeches", "Player", "1 h 1 min", "Player", "10 min 0 s", "Player",
                                        "1 min 0 s", "Player", "1 min 30 s"}));
    EXPECT_EQ("", LeftPlaceholder(*segment));
    // The template of the language in force (English for any other).
    const WORD language = PRIMARYLANGID(GetUserDefaultUILanguage());
    const char* title = language == LANG_FRENCH   ? "Nouvelle page 1"
                        : language == LANG_GERMAN ? "Neue Seite 1"
                                                  : "New Page 1";
    EXPECT_THAT(*segment, HasSubstr(std::string("<title>") + title + "</title>"));

    const auto information = Details(ExampleRecord(0), "Player");
    ASSERT_TRUE(information.has_value());
    EXPECT_TRUE(
        ShowsInOrder(*information, {"Great Speeches", "Player", "1 h 1 min", "1.5 MB", "Windows Media Audio 9"}));
    EXPECT_EQ("", LeftPlaceholder(*information));
}

// No library beside the application (a copy in the current directory is
// never taken: one planted beside a document the user opened would run in
// the host), one without the export, or one whose call fails yet leaves a
// string behind: no codec name, the page still comes, and a string the
// call did not hand over is not freed. A found name is freed once, and the
// library does not stay loaded.
TEST_F(Grainhold, AMissingLibraryOrFailingExportGivesNoNameAndFreesOnlyWhatItWasGiven) {
    wchar_t temp[MAX_PATH] = L"", previous[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    GetCurrentDirectoryW(MAX_PATH, previous);
    const std::wstring elsewhere = std::wstring(temp) + L"kestrel-grainhold";
    CreateDirectoryW(elsewhere.c_str(), nullptr);
    PlaceIn(elsewhere);
    ASSERT_TRUE(SetCurrentDirectoryW(elsewhere.c_str()));
    const struct {
        const char* what;
        std::wstring library;
        const char* productId;
        const char* name;
        int freed;
    } cases[] = {
        {"only in the current directory", L"", "WMA9", "", 0},
        {"no export", KestrelDllPath(), "WMA9", "", 0},
        {"failing with a string", GrainholdDllPath(), "BROKEN", "", 0},
        {"unknown", GrainholdDllPath(), "unknown", "", 0},
        {"no product", GrainholdDllPath(), "", "", 0},
        {"found", GrainholdDllPath(), "WMA9", "Windows Media Audio 9", 1},
        {"found another", GrainholdDllPath(), "MP3", "MPEG-1 Audio Layer 3", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.library.empty()) PlaceIn(ApplicationDirectory(), c.library);
        g_spy.m_nFreed = 0;
        ASSERT_EQ(S_OK, CoRegisterMallocSpy(&g_spy));
        const std::string name = GetCodecName(c.productId);
        CoRevokeMallocSpy();
        EXPECT_EQ(c.name, name);
        EXPECT_EQ(c.freed, g_spy.m_nFreed);
        EXPECT_EQ(nullptr, GetModuleHandleW(L"Grainhold.dll")) << "the library stays loaded";
        const auto page = Details(ExampleRecord(0, "Great Speeches", c.productId), "Player");
        ASSERT_TRUE(page.has_value());
        EXPECT_TRUE(ShowsInOrder(*page, {"Great Speeches", "Player", "1 h 1 min", "1.5 MB", c.name}));
        DeleteFileW((ApplicationDirectory() + L"\\Grainhold.dll").c_str());
    }
    SetCurrentDirectoryW(previous);
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
    EXPECT_EQ("", LoadHtmlTemplate(999));
}

}  // namespace
