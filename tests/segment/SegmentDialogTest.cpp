#include "segment/SegmentDialog.h"

#include "module/ResourceString.h"
#include "res/resource.h"
#include "segment/RangeMath.h"
#include "support/PaneHost.h"
#include "support/PixelCanvas.h"
#include "support/RealInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kMarkerGreen = RGB(0, 128, 0);
constexpr COLORREF kDarkInk = 0xFFFFFFFF;  // any dark pixel, for InkIn

std::string SegmentText(int start, int length) { return std::to_string(start) + "+" + std::to_string(length); }
std::string SegmentOf(const CDeviceProgram& p) { return SegmentText(p.m_ProgramStart, p.m_TimeOnDevice); }

// The host: records each segment it is shown, may round it down to whole
// minutes, and sets the size at 1,000 bytes a second.
class HostDouble : public ISegmentDialogHost {
  public:
    void OnAdjustProgramSegment(int programIndex, CDeviceProgram* program) override {
        EXPECT_EQ(7, programIndex);
        if (roundToMinutes) {
            program->m_ProgramStart -= program->m_ProgramStart % 60;
            program->m_TimeOnDevice -= program->m_TimeOnDevice % 60;
        }
        program->m_SizeOnDevice = program->m_TimeOnDevice * 1000;
        segments.push_back(SegmentOf(*program));
    }
    void OnPlayProgramSegment(const char* productId, int startSeconds) override {
        plays.push_back(std::string(productId) + "@" + std::to_string(startSeconds));
    }

    bool roundToMinutes = false;
    std::vector<std::string> segments;
    std::vector<std::string> plays;
};

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }
std::string EditTimes(HWND dialog) {
    return ItemText(dialog, IDC_START_HOURS) + ":" + ItemText(dialog, IDC_START_MINUTES) + "-" +
           ItemText(dialog, IDC_END_HOURS) + ":" + ItemText(dialog, IDC_END_MINUTES);
}

// Where the dialog last was when its window went.
RECT g_lastPlace;
WNDPROC g_pDialogProc = nullptr;
LRESULT CALLBACK RecordLastPlace(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) GetWindowRect(window, &g_lastPlace);
    return CallWindowProcA(g_pDialogProc, window, message, wParam, lParam);
}

class SegmentDialogTest : public testing::Test {
  protected:
    INT_PTR Run(std::vector<CModalScript::Step> steps) {
        CModalScript script(std::move(steps));
        CSegmentDialog dialog(7, &program, &host);
        return dialog.DoModal(nullptr);
    }
    // The first step: waits for the dialog, keeps it and records where it ends.
    CModalScript::Step Opened() {
        return [this](CModalScript& s) {
            dialog = ActiveDialog();
            if (dialog == nullptr) return s.Again();
            g_lastPlace = RECT{};
            g_pDialogProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordLastPlace)));
        };
    }
    // OK moves the dialog off the screen before it ends, so that nothing of
    // it shows while the host works; Cancel leaves it where it is.
    static bool EndedOffScreen() { return g_lastPlace.left == -10000 && g_lastPlace.top == -10000; }
    CModalScript::Step Message(UINT stringId) {
        return [this, stringId](CModalScript& s) {
            const HWND box = ActiveDialog();
            if (box == nullptr || box == dialog) return s.Again();
            EXPECT_EQ(dialog, GetWindow(box, GW_OWNER));
            EXPECT_EQ("Lanthorn", WindowText(box));
            EXPECT_EQ(LoadResourceString(stringId), ItemText(box, 0xFFFF));
            PressKey(VK_RETURN);
        };
    }
    RECT Bar() const {
        RECT bar{};
        GetWindowRect(GetDlgItem(dialog, IDC_SLIDER_PLACE), &bar);
        return bar;
    }
    POINT OnBar(int x) const { return POINT{Bar().left + x, (Bar().top + Bar().bottom) / 2}; }
    int BarWidth() const { return Bar().right - Bar().left; }
    int Column(int value) const { return value * BarWidth() / program.m_TotalTime; }

    CDeviceProgram program = Program("Great Speeches", 3600, 30, 0, 600);
    HostDouble host;
    HWND dialog = nullptr;
};

