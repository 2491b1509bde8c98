#include "ResourceTestSupport.h"

#include "module/Module.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Control {
    int id;
    const char* kind;
    const char* text;
    RECT dialogUnits;  // left, top, width, height as the template gives them
    bool tabStop;
    bool visible;
};

const std::vector<Control> kEnglishControls = {
    {IDOK, "Button", "OK", {49, 158, 50, 14}, true, true},
    {IDCANCEL, "Button", "Cancel", {109, 158, 50, 14}, true, true},
    {IDC_START_HOURS, "Edit", "", {83, 119, 17, 14}, true, true},
    {IDC_STATIC, "Static", "hrs", {102, 121, 10, 8}, false, true},
    {IDC_START_MINUTES, "Edit", "", {117, 119, 17, 14}, true, true},
    {IDC_STATIC, "Static", "min", {137, 121, 12, 8}, false, true},
    {IDC_END_HOURS, "Edit", "", {83, 137, 17, 14}, true, true},
    {IDC_STATIC, "Static", "hrs", {103, 140, 10, 8}, false, true},
    {IDC_END_MINUTES, "Edit", "", {117, 137, 17, 14}, true, true},
    {IDC_STATIC, "Static", "min", {137, 140, 12, 8}, false, true},
    {IDC_STATIC, "Static", "Start of the segment:", {10, 121, 66, 8}, false, true},
    {IDC_STATIC, "Static", "End of the segment:", {10, 140, 64, 8}, false, true},
    {IDC_STATIC,
     "Static",
     "Slide the bar with your mouse or enter the time to select the segment of the program that you would like to "
     "transfer to your device",
     {10, 7, 190, 25},
     false,
     true},
    {IDC_SLIDER_PLACE, "Static", "", {14, 48, 186, 18}, false, false},
    {IDC_STATIC, "Static", "Segment Size on Player:", {10, 95, 83, 8}, false, true},
    {IDC_STATIC, "Static", "Segment Length:", {10, 105, 68, 8}, false, true},
    {IDC_SEGMENT_SIZE, "Static", "Static", {93, 95, 44, 8}, false, true},
    {IDC_SEGMENT_LENGTH, "Static", "Static", {93, 105, 45, 8}, false, true},
    {IDC_PLAY_STOP, "Button", "Play/Stop", {144, 94, 50, 14}, true, false},
};

// The same controls with the texts and positions of one translation, which
// only moves what its longer texts need.
std::vector<Control> ExpectedControls(LANGID language) {
    std::vector<Control> controls = kEnglishControls;
    if (language == kEnglish) return controls;
    controls[3].text = controls[7].text = "h";
    if (language == kFrench) {
        controls[14].dialogUnits = {10, 86, 76, 17};
        controls[15].dialogUnits = {10, 105, 76, 8};
    } else {
        controls[3].dialogUnits = {103, 121, 10, 8};
        controls[18].dialogUnits = {142, 94, 65, 14};
    }
    return controls;
}

