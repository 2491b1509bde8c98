#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "container/ResourceCounts.h"
#include "container/EventSink.h"
#include "container/OleHandle.h"
#include "menubar/MenuCtrl.h"
#include "support/PaneHost.h"
#include "support/PluginPaneDouble.h"

namespace {

// Every event a host answers by hand (a plug-in's refresh request, with a
// plug-in that holds its site and one that does not; the segment of an
// in-place drag; the list's keys), with a host that calls back, empties the
// list, destroys the pane's window or lets the pane go inside the event.
TEST(Lifetime, HostsMayCallBackEmptyTheListOrEndThePaneInsideItsEvents) {
    enum SOURCE { PLUGIN_HOLDING_SITE, PLUGIN_NOT_HOLDING_SITE, SEGMENT_DRAG, KEY };
    const struct {
        SOURCE source;
        DISPLAY_MODE mode;
        DISPID dispid;
        UINT key;
    } triggers[] = {
        {PLUGIN_HOLDING_SITE, DEVICE_VIEW, DISPID_OnRefreshRequest, 0},
        {PLUGIN_NOT_HOLDING_SITE, DEVICE_VIEW, DISPID_OnRefreshRequest, 0},
        {SEGMENT_DRAG, TRANSFER_LIST_VIEW, DISPID_OnAdjustProgramSegment, 0},
        {KEY, DEVICE_VIEW, DISPID_OnProgramDetailes, VK_RETURN},
        {KEY, DEVICE_VIEW, DISPID_DeleteSelectedProgramsRequest, VK_DELETE},
        {KEY, DEVICE_VIEW, DISPID_OnRefreshRequest, VK_F5},
    };
    const struct {
        const char* name;
        std::function<void(CPaneHost&)> handle;
        const char* rowsAfter;  // the titles once "After" is added; null: the pane is gone
    } hosts[] = {
        {"calls back",
         [](CPaneHost& host) {
             host.m_pPane->SetDisplayMode(CDBURN_VIEW);
             host.m_pPane->SetDeviceConnection(1, 1, "Refreshing");
             host.m_pPane->RemoveProgram(0);
             host.Add(Program("Inside"));
             host.ShowPlugin(nullptr);
         },
         "Inside After"},
        {"empties the list", [](CPaneHost& host) { host.m_pPane->RemoveAllPrograms(); }, "After"},
        {"destroys the container window", [](CPaneHost& host) { DestroyWindow(host.m_pContainer->Window()); }, nullptr},
        {"closes and releases the pane", [](CPaneHost& host) { host.ClosePane(); }, nullptr},
    };
    for (const auto& t : triggers) {
        for (const auto& h : hosts) {
            SCOPED_TRACE(testing::Message() << "source " << t.source << " " << t.key << ", host " << h.name);
            CPluginPaneDouble plugin(t.source == PLUGIN_HOLDING_SITE);
            {
                CPaneHost host;
                ASSERT_EQ(S_OK, host.m_pPane->SetDisplayMode(t.mode));
                host.m_pPane->SetDeviceConnection(1, 0, nullptr);  // the list in report view
                host.Add(Program("Cut"));                          // selected and focused
                if (t.source <= PLUGIN_NOT_HOLDING_SITE) host.ShowPlugin(&plugin);
                CEventSink sink(DIID__IDeviceTransferEvents);
                ASSERT_HRESULT_SUCCEEDED(sink.Connect(host.m_pContainer->Control()));
                int fired = 0;
                sink.SetHandler([&](const CRecordedEvent& event, const DISPPARAMS&, VARIANT*) {
                    if (event.dispid == t.dispid && ++fired == 1) h.handle(host);
                });
                if (t.source == KEY) SendMessageA(host.List(), WM_KEYDOWN, t.key, 0);
                if (t.source == SEGMENT_DRAG) host.DragSegmentEnd(200, 400, {20, 40, 60});
                if (t.source <= PLUGIN_NOT_HOLDING_SITE) {
                    EXPECT_EQ(S_OK, plugin.m_pSite->OnPaneNotify());
                }
                CTestContainer::ProcessMessages();
                EXPECT_LE(1, fired);
                EXPECT_EQ(nullptr, GetCapture());
                if (h.rowsAfter != nullptr) {
                    host.Add(Program("After"));
                    std::string rows;
                    for (int i = 0; i < host.m_pPane->GetItemsCount(); ++i) rows += (i ? " " : "") + host.Cell(i, 0);
                    EXPECT_EQ(h.rowsAfter, rows);
                }
                sink.Disconnect();
                host.ClosePane();
            }
            CTestContainer::ProcessMessages();
            EXPECT_EQ(0u, plugin.m_nRefs);
            EXPECT_EQ(nullptr, plugin.m_pSite);
        }
    }
}

void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

// What a host may do inside BeforePopup or AfterPopup: call back, let the
// bar go, destroy the bar's container window. The popup is closed by a
// thread timer, which the popup loop dispatches.
TEST(Lifetime, PopupHandlersMayCallBackReleaseTheBarOrDestroyItsWindow) {
    // Actions: 0 calls back, 1 releases, 2 destroys the window.
    for (int c = 0; c < 6; ++c) {
        const DISPID during = c % 2 == 0 ? DISPID_BeforePopup : DISPID_AfterPopup;
        const int action = c / 2;
        SCOPED_TRACE(testing::Message() << "action " << action << " in " << during);
        auto container = std::make_unique<CTestContainer>();
        ASSERT_HRESULT_SUCCEEDED(container->Create(CreateMenuCtrl));
        ASSERT_HRESULT_SUCCEEDED(container->Activate());
        CComPtr<IMenuCtrl> bar = container->Query<IMenuCtrl>(IID_IMenuCtrl);
        ASSERT_TRUE(bar);
        const auto newMenu = [] {
            const HMENU menu = CreateMenu(), popup = CreatePopupMenu();
            AppendMenuA(popup, MF_STRING, 101, "&Open");
            AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&File");
            AppendMenuA(menu, MF_STRING, 102, "&Edit");
            return menu;
        };
        ASSERT_EQ(S_OK, bar->put_Owner(OleHandle(container->Window())));
        const HMENU first = newMenu();
        ASSERT_EQ(S_OK, bar->put_Menu(OleHandle(first)));
        HMENU second = nullptr;
        CEventSink sink(DIID__IMenuCtrlEvents);
        ASSERT_HRESULT_SUCCEEDED(sink.Connect(container->Control()));
        sink.SetHandler([&](const CRecordedEvent& event, const DISPPARAMS&, VARIANT*) {
            if (event.dispid == DISPID_BeforePopup) SetTimer(nullptr, 0, 150, EndMenuSoon);
            if (event.dispid != during) return;
            if (action == 0) {
                second = newMenu();
                bar->put_Menu(OleHandle(second));
                bar->put_Orientation(1);
                long fits = 0;
                bar->AutoSize(&fits);
            } else if (action == 1) {
                bar.Reset();
                container.reset();
            } else {
                DestroyWindow(container->Window());
            }
        });
        SendMessageA(container->ControlWindow(), WM_MENUBAR_DROPDOWN, 0, 0);
        CTestContainer::ProcessMessages();
        EXPECT_EQ(DISPID_BeforePopup, sink.Events().at(0).dispid);
        EXPECT_EQ(2u, sink.Events().size());  // AfterPopup comes whatever the handler did
        if (bar && action == 0) {
            RECT rect{};
            EXPECT_EQ(S_OK, bar->GetItemRect(1, reinterpret_cast<LONG_PTR>(&rect)));
            EXPECT_GT(rect.bottom, rect.top);
        }
        sink.Disconnect();
        bar.Reset();
        container.reset();
        // The first menu stays the host's once a second one is given.
        if (second != nullptr) DestroyMenu(first);
        CTestContainer::ProcessMessages();
    }
}

// One life of a pane in the host's window: made, filled, shown in two modes,
// closed and released.
void PaneLife(CTestContainer& host, HICON icon) {
    if (FAILED(host.Create(CreateDeviceTransfer)) || FAILED(host.Activate())) return host.Close();
    if (const CComPtr<IDeviceTransfer> pane = host.Query<IDeviceTransfer>(IID_IDeviceTransfer)) {
        CDeviceInfo info{};
        info.fieldUsed = DEV_NAME | TOTAL_MEM | USED_MEMORY | DEVICE_IMAGE;
        std::strcpy(info.szDeviceName, "Player");
        info.totalMemory = 64 << 20;
        info.usedMemory = 8 << 20;
        info.hDeviceImage = icon;
        pane->SetDeviceInfo(info);
        pane->SetDeviceConnection(1, 0, nullptr);
        for (const char* title : {"One", "Two", "Three"}) {
            CDeviceProgram program = Program(title);
            pane->AddProgram(&program);
        }
        pane->SetTransferProgram("Two");
        pane->SetDisplayMode(TRANSFER_LIST_VIEW);
        CTestContainer::ProcessMessages();
    }
    host.Close();
    CTestContainer::ProcessMessages();
}

// One life of a bar in the host's window, which it takes as its owner.
void BarLife(CTestContainer& host) {
    if (FAILED(host.Create(CreateMenuCtrl)) || FAILED(host.Activate())) return host.Close();
    if (const CComPtr<IMenuCtrl> bar = host.Query<IMenuCtrl>(IID_IMenuCtrl)) {
        bar->put_Owner(OleHandle(host.Window()));
        // The bar destroys the last menu it was given.
        const HMENU menu = CreateMenu();
        for (const char* item : {"&File", "&Edit", "&View"}) AppendMenuA(menu, MF_STRING, 1, item);
        bar->put_Menu(OleHandle(menu));
        long fits = 0;
        bar->AutoSize(&fits);
        CTestContainer::ProcessMessages();
    }
    host.Close();
    CTestContainer::ProcessMessages();
}

// Warm-up lives first (caches, class registrations, the type library), then
// 200 that must leave every count where it was. Only every tenth life is
// shown and painted: a leak in painting still shows twenty times over, and
// painting is what makes a life slow under emulation.
TEST(Lifetime, TwoHundredPanesAndBarsLeaveNothingBehind) {
    std::vector<BYTE> andMask(32 * 4, 0x00), xorMask(32 * 4, 0xFF);
    const HICON icon = CreateIcon(nullptr, 32, 32, 1, 1, andMask.data(), xorMask.data());
    CTestContainer shown, hidden({480, 320}, CTestContainer::HIDDEN);

    const std::function<void(CTestContainer&)> lives[] = {[&](CTestContainer& host) { PaneLife(host, icon); }, BarLife};
    const auto host = [&](int life) -> CTestContainer& { return life % 10 == 0 ? shown : hidden; };
    for (const auto& life : lives) {
        for (int i = 0; i < 20; ++i) life(host(i));
        const CResourceCounts before = CResourceCounts::Now();
        for (int i = 0; i < 200; ++i) life(host(i));
        const CResourceCounts after = CResourceCounts::Now();
        EXPECT_EQ(before.Text(), after.Text());
    }
    DestroyIcon(icon);
}

}  // namespace
