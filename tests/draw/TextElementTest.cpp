#include "draw/TextElement.h"
#include "draw/WrappedTextElement.h"

#include "support/OwnerWindow.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

namespace {

HFONT CreateTestFont(int height) {
    return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma");
}

class TextElementSizing : public testing::Test {
  protected:
    void SetUp() override {
        text.SetFont(font);
        text.MoveTo(30, 40);
        text.SetOwner(owner.hwnd());
        owner.Settle();
    }
    void TearDown() override { DeleteObject(font); }

    SIZE Extent(const char* line) {
        HDC screen = GetWindowDC(nullptr);
        HGDIOBJ previous = SelectObject(screen, font);
        SIZE size{};
        GetTextExtentPoint32A(screen, line, lstrlenA(line), &size);
        SelectObject(screen, previous);
        ReleaseDC(nullptr, screen);
        return size;
    }

    HFONT font = CreateTestFont(20);
    COwnerWindow owner;
    CTextElement text;
};

TEST_F(TextElementSizing, SetTextMakesTheElementExactlyAsLargeAsItsLinesAtTheSameCornerUnlessUnchanged) {
    text.SetText("Free\nMemory used");
    RECT r;
    text.GetRect(r);
    const RECT expected{30, 40, 30 + Extent("Memory used").cx, 40 + 2 * Extent("Free").cy};
    EXPECT_EQ(RectText(expected), RectText(r));
    EXPECT_EQ(2u, owner.Erases().size());  // before and after

    text.SetText("");
    EXPECT_EQ("(30, 40, 30, 40)", RectText(text.GetRect(r)));

    // The current text again: nothing.
    text.SetText("Same");
    owner.Settle();
    text.SetText("Same");
    EXPECT_TRUE(owner.Erases().empty());
    EXPECT_EQ("(0, 0, 0, 0)", RectText(owner.UpdateRect()));
}

// Black text on white in a 160 x 100 box at (20, 10): where the ink lies
// shows the alignment.
class WrappedText : public testing::Test {
  protected:
    WrappedText() {
        message.SetFont(GdiObject<HFONT>(CreateTestFont(16)));
        message.SetColor(RGB(255, 0, 0));
        message.SetBounds(20, 10, 160, 100);
        SetTextColor(canvas.dc(), RGB(0, 0, 255));
    }

    CWrappedTextElement message;
    CPixelCanvas canvas{200, 160};
};

TEST_F(WrappedText, AShortTextSitsOnTheBottomEdgeCentredInItsOwnColour) {
    message.SetText("The device is not connected to this computer");
    message.Draw(canvas.dc(), nullptr);
    const RECT ink = canvas.InkBounds();
    EXPECT_GT(ink.bottom - ink.top, 16);  // wrapped: DrawTextA alone would put it at the top
    EXPECT_GT(ink.top, 50);
    EXPECT_LE(ink.bottom, 109);
    EXPECT_GE(ink.bottom, 104);  // only the descent below the last line
    EXPECT_NEAR(ink.left - 20, 179 - ink.right, 2);
    EXPECT_GT(canvas.Count(RGB(255, 0, 0)), 0);
    EXPECT_EQ(ColorText(RGB(0, 0, 255)), ColorText(GetTextColor(canvas.dc())));
    EXPECT_EQ(OPAQUE, GetBkMode(canvas.dc()));
}

TEST_F(WrappedText, ATextTallerThanItsBoxRunsDownFromTheTopAndIsNotCut) {
    message.SetBounds(20, 10, 160, 10);
    message.SetText("one two three four five six seven eight nine ten eleven");
    message.Draw(canvas.dc(), nullptr);
    const RECT ink = canvas.InkBounds();
    EXPECT_GE(ink.top, 10);
    EXPECT_LT(ink.top, 16);
    EXPECT_GT(ink.bottom, 40);
}

}  // namespace
