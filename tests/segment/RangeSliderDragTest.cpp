#include "segment/RangeSlider.h"

#include "support/OwnerWindow.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class RecordingListener : public IRangeListener {
  public:
    void OnRangeChanging(int total, int& start, int& end, RECT barRect) override {
        seen += std::to_string(start) + ".." + std::to_string(end) + " ";
        EXPECT_EQ(36000, total);
        EXPECT_EQ("(10, 10, 290, 30)", RectText(barRect));
        capture = GetCapture();
        GetClipCursor(&clip);
        if (rewrite) rewrite(start, end);
    }

    std::string seen;
    std::function<void(int&, int&)> rewrite;
    HWND capture = nullptr;
    RECT clip{};
};

// 10 hours over 280 x 20 pixels at (10, 10) of the owner: the segment
// 9000..27000 lies at columns 80..219, its thumbs at 83..85 and 214..216.
class SliderDrag : public testing::Test {
  protected:
    void SetUp() override {
        Attach(slider);
        slider.SetListener(&listener);
        owner.onCaptureChanged = [this] { slider.StopDrag(); };
        owner.Settle();
    }

    void TearDown() override {
        // However the drag ended, the mouse is given back.
        EXPECT_EQ(nullptr, GetCapture());
        const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
        const RECT screen{x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        RECT clip{};
        GetClipCursor(&clip);
        EXPECT_EQ(RectText(screen), RectText(clip));
        EXPECT_FALSE(slider.IsDragging());
    }

    void Attach(CRangeSlider& s) {
        s.SetBounds(10, 10, 280, 20);
        s.SetOwner(owner.hwnd());
    }
    void Post(UINT message, int x = 0) { PostMessageA(owner.hwnd(), message, 0, MAKELPARAM(x, 20)); }
    void Queue(const std::vector<int>& xs) {
        for (int x : xs) Post(WM_MOUSEMOVE, x);
        Post(WM_LBUTTONUP);
    }
    std::string Values() const { return std::to_string(slider.GetStart()) + ".." + std::to_string(slider.GetEnd()); }

    COwnerWindow owner;
    CRangeSlider slider{0x9F9860, 36000, 9000, 27000};
    RecordingListener listener;
};

// Whether this display confines the cursor at all: the 32-bit Wine of the
// i686 guest keeps no clip rectangle without a pointer grab it cannot get.
bool CursorCanBeConfined(HWND window) {
    RECT probe{0, 0, 10, 10};
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&probe), 2);
    ClipCursor(&probe);
    RECT seen{};
    GetClipCursor(&seen);
    ClipCursor(nullptr);
    return EqualRect(&probe, &seen) != FALSE;
}

TEST_F(SliderDrag, EachThumbAndTheWholeSegmentStopAtTheEndsAndTheMinimumLength) {
    const bool confinable = CursorCanBeConfined(owner.hwnd());
    POINT corner{10, 10};
    ClientToScreen(owner.hwnd(), &corner);
    const struct {
        const char* name;
        int total, start, end, press;
        std::vector<int> moves;
        const char* seen;
        const char* values;
    } cases[] = {
        // +100 px = 12,857 s; far right; far left
        {"start thumb", 36000, 9000, 27000, 84, {184, 584, 0}, "21857..27000 25200..27000 0..27000 ", "0..27000"},
        {"end thumb", 36000, 9000, 27000, 215, {415, 0}, "9000..36000 9000..10800 ", "9000..10800"},
        {"segment to the right end", 36000, 9000, 27000, 150, {250, 350}, "21857..36000 34200..36000 ", "34200..36000"},
        {"segment to the left end", 36000, 9000, 27000, 200, {100, 0}, "0..14142 0..1800 ", "0..1800"},
        // Ten seconds over 280 pixels: the start may reach the end.
        {"start thumb of a short total", 10, 2, 8, 70, {400}, "", "8..8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CRangeSlider other(0x9F9860, c.total, c.start, c.end);
        Attach(other);
        RecordingListener seen;
        if (c.total == 36000) other.SetListener(&seen);
        Queue(c.moves);
        EXPECT_TRUE(other.OnLButtonDown(MK_LBUTTON, c.press, 20));
        EXPECT_EQ(c.seen, seen.seen);
        EXPECT_EQ(c.values, std::to_string(other.GetStart()) + ".." + std::to_string(other.GetEnd()));
        if (c.total != 36000) continue;
        // The loop kept the owner's mouse messages, held the mouse inside
        // the slider and left all painting but its own to the owner.
        EXPECT_EQ(0, owner.mouseMovesDispatched);
        EXPECT_EQ(owner.hwnd(), seen.capture);
        if (confinable) {
            EXPECT_EQ(RectText(RECT{corner.x, corner.y, corner.x + 280, corner.y + 20}), RectText(seen.clip));
        }
        EXPECT_EQ("(0, 0, 0, 0)", RectText(owner.UpdateRect()));
    }
}

TEST_F(SliderDrag, AListenersValuesAreDrawnAndKeptAndTheNextMoveStartsFromThePress) {
    listener.rewrite = [](int& start, int& end) {  // the host's correction
        start -= start % 3600;
        end = start + 7200;
    };
    Queue({184, 194});
    slider.OnLButtonDown(MK_LBUTTON, 84, 20);
    EXPECT_EQ("21857..27000 23142..28800 ", listener.seen);  // 9000 + 110 px
    EXPECT_EQ("21600..28800", Values());
    // Drawn at once: the segment now covers columns 178..233.
    HDC dc = GetDC(owner.hwnd());
    EXPECT_EQ(ColorText(0xBBB67D), ColorText(GetPixel(dc, 200, 20)));
    EXPECT_EQ(ColorText(0x9F9860), ColorText(GetPixel(dc, 150, 20)));
    ReleaseDC(owner.hwnd(), dc);
}

// Another window taking the capture ends the drag after that message, and
// keeps the capture.
TEST_F(SliderDrag, LosingTheCaptureStopsTheDragAfterThatMessage) {
    COwnerWindow other;
    owner.onApp = [&other](WPARAM) { SetCapture(other.hwnd()); };
    Post(WM_MOUSEMOVE, 184);
    Post(WM_APP);
    Post(WM_MOUSEMOVE, 284);
    EXPECT_TRUE(slider.OnLButtonDown(MK_LBUTTON, 84, 20));
    EXPECT_EQ("21857..27000", Values());
    MSG left{};
    EXPECT_TRUE(PeekMessageA(&left, owner.hwnd(), WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE));
    EXPECT_EQ(other.hwnd(), GetCapture());
    ReleaseCapture();
}

TEST_F(SliderDrag, AQuitRequestEndsTheDragAndIsPostedAgain) {
    PostQuitMessage(7);
    EXPECT_TRUE(slider.OnLButtonDown(MK_LBUTTON, 84, 20));
    MSG quit{};
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, quit.wParam);
}