TEST_F(SegmentDialogTest, OpensWithAtLeastAMinuteButNeverBeyondTheTotal) {
    const struct {
        int total, start, length;
        const char* title;  // an empty one leaves the template's caption
        const char* applied;
        const char* edits;
    } cases[] = {
        {3600, 600, 30, "Great Speeches", "600+60", "0:10-0:11"},  // a 30 s segment opens as a minute
        {3600, 600, 1200, "Great Speeches", "600+1200", "0:10-0:30"},
        {45, 0, 30, "", "0+45", "0:0-0:0"},  // a short program opens whole
        {3600, 3580, 10, "Great Speeches", "3580+20", "0:59-1:0"},
        {0, 0, 0, "Great Speeches", "0+0", "0:0-0:0"},  // no length: nothing to divide by
        {-5, 0, 0, "Great Speeches", "0+0", "0:0-0:0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(SegmentText(c.start, c.length) + " of " + std::to_string(c.total));
        program = Program(c.title, c.total, c.length, 0, c.start);
        host.segments.clear();
        const INT_PTR result = Run({Opened(), [&](CModalScript&) {
                                        EXPECT_EQ(*c.title ? c.title : "Select Program Segment", WindowText(dialog));
                                        EXPECT_EQ(std::vector<std::string>{c.applied}, host.segments);
                                        EXPECT_EQ(c.applied, SegmentOf(program));
                                        EXPECT_EQ(c.edits, EditTimes(dialog));
                                        EXPECT_EQ(GetDlgItem(dialog, IDOK), GetFocus());
                                        PressKey(VK_ESCAPE);
                                    }});
        EXPECT_EQ(IDCANCEL, result);
        EXPECT_EQ(SegmentText(c.start, c.length), SegmentOf(program));
    }
}

TEST_F(SegmentDialogTest, ShowsTheHostsSizeAndLengthAndThePlayCommandFiresForTheRecord) {
    const INT_PTR result = Run({Opened(),
                                [&](CModalScript&) {
                                    // Its close box sends what Alt+F4 sends.
                                    EXPECT_NE(0, GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU) << "no close box";
                                    EXPECT_EQ("0.1 MB", ItemText(dialog, IDC_SEGMENT_SIZE));  // 60,000 bytes
                                    EXPECT_EQ("1 min 0 s", ItemText(dialog, IDC_SEGMENT_LENGTH));
                                    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_PLAY_STOP)));
                                    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PLAY_STOP, BN_CLICKED),
                                                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_PLAY_STOP)));
                                    EXPECT_EQ(std::vector<std::string>{"id-Great Speeches@600"}, host.plays);
                                    // The hidden button is no tab stop in practice.
                                    PressKey(VK_TAB);
                                    PressKey(VK_TAB);
                                },
                                [&](CModalScript&) {
                                    EXPECT_EQ(GetDlgItem(dialog, IDC_START_HOURS), GetFocus());
                                    PressKeyWith(VK_MENU, VK_F4);
                                }});
    EXPECT_EQ(IDCANCEL, result);
}