bool KeepsEnglishText(const std::string& english) {
    return english == "OK" || english == "min" || english == "Static" || english.empty();
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

struct TemplateHeader {
    DWORD style = 0;
    WORD controls = 0;
    short width = 0, height = 0;
    WORD pointSize = 0;
    std::wstring caption, face;
};

// DLGTEMPLATE, then menu, class and caption (each none, an ordinal or a
// string), then the font when DS_SETFONT is set.
TemplateHeader ReadHeader(const std::string& bytes) {
    TemplateHeader header;
    std::vector<WORD> words((bytes.size() + 1) / 2);
    std::memcpy(words.data(), bytes.data(), bytes.size());
    std::memcpy(&header.style, &words[0], sizeof header.style);
    header.controls = words[4];
    header.width = static_cast<short>(words[7]);
    header.height = static_cast<short>(words[8]);
    size_t at = 9;
    auto readText = [&]() {
        std::wstring text;
        if (words[at] == 0xFFFF) {
            at += 2;
            return text;
        }
        while (words[at] != 0) text += static_cast<wchar_t>(words[at++]);
        ++at;
        return text;
    };
    readText();  // menu
    readText();  // class
    header.caption = readText();
    if (header.style & DS_SETFONT) {
        header.pointSize = words[at++];
        header.face = readText();
    }
    return header;
}

class SegmentDialogTemplate : public testing::TestWithParam<LANGID> {
  protected:
    void SetUp() override {
        m_strBytes = ResourceBytes(RT_DIALOG, MAKEINTRESOURCEA(IDD_SEGMENT), GetParam());
        ASSERT_FALSE(m_strBytes.empty()) << "no dialog " << IDD_SEGMENT << " in " << LanguageName(GetParam());
        m_hDialog.reset(CreateDialogIndirectParamA(
            Module::Instance(), reinterpret_cast<LPCDLGTEMPLATEA>(m_strBytes.data()), nullptr, QuietDialogProc, 0));
        ASSERT_NE(nullptr, m_hDialog.get());
    }

    std::string TextOf(HWND window) const {
        char text[512] = "";
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    // The dialog manager converts the position and the size each on its
    // own, so the right edge is not the converted left + width.
    RECT PixelsOf(const RECT& dialogUnits) const {
        RECT rect = dialogUnits;
        MapDialogRect(m_hDialog.get(), &rect);
        return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
    }

    std::string m_strBytes;
    OwnedWindow m_hDialog;
};

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " - " + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST_P(SegmentDialogTemplate, IsAModalFramePopupOf214By182InMsSansSerif8WithATranslatedCaption) {
    const TemplateHeader header = ReadHeader(m_strBytes);
    EXPECT_EQ(static_cast<DWORD>(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT), header.style);
    EXPECT_EQ(214, header.width);
    EXPECT_EQ(182, header.height);
    EXPECT_EQ(kEnglishControls.size(), header.controls);
    EXPECT_EQ(8, header.pointSize);
    EXPECT_EQ(L"MS Sans Serif", header.face);
    const std::string caption = TextOf(m_hDialog.get());
    if (GetParam() == kEnglish) {
        EXPECT_EQ("Select Program Segment", caption);
    } else {
        EXPECT_NE("", caption);
        EXPECT_NE("Select Program Segment", caption);
    }
}

TEST_P(SegmentDialogTemplate, ControlsComeInTemplateOrderWithTheirIdsKindsAndPositions) {
    const std::vector<Control> expected = ExpectedControls(GetParam());
    size_t index = 0;
    for (HWND child = GetWindow(m_hDialog.get(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        ASSERT_LT(index, expected.size()) << "more controls than expected";
        const Control& control = expected[index];
        char kind[64] = "";
        GetClassNameA(child, kind, sizeof kind);
        RECT placed;
        GetWindowRect(child, &placed);
        MapWindowPoints(HWND_DESKTOP, m_hDialog.get(), reinterpret_cast<POINT*>(&placed), 2);
        const LONG style = GetWindowLongA(child, GWL_STYLE);

        SCOPED_TRACE("control " + std::to_string(index) + " (\"" + kEnglishControls[index].text + "\")");
        EXPECT_EQ(control.id, static_cast<short>(GetDlgCtrlID(child)));
        EXPECT_STRCASEEQ(control.kind, kind);
        EXPECT_EQ(Describe(PixelsOf(control.dialogUnits)), Describe(placed));
        EXPECT_EQ(control.tabStop, (style & WS_TABSTOP) != 0);
        EXPECT_EQ(control.visible, (style & WS_VISIBLE) != 0);
        const std::string english = kEnglishControls[index].text;
        if (GetParam() == kEnglish || KeepsEnglishText(english) || std::string(control.text) != english) {
            EXPECT_EQ(control.text, TextOf(child));
        } else {
            EXPECT_NE("", TextOf(child));
            EXPECT_NE(english, TextOf(child)) << "left untranslated";
        }
        ++index;
    }
    EXPECT_EQ(expected.size(), index);
}

TEST_P(SegmentDialogTemplate, OkIsTheDefaultButtonAndTheTimeEditsTakeDigitsOnlyInTabOrder) {
    EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongA(GetDlgItem(m_hDialog.get(), IDOK), GWL_STYLE) & BS_TYPEMASK);
    EXPECT_EQ(BS_PUSHBUTTON, GetWindowLongA(GetDlgItem(m_hDialog.get(), IDCANCEL), GWL_STYLE) & BS_TYPEMASK);
    for (int id : {IDC_START_HOURS, IDC_START_MINUTES, IDC_END_HOURS, IDC_END_MINUTES}) {
        const HWND edit = GetDlgItem(m_hDialog.get(), id);
        EXPECT_NE(0, GetWindowLongA(edit, GWL_STYLE) & ES_NUMBER) << "edit " << id;
        const bool framed = (GetWindowLongA(edit, GWL_STYLE) & WS_BORDER) != 0 ||
                            (GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
        EXPECT_TRUE(framed) << "edit " << id << " has no border";
    }
    // Tab goes from OK and Cancel through the four edits and back.
    const std::vector<int> order = {IDOK, IDCANCEL, IDC_START_HOURS, IDC_START_MINUTES, IDC_END_HOURS, IDC_END_MINUTES};
    HWND current = GetNextDlgTabItem(m_hDialog.get(), nullptr, FALSE);
    for (size_t step = 0; step <= order.size(); ++step) {
        const int expected = order[step % order.size()];
        ASSERT_NE(nullptr, current);
        EXPECT_EQ(expected, GetDlgCtrlID(current)) << "tab stop " << step;
        current = GetNextDlgTabItem(m_hDialog.get(), current, FALSE);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, SegmentDialogTemplate, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<LANGID>& info) { return LanguageName(info.param); });

}  // namespace