TEST_F(SliderDrag, APointerLeftOfTheClientAreaMovesTheValuesLeft) {
    // A list cell scrolled partly out of view: segment from column 20.
    slider.SetBounds(-50, 10, 280, 20);
    slider.SetListener(nullptr);
    Queue({-30});
    EXPECT_TRUE(slider.OnLButtonDown(MK_LBUTTON, 24, 20));
    EXPECT_EQ(2057, slider.GetStart());  // 9000 - 54 px
}

// A TIMERPROC must be CALLBACK: a captureless lambda is cdecl on i686.
void CALLBACK ReleaseButtonOnce(HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    PostMessageA(hwnd, WM_LBUTTONUP, 0, 0);
}

TEST_F(SliderDrag, OverlappingThumbsRunOneDragPerPress) {
    CRangeSlider narrow(0x9F9860, 36000, 9000, 10158);  // both thumbs at 83..85
    Attach(narrow);
    int marks = 0;
    owner.onApp = [&marks](WPARAM) { ++marks; };
    // Should a second loop start, a later release ends it.
    SetTimer(owner.hwnd(), 1, 300, &ReleaseButtonOnce);
    Queue({});
    Post(WM_APP);
    EXPECT_TRUE(narrow.OnLButtonDown(MK_LBUTTON, 84, 20));
    KillTimer(owner.hwnd(), 1);
    EXPECT_EQ(0, marks);
}

TEST_F(SliderDrag, APressBesideTheSegmentOrOnABarWithoutTotalRunsNoDrag) {
    CRangeSlider empty(0x9F9860, 0, 0, 0);
    Attach(empty);
    EXPECT_FALSE(slider.OnLButtonDown(MK_LBUTTON, 40, 20));
    EXPECT_FALSE(slider.OnLButtonDown(MK_LBUTTON, 250, 20));
    for (int x : {13, 14, 150}) EXPECT_FALSE(empty.OnLButtonDown(MK_LBUTTON, x, 20)) << "x = " << x;
    EXPECT_TRUE(listener.seen.empty());
}

// The drag by real input: SegmentDialogTest.
TEST_F(SliderDrag, AThumbShowsTheSizingCursorAndTheSegmentBetweenThemDoesNot) {
    POINT thumb{215, 20};
    ClientToScreen(owner.hwnd(), &thumb);
    SetCursorPos(thumb.x, thumb.y);
    EXPECT_TRUE(slider.OnSetCursor(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(LoadCursor(nullptr, IDC_SIZEWE), GetCursor());
    SetCursorPos(thumb.x - 100, thumb.y);
    EXPECT_FALSE(slider.OnSetCursor(HTCLIENT, WM_MOUSEMOVE));
}

}  // namespace