TEST_F(SegmentDialogTest, TypedTimesApplyWhenTheFieldIsLeftAndOkChecksThem) {
    // Each field applies the four as they stand when it is left, so the
    // fields typed first shape the slider that clamps the later ones.
    struct Case {
        int total, start, length;
        const char* typed[4];  // start hours, minutes, end hours, minutes
        const char* applied;   // the record once the last field is left
        UINT message;          // shown by OK, or 0
    };
    const Case cases[] = {
        {3600, 600, 30, {"0", "0", "0", "0"}, "0+10", IDS_SEGMENT_START_NOT_BEFORE_END},      // end raised by 10 s
        {3600, 600, 30, {"0", "10", "0", "10"}, "590+10", IDS_SEGMENT_START_NOT_BEFORE_END},  // start lowered
        {3600, 600, 30, {"0", "10", "9", "0"}, "600+3000", 0},  // the end is held at the total
        {3600, 600, 30, {"0", "5", "0", "45"}, "300+2400", 0},
        // One hour in the start hours already pushed the start against the
        // slider's end; from there on nothing starts inside the program.
        {3600, 600, 30, {"1", "0", "1", "30"}, "662+1", IDS_SEGMENT_START_BEYOND_PROGRAM},
        {0, 0, 0, {"0", "0", "0", "1"}, "0+0", IDS_SEGMENT_START_BEYOND_PROGRAM},  // never beyond no length
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed[0]) + ":" + c.typed[1] + "-" + c.typed[2] + ":" + c.typed[3] + " of " +
                     std::to_string(c.total));
        program = Program("Great Speeches", c.total, c.length, 0, c.start);
        std::vector<CModalScript::Step> steps{Opened(),
                                              [&](CModalScript&) {
                                                  PressKey(VK_TAB);
                                                  PressKey(VK_TAB);
                                                  for (const char* field : c.typed) {
                                                      TypeKeys(field);
                                                      PressKey(VK_TAB);
                                                  }
                                              },
                                              [&](CModalScript&) {
                                                  EXPECT_EQ(GetDlgItem(dialog, IDOK), GetFocus());
                                                  EXPECT_EQ(c.applied, SegmentOf(program));
                                                  PressKey(VK_RETURN);
                                              }};
        if (c.message != 0) {
            steps.push_back(Message(c.message));
            // The dialog stays open (the result says so), active again once
            // the box has gone, which takes a while on a loaded machine.
            steps.push_back([&](CModalScript& s) {
                if (ActiveDialog() != dialog) return s.Again();
                PressKey(VK_ESCAPE);
            });
        }
        const INT_PTR result = Run(std::move(steps));
        EXPECT_EQ(c.message != 0 ? IDCANCEL : IDOK, result);
        EXPECT_EQ(c.message != 0 ? SegmentText(c.start, c.length) : c.applied, SegmentOf(program));
    }
}

TEST_F(SegmentDialogTest, EndingFromAnEditAppliesItOnceForOkAndNotAtAllForCancel) {
    // Enter in the end minutes: what was typed counts.
    INT_PTR result = Run({Opened(), [&](CModalScript&) {
                              for (int i = 0; i < 5; ++i) PressKey(VK_TAB);
                              TypeKeys("30");
                              PressKey(VK_RETURN);
                          }});
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(EndedOffScreen());
    EXPECT_EQ("600+1200", SegmentOf(program));
    EXPECT_EQ("600+1200", host.segments.back());
    EXPECT_EQ(1, std::count(host.segments.begin(), host.segments.end(), "600+1200"));

    // Esc in the start hours: Cancel's restore is the last word.
    program = Program("Great Speeches", 3600, 30, 0, 600);
    host.segments.clear();
    result = Run({Opened(),
                  [&](CModalScript&) {
                      PressKey(VK_TAB);
                      PressKey(VK_TAB);
                      TypeKeys("0");
                  },
                  [&](CModalScript&) {
                      for (int i = 0; i < 3; ++i) PressKey(VK_TAB);
                      TypeKeys("50");
                  },
                  [&](CModalScript&) {
                      EXPECT_EQ("600+60", SegmentOf(program)) << "typing alone applies nothing";
                      PressKey(VK_ESCAPE);
                  }});
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_FALSE(EndedOffScreen());
    EXPECT_EQ("600+30", SegmentOf(program));
    ASSERT_FALSE(host.segments.empty());
    EXPECT_EQ("600+30", host.segments.back());
}

TEST_F(SegmentDialogTest, DragsApplyTheHostsCorrectionAndCancelRestoresTheOpeningSegment) {
    program = Program("Great Speeches", 3600, 1200, 0, 600);
    host.roundToMinutes = true;
    int draggedEnd = 0;
    INT_PTR result = Run({Opened(),
                          [&](CModalScript&) {
                              EXPECT_TRUE(IsWindowEnabled(dialog));
                              const int x2 = Column(1800);
                              Drag(OnBar(x2 - 5), {OnBar(x2 + 15), OnBar(x2 + 35)});
                          },
                          [&](CModalScript&) {
                              draggedEnd = program.m_ProgramStart + program.m_TimeOnDevice;
                              EXPECT_EQ(600, program.m_ProgramStart);
                              EXPECT_EQ(0, draggedEnd % 60) << "the host's whole minutes";
                              EXPECT_NEAR(1800 + 40 * 3600 / BarWidth(), draggedEnd, 60);
                              EXPECT_EQ(std::to_string(draggedEnd / 60 % 60), ItemText(dialog, IDC_END_MINUTES));
                              EXPECT_EQ(std::to_string(program.m_TimeOnDevice * 1000 / 1048576) + ".",
                                        ItemText(dialog, IDC_SEGMENT_SIZE).substr(0, 2));
                              // The whole segment, by its middle.
                              const int middle = (Column(600) + Column(draggedEnd)) / 2;
                              Drag(OnBar(middle), {OnBar(middle + 20), OnBar(middle + 30)});
                          },
                          [&](CModalScript&) {
                              EXPECT_GT(program.m_ProgramStart, 600);
                              EXPECT_NEAR(draggedEnd - 600, program.m_TimeOnDevice, 60) << "moved whole";
                              Click(CentreOf(GetDlgItem(dialog, IDCANCEL)));
                          }});
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ("600+1200", SegmentOf(program));
    EXPECT_EQ("600+1200", host.segments.back());
    EXPECT_GT(host.segments.size(), 4u);
}

