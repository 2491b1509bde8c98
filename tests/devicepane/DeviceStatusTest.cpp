#include "support/PaneHost.h"

#include <cstring>
#include <string>
#include <vector>

#include "container/EventSink.h"
#include "devicepane/PaneTexts.h"
#include "format/TextFormat.h"
#include "res/resource.h"
#include "support/PixelCanvas.h"
#include "support/PluginPaneDouble.h"

namespace {

using DeviceStatus = PaneTest;

std::string WindowText(HWND window) {
    char text[2048] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

LONG_PTR ViewType(HWND list) { return GetWindowLongPtrA(list, GWL_STYLE) & LVS_TYPEMASK; }

TEST_F(DeviceStatus, MessageFollowsStateNameAndText) {
    // Before any name: the not-connected text with an empty name.
    ASSERT_EQ(S_OK, m_pPane->SetDeviceConnection(0, 0, nullptr));
    EXPECT_EQ(Printf(IDS_STATUS_NOT_CONNECTED, ""), WindowText(List()));
    SetDevice("Player");
    struct Case {
        const char* name;  // given before the call, when not null
        int status, animate;
        const char* given;
        std::string message;
        LONG_PTR view;
        COLORREF painted;  // over the list, while not connected
    } const cases[] = {
        {nullptr, 1, 0, nullptr, Printf(IDS_STATUS_CONNECTED, "Player", "Player"), LVS_REPORT, CLR_NONE},
        // The same state again still replaces the message.
        {"Other", 1, 0, nullptr, Printf(IDS_STATUS_CONNECTED, "Other", "Other"), LVS_REPORT, CLR_NONE},
        {"Player", 0, 1, nullptr, Printf(IDS_STATUS_READING, "Player"), LVS_LIST, 0x008000},
        {nullptr, 0, 0, nullptr, Printf(IDS_STATUS_NOT_CONNECTED, "Player"), LVS_LIST, 0x0000FF},
        {nullptr, 0, 0, "Searching", "Searching", LVS_LIST, 0x0000FF},
    };
    for (const Case& c : cases) {
        if (c.name != nullptr) SetDevice(c.name, 0, 0, DEV_NAME);
        ASSERT_EQ(S_OK, m_pPane->SetDeviceConnection(c.status, c.animate, c.given));
        EXPECT_EQ(c.message, WindowText(List()));
        EXPECT_EQ(c.message, Status().m_StatusMessage.GetText());
        EXPECT_EQ(c.view, ViewType(List())) << c.message;
        if (c.painted != CLR_NONE) {
            EXPECT_EQ(c.painted, Status().m_StatusMessage.GetColor());
            EXPECT_LT(20, Capture(List())->Count(c.painted)) << c.message;
        }
    }
    SetDevice(Text(IDS_NO_DEVICE).c_str());
    ASSERT_EQ(S_OK, m_pPane->SetDeviceConnection(0, 0, nullptr));
    EXPECT_EQ("", WindowText(List()));
}

TEST_F(DeviceStatus, LockedPluginTextKeepsTheStatusLine) {
    ASSERT_EQ(S_OK, m_pPane->SetDeviceConnection(1, 0, "host"));
    auto plugin = m_pContainer->Query<IPluginText>(IID_IPluginText);
    ASSERT_EQ(S_OK, plugin->LockPluginText(1));
    EXPECT_EQ(S_OK, m_pPane->SetDeviceConnection(0, 0, "x"));
    EXPECT_EQ("host", WindowText(List()));
    EXPECT_EQ(LVS_REPORT, ViewType(List()));
    EXPECT_EQ(S_OK, plugin->SetPluginText(0, "y"));
    EXPECT_EQ("y", WindowText(List()));
    EXPECT_EQ(LVS_LIST, ViewType(List()));
    ASSERT_EQ(S_OK, plugin->LockPluginText(0));
    EXPECT_EQ(S_OK, m_pPane->SetDeviceConnection(1, 0, "z"));
    EXPECT_EQ("z", WindowText(List()));
}

TEST_F(DeviceStatus, MemoryLinesInMegabytesOrCdTime) {
    SetDevice("Player", 104857600, 209715200);
    EXPECT_EQ(Printf(IDS_USED_MB, 100.0), Status().m_UsedText.GetText());
    EXPECT_EQ(Printf(IDS_FREE_MB, 100.0), Status().m_FreeText.GetText());
    EXPECT_EQ(Printf(IDS_TOTAL_MB, 200.0), Status().m_TotalText.GetText());
    EXPECT_DOUBLE_EQ(0.5, Status().m_MemoryGauge.GetFraction());
    // Only the total: the used figure of before stays.
    SetDevice("", 0, 419430400, TOTAL_MEM);
    EXPECT_EQ(Printf(IDS_FREE_MB, 300.0), Status().m_FreeText.GetText());
    EXPECT_DOUBLE_EQ(0.25, Status().m_MemoryGauge.GetFraction());

    ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(CDBURN_VIEW));
    EXPECT_EQ(Text(IDS_CD_USAGE_LABEL), Status().m_MemoryLabelText.GetText());
    SetDevice("CD", 104857600, 209715200, TOTAL_MEM | USED_MEMORY);
    EXPECT_EQ(Text(IDS_USED_LABEL) + FormatDuration(594), Status().m_UsedText.GetText());
    EXPECT_EQ(Text(IDS_FREE_LABEL) + FormatDuration(594), Status().m_FreeText.GetText());
    EXPECT_EQ(Text(IDS_TOTAL_LABEL) + FormatDuration(1188), Status().m_TotalText.GetText());
    SetDevice("", 0, 0, TOTAL_MEM);
    EXPECT_DOUBLE_EQ(0.0, Status().m_MemoryGauge.GetFraction());
    EXPECT_FALSE(Status().m_DeviceNameText.IsVisible());
    EXPECT_TRUE(Status().m_AboutDeviceText.IsVisible());
}

TEST_F(DeviceStatus, DeviceRecordKeepsNameAndFiguresAndALongNameOverflowsNothing) {
    CDeviceInfo info{};
    info.fieldUsed = DEV_NAME | TOTAL_MEM | USED_MEMORY | DEVICE_IMAGE;
    std::memset(info.szDeviceName, 'N', sizeof info.szDeviceName);  // no terminator
    info.totalMemory = 5;
    info.usedMemory = 3;
    info.hDeviceImage = LoadIcon(nullptr, IDI_APPLICATION);
    ASSERT_EQ(S_OK, m_pPane->SetDeviceInfo(info));
    CDeviceInfo only16 = info;
    only16.fieldUsed = DEVICE_CONFIG_INTERFACE;
    only16.totalMemory = 99;
    ASSERT_EQ(S_OK, m_pPane->SetDeviceInfo(only16));

    CDeviceInfo back;
    std::memset(&back, 0xCC, sizeof back);
    ASSERT_EQ(S_OK, m_pPane->GetDeviceInfo(&back));
    EXPECT_EQ(0, back.fieldUsed);
    EXPECT_EQ(std::string(255, 'N'), back.szDeviceName);
    EXPECT_EQ(5, back.totalMemory);
    EXPECT_EQ(3, back.usedMemory);
    EXPECT_EQ(nullptr, back.hDeviceImage);
    EXPECT_NE(nullptr, Status().m_DeviceImageIcon.GetIcon());

    // Both names in the connected message: cut to its 512-character buffer.
    ASSERT_EQ(S_OK, m_pPane->SetDeviceConnection(1, 0, nullptr));
    const std::string message = WindowText(List());
    EXPECT_EQ(PaneTexts::kStatusCapacity - 1, message.size());
    EXPECT_NE(std::string::npos, message.find(std::string(255, 'N')));
}

// A new about text lays the pane out (the list moved aside comes back); the
// same text again does not, but an empty text is no text and always does.
TEST_F(DeviceStatus, AboutTextShowsWhenItHasTextAndLaysThePaneOutOnce) {
    EXPECT_EQ(Text(IDS_ABOUT_DEVICE), Status().m_AboutDeviceText.GetText());
    const auto listLeft = [this] {
        RECT rect;
        GetWindowRect(List(), &rect);
        MapWindowPoints(nullptr, m_pContainer->ControlWindow(), reinterpret_cast<POINT*>(&rect), 2);
        return rect.left;
    };
    const auto moveList = [this] { SetWindowPos(List(), nullptr, 400, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER); };
    const struct {
        const char* text;
        bool visible, laidOut;
    } cases[] = {{"Burner 2000", true, true}, {"Burner 2000", true, false}, {"", false, true}, {"", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        moveList();
        ASSERT_EQ(S_OK, m_pPane->SetAboutDeviceText(c.text));
        EXPECT_EQ(c.visible, Status().m_AboutDeviceText.IsVisible());
        EXPECT_EQ(c.laidOut, listLeft() != 400) << "list left at " << listLeft();
        if (!c.laidOut) {
            ASSERT_EQ(S_OK, m_pPane->SetAboutDeviceText("reset"));
        }
    }
}

TEST_F(DeviceStatus, PluginPaneIsTakenInOrderPlacedAboveTheMemoryBlockAndLetGo) {
    SetDevice("Player");
    RECT name;
    Status().m_DeviceNameText.GetRect(name);
    RECT label;
    EXPECT_EQ(95, Status().m_MemoryLabelText.GetRect(label).top);

    CPluginPaneDouble plugin(false, 200), failing(false, 10, E_FAIL), later(false, 50);
    ShowPlugin(&plugin);
    EXPECT_EQ("AddRef SetPaneSite CreatePaneWindow", plugin.m_strCalls);
    EXPECT_EQ(PLUGIN_PANE_ID, GetDlgCtrlID(plugin.m_hWnd));
    EXPECT_TRUE(IsWindowVisible(plugin.m_hWnd));
    EXPECT_EQ(name.bottom + 200 + 5, Status().m_MemoryLabelText.GetRect(label).top);

    // The site counts on the pane and asks the host for a refresh.
    CEventSink sink(DIID__IDeviceTransferEvents);
    ASSERT_HRESULT_SUCCEEDED(sink.Connect(m_pContainer->Control()));
    const ULONG refs = plugin.m_pSite->AddRef();
    EXPECT_EQ(refs - 1, plugin.m_pSite->Release());
    EXPECT_EQ(S_OK, plugin.m_pSite->OnPaneNotify());
    EXPECT_EQ(std::vector<DISPID>{DISPID_OnRefreshRequest}, sink.Dispids());

    ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(TRANSFER_LIST_VIEW));
    EXPECT_FALSE(IsWindowVisible(plugin.m_hWnd));

    // One made while the transfer list shows stays hidden until the mode changes.
    ShowPlugin(&later);
    EXPECT_EQ("AddRef SetPaneSite CreatePaneWindow ClosePane Release", plugin.m_strCalls);
    EXPECT_EQ(0u, plugin.m_nRefs);
    EXPECT_FALSE(IsWindowVisible(later.m_hWnd));
    ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(DEVICE_VIEW));
    EXPECT_TRUE(IsWindowVisible(later.m_hWnd));
    ShowPlugin(&failing);
    sink.Disconnect();
    ClosePane();
    EXPECT_EQ("AddRef SetPaneSite CreatePaneWindow Release", failing.m_strCalls);
}

}  // namespace
