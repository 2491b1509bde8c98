#include "support/PaneHost.h"

#include <algorithm>

#include "module/ResourceString.h"
#include "res/resource.h"

#include "devicepane/PaneTexts.h"
#include "support/PixelCanvas.h"

namespace {

RECT ListRect(HWND list) {
    RECT rect;
    GetWindowRect(list, &rect);
    MapWindowPoints(nullptr, GetParent(list), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

using PaneLayoutTest = PaneTest;

TEST_F(PaneLayoutTest, ListStartsRightOfTheStatusAreaAndASizeChangeOnlyStretchesIt) {
    ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(DEVICE_VIEW));  // a full layout
    // The status area is at least 160 pixels wide; hidden elements (the
    // about text) count too.
    const int left = ListRect(List()).left;
    RECT about;
    Status().m_AboutDeviceText.GetRect(about);
    EXPECT_FALSE(Status().m_AboutDeviceText.IsVisible());
    EXPECT_EQ(std::max(165, static_cast<int>(about.right) + 5), left);
    EXPECT_EQ(900, ListRect(List()).right);
    RECT message;
    EXPECT_EQ(RectText({0, 0, 900 - left, 385}), RectText(Status().m_StatusMessage.GetRect(message)));

    m_pContainer->Resize({300, 200});
    CTestContainer::ProcessMessages();
    EXPECT_EQ(left, ListRect(List()).left);
    EXPECT_EQ(300, ListRect(List()).right);
    EXPECT_EQ(200, ListRect(List()).bottom);
    EXPECT_EQ(RectText({6, 0, 6 + 300 - left - 11, 180}), RectText(Status().m_StatusMessage.GetRect(message)));

    // A wide device name widens the status area at the next full layout.
    SetDevice("A device name far wider than the status area ever is", 0, 0, DEV_NAME);
    ASSERT_EQ(S_OK, m_pPane->SetAboutDeviceText("about"));
    RECT name;
    Status().m_DeviceNameText.GetRect(name);
    EXPECT_EQ(name.right + 5, ListRect(List()).left);
    RECT gauge;
    Status().m_MemoryGauge.GetRect(gauge);
    EXPECT_EQ((name.right + 5 - 120) / 2, gauge.left);
}

// A mode other than the three would be one mode to the details gesture and
// another to accessibility: it is refused, and the pane stays as it was.
TEST_F(PaneLayoutTest, AModeOutsideTheThreeIsRefusedAndChangesNothing) {
    ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(CDBURN_VIEW));
    Add(Program("a", 60, 60, 1));
    Add(Program("b", 60, 60, 1));
    const std::string label = Status().m_MemoryLabelText.GetText();
    const RECT list = ListRect(List());
    for (int mode : {3, 99, -1}) {
        EXPECT_EQ(E_INVALIDARG, m_pPane->SetDisplayMode(static_cast<DISPLAY_MODE>(mode))) << mode;
        EXPECT_EQ(CDBURN_VIEW, m_pPane->GetDisplayMode()) << mode;
        EXPECT_EQ(2, m_pPane->GetItemsCount()) << mode;
        EXPECT_EQ(label, Status().m_MemoryLabelText.GetText()) << mode;
        EXPECT_EQ(RectText(list), RectText(ListRect(List()))) << mode;
    }
}

// The styles the pane gives its list at creation (before any connection:
// the list type). Not LVS_SHAREIMAGELISTS: the list owns the host's images.
// WS_VSCROLL is left out: the list view sets and clears it as it scrolls.
TEST_F(PaneLayoutTest, TheListIsMadeWithItsStylesExtendedStylesAndTexts) {
    const struct {
        const char* what;
        LONG_PTR value, mask, expected;
    } styles[] = {
        {"style", GetWindowLongPtrA(List(), GWL_STYLE),
         WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_TYPEMASK | LVS_SHAREIMAGELISTS,
         WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_LIST},
        {"extended style", GetWindowLongPtrA(List(), GWL_EXSTYLE), WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE},
        {"list style", SendMessageA(List(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP,
         LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP},
    };
    for (const auto& s : styles) EXPECT_EQ(s.expected, s.value & s.mask) << s.what << std::hex << " 0x" << s.value;
    char text[128] = "";
    GetWindowTextA(List(), text, sizeof text);
    EXPECT_EQ(LoadResourceString(IDS_LIST_WINDOW_TEXT), text);
    const HWND header = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(4, SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

TEST(PaneTextFilling, TemplatesAreFilledInTurnAndCut) {
    using PaneTexts::Fill;
    EXPECT_EQ("a and 1.5", Fill("%s and %.1f", {"a", "1.5"}, 100));
    EXPECT_EQ("100% %d ", Fill("100%% %d %s", {}, 100));
    EXPECT_EQ("abc", Fill("%s%s", {"ab", "cdef"}, 4));
    EXPECT_EQ("ab", PaneTexts::ArrayText("abc", 2));
}

}  // namespace