// Ink of a band of the dialog's client area: the bounds of the pixels of
// `colour`, or (with kDarkInk) of the dark ones; all -1 when none.
RECT InkIn(HWND dialog, RECT band, COLORREF colour) {
    const auto canvas = Capture(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    RECT ink{-1, -1, -1, -1};
    for (int y = std::max(0L, band.top); y < std::min(client.bottom, band.bottom); ++y)
        for (int x = std::max(0L, band.left); x < std::min(client.right, band.right); ++x) {
            const COLORREF pixel = canvas->At(x, y);
            const bool dark = GetRValue(pixel) < 0x60 && GetGValue(pixel) < 0x60 && GetBValue(pixel) < 0x60;
            if (colour == kDarkInk ? !dark : pixel != colour) continue;
            if (ink.left < 0 || x < ink.left) ink.left = x;
            if (ink.top < 0) ink.top = y;
            ink.right = std::max<LONG>(ink.right, x);
            ink.bottom = y;
        }
    return ink;
}

// The markers sit at the slider's own segment (a 30 s one included, which
// the labels show as a minute), the start one above and the end one below
// the bar, each label centred over its marker; the edits take two digits.
TEST_F(SegmentDialogTest, MarkersAndLabelsFollowTheSliderAndTheEditsTakeTwoDigits) {
    const int cases[][3] = {{3600, 600, 1200}, {3600, 1800, 30}};
    for (const auto& c : cases) {
        SCOPED_TRACE(SegmentText(c[1], c[2]));
        program = Program("Great Speeches", c[0], c[2], 0, c[1]);
        Run({Opened(), [&](CModalScript&) {
                 RECT bar{};
                 GetWindowRect(GetDlgItem(dialog, IDC_SLIDER_PLACE), &bar);
                 MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&bar), 2);
                 const range::CSpan span = range::ToPixels(bar.left, bar.right, c[0], c[1], c[1] + c[2]);
                 const LONG left = bar.left - 40, right = bar.right + 40;
                 const RECT start = InkIn(dialog, {left, bar.top - 12, right, bar.top}, kMarkerGreen);
                 EXPECT_NEAR(span.x1 - 5, start.left, 1);
                 EXPECT_NEAR(bar.top - 10, start.top, 1);
                 const RECT end = InkIn(dialog, {left, bar.bottom, right, bar.bottom + 12}, kMarkerGreen);
                 EXPECT_NEAR(span.x2 - 5, end.left, 1);
                 EXPECT_NEAR(bar.bottom + 2, end.top, 1);
                 const RECT startLabel = InkIn(dialog, {left, bar.top - 22, right, bar.top - 10}, kDarkInk);
                 EXPECT_NEAR(span.x1 - 5, (startLabel.left + startLabel.right) / 2, 3);
                 const RECT endLabel = InkIn(dialog, {left, bar.bottom + 12, right, bar.bottom + 30}, kDarkInk);
                 EXPECT_NEAR(span.x2 - 5, (endLabel.left + endLabel.right) / 2, 3);
                 for (int id : {IDC_START_HOURS, IDC_START_MINUTES, IDC_END_HOURS, IDC_END_MINUTES}) {
                     EXPECT_EQ(2, SendDlgItemMessageA(dialog, id, EM_GETLIMITTEXT, 0, 0)) << "edit " << id;
                     EXPECT_NE(0, GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & ES_NUMBER) << "edit " << id;
                 }
                 PressKey(VK_ESCAPE);
             }});
    }
}

}  // namespace
