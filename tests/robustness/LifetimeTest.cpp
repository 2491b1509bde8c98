// Lifetimes: a host that lets the control go, destroys its window or calls
// back into it from inside an event, and panes and bars made and destroyed
// over and over without the process growing.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "container/ResourceCounts.h"
#include "container/EventSink.h"
#include "container/OleHandle.h"
#include "devicepane/DeviceTransfer.h"
#include "menubar/MenuCtrl.h"
#include "support/PluginPaneDouble.h"
#include "support/RegistryKeys.h"
#include "support/TestContainer.h"

namespace {

CDeviceProgram Program(const char* title) {
    CDeviceProgram program{};
    std::strcpy(program.m_szTitle, title);
    program.m_TotalTime = 400;
    program.m_TimeOnDevice = 200;
    program.m_SizeOnDevice = 1 << 20;
    return program;
}

struct HostedPane {
    std::unique_ptr<TestContainer> container = std::make_unique<TestContainer>();
    ComPtr<IDeviceTransfer> pane;
    HostedPane() {
        if (FAILED(container->Create(CreateDeviceTransfer)) || FAILED(container->Activate())) return;
        pane = container->Query<IDeviceTransfer>(IID_IDeviceTransfer);
    }
    void ShowPlugin(CPluginPaneDouble* plugin) const {
        CDeviceInfo info{};
        info.fieldUsed = DEVICE_IMAGE;
        info.pPluginDevicePane = plugin;
        pane->SetDeviceInfo(info);
    }
    void Drop() {
        pane.Reset();
        container.reset();
    }
    HWND List() const { return GetDlgItem(container->ControlWindow(), 101); }
};

// What a host does inside one of the pane's events, and whether the pane is
// still there to be used afterwards.
struct HostAction {
    const char* name;
    std::function<void(HostedPane&)> handler;
    bool paneSurvives;
};

// The two ways a host ends the pane from inside an event, for every event.
const HostAction kDestroysTheWindow{"destroys the container window",
                                    [](HostedPane& host) { DestroyWindow(host.container->Window()); }, false};
const HostAction kReleasesThePane{"closes and releases the pane", [](HostedPane& host) { host.Drop(); }, false};

// What a host may do inside OnRefreshRequest, fired by the plug-in's
// OnPaneNotify; with a plug-in that holds its site and one that does not.
TEST(Lifetime, RefreshRequestHandlersMayCallBackReplaceThePluginOrCloseThePane) {
    RegistryKeysGuard registry;
    const HostAction cases[] = {
        {"calls back",
         [](HostedPane& host) {
             CDeviceProgram program = Program("Inside");
             host.pane->AddProgram(&program);
             host.pane->SetDeviceConnection(1, 1, "Refreshing");
             host.pane->SetDisplayMode(CDBURN_VIEW);
             host.pane->SetDisplayMode(DEVICE_VIEW);
             host.pane->RemoveAllPrograms();
         },
         true},
        {"takes the plug-in away", [](HostedPane& host) { host.ShowPlugin(nullptr); }, true},
        kDestroysTheWindow,
        kReleasesThePane,
    };
    for (const bool holdSite : {true, false}) {
        for (const HostAction& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << (holdSite ? ", site held" : ", site not held"));
            CPluginPaneDouble plugin(holdSite);
            {
                HostedPane host;
                ASSERT_TRUE(host.pane);
                host.ShowPlugin(&plugin);
                ASSERT_NE(nullptr, plugin.m_pSite);
                EventSink sink(DIID__IDeviceTransferEvents);
                ASSERT_HRESULT_SUCCEEDED(sink.Connect(host.container->Control()));
                int refreshes = 0;
                sink.SetHandler([&](const RecordedEvent& event, const DISPPARAMS&, VARIANT*) {
                    if (event.dispid != DISPID_OnRefreshRequest) return;
                    ++refreshes;
                    c.handler(host);
                });
                IPluginPaneSite* site = plugin.m_pSite;
                EXPECT_EQ(S_OK, site->OnPaneNotify());
                EXPECT_EQ(1, refreshes);
                TestContainer::ProcessMessages();
                if (c.paneSurvives) {
                    CDeviceProgram program = Program("After");
                    EXPECT_EQ(S_OK, host.pane->AddProgram(&program));
                    EXPECT_EQ(1, host.pane->GetItemsCount());
                    if (plugin.m_pSite != nullptr) {
                        EXPECT_EQ(S_OK, plugin.m_pSite->OnPaneNotify());
                    }
                }
                sink.Disconnect();
                host.Drop();
            }
            TestContainer::ProcessMessages();
            EXPECT_EQ(0u, plugin.m_nRefs);
            EXPECT_EQ(nullptr, plugin.m_pSite);
        }
    }
}

// What a host may do inside OnAdjustProgramSegment while the user drags a
// segment in place: the row, the pane or its window may be gone when the
// event returns, with the drag still under way.
TEST(Lifetime, SegmentEventsOfAnInPlaceDragMayRemoveTheRowOrCloseThePane) {
    RegistryKeysGuard registry;
    const HostAction cases[] = {
        {"removes every row", [](HostedPane& host) { host.pane->RemoveAllPrograms(); }, true},
        {"replaces the row",
         [](HostedPane& host) {
             host.pane->RemoveProgram(0);
             CDeviceProgram other = Program("Other");
             host.pane->AddProgram(&other);
         },
         true},
        {"changes the mode", [](HostedPane& host) { host.pane->SetDisplayMode(CDBURN_VIEW); }, true},
        kDestroysTheWindow,
        kReleasesThePane,
    };
    for (const HostAction& c : cases) {
        SCOPED_TRACE(c.name);
        HostedPane host;
        ASSERT_TRUE(host.pane);
        host.pane->SetDisplayMode(TRANSFER_LIST_VIEW);
        host.pane->SetDeviceConnection(1, 0, nullptr);  // the list in report view
        CDeviceProgram program = Program("Cut");
        program.m_fCanProgramBeResized = 1;
        ASSERT_EQ(S_OK, host.pane->AddProgram(&program));
        EventSink sink(DIID__IDeviceTransferEvents);
        ASSERT_HRESULT_SUCCEEDED(sink.Connect(host.container->Control()));
        int adjustments = 0;
        sink.SetHandler([&](const RecordedEvent& event, const DISPPARAMS&, VARIANT*) {
            if (event.dispid == DISPID_OnAdjustProgramSegment && ++adjustments == 1) c.handler(host);
        });

        // The end thumb of the segment 0..200 of 400 s lies 3 to 6 pixels
        // inside the segment's end; the moves and the release wait in the
        // queue for the drag.
        const HWND list = host.List();
        RECT cell{LVIR_BOUNDS, 2, 0, 0};
        SendMessageA(list, LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&cell));
        const POINT thumb{cell.left + 1 + (cell.right - cell.left - 2) / 2 - 5, (cell.top + cell.bottom) / 2};
        for (int dx : {20, 40, 60}) PostMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thumb.x + dx, thumb.y));
        PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(thumb.x + 60, thumb.y));
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thumb.x, thumb.y));
        TestContainer::ProcessMessages();

        EXPECT_LE(1, adjustments);
        EXPECT_EQ(nullptr, GetCapture());
        if (c.paneSurvives) {
            CDeviceProgram after = Program("After");
            EXPECT_EQ(S_OK, host.pane->AddProgram(&after));
            CDeviceProgram back{};
            EXPECT_EQ(S_OK, host.pane->GetProgramProperties(host.pane->GetItemsCount() - 1, &back));
        }
        sink.Disconnect();
        host.Drop();
        TestContainer::ProcessMessages();
    }
}

// The events the list's keys fire (details, delete, refresh), with a host
// that empties the list, destroys the pane's window or lets the pane go.
TEST(Lifetime, EventsOfTheListsKeysMayEmptyTheListOrCloseThePane) {
    RegistryKeysGuard registry;
    const struct {
        UINT key;
        DISPID dispid;
    } keys[] = {{VK_RETURN, DISPID_OnProgramDetailes},
                {VK_DELETE, DISPID_DeleteSelectedProgramsRequest},
                {VK_F5, DISPID_OnRefreshRequest}};
    const HostAction cases[] = {
        {"empties the list", [](HostedPane& host) { host.pane->RemoveAllPrograms(); }, true},
        kDestroysTheWindow,
        kReleasesThePane,
    };
    for (const auto& key : keys) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "key " << key.key << ", host " << c.name);
            HostedPane host;
            ASSERT_TRUE(host.pane);
            host.pane->SetDeviceConnection(1, 0, nullptr);
            CDeviceProgram program = Program("Keyed");
            ASSERT_EQ(S_OK, host.pane->AddProgram(&program));  // selected and focused
            EventSink sink(DIID__IDeviceTransferEvents);
            ASSERT_HRESULT_SUCCEEDED(sink.Connect(host.container->Control()));
            int fired = 0;
            sink.SetHandler([&](const RecordedEvent& event, const DISPPARAMS&, VARIANT*) {
                if (event.dispid == key.dispid && ++fired == 1) c.handler(host);
            });
            SendMessageA(host.List(), WM_KEYDOWN, key.key, 0);
            TestContainer::ProcessMessages();
            EXPECT_EQ(1, fired);
            if (c.paneSurvives) {
                CDeviceProgram after = Program("After");
                EXPECT_EQ(S_OK, host.pane->AddProgram(&after));
                EXPECT_EQ(1, host.pane->GetItemsCount());
            }
            sink.Disconnect();
            host.Drop();
            TestContainer::ProcessMessages();
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
    struct Case {
        const char* name;
        DISPID during;
        int action;  // 0 calls back, 1 releases, 2 destroys the window
    };
    const Case cases[] = {
        {"calls back in BeforePopup", DISPID_BeforePopup, 0}, {"calls back in AfterPopup", DISPID_AfterPopup, 0},
        {"releases in BeforePopup", DISPID_BeforePopup, 1},   {"releases in AfterPopup", DISPID_AfterPopup, 1},
        {"destroys in BeforePopup", DISPID_BeforePopup, 2},   {"destroys in AfterPopup", DISPID_AfterPopup, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto container = std::make_unique<TestContainer>();
        ASSERT_HRESULT_SUCCEEDED(container->Create(CreateMenuCtrl));
        ASSERT_HRESULT_SUCCEEDED(container->Activate());
        ComPtr<IMenuCtrl> bar = container->Query<IMenuCtrl>(IID_IMenuCtrl);
        ASSERT_TRUE(bar);
        const auto newMenu = [] {
            const HMENU menu = CreateMenu();
            for (const char* title : {"&File", "&Edit"}) {
                const HMENU popup = CreatePopupMenu();
                AppendMenuA(popup, MF_STRING, 101, "&Open");
                AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), title);
            }
            return menu;
        };
        ASSERT_EQ(S_OK, bar->put_Owner(OleHandle(container->Window())));
        const HMENU first = newMenu();
        ASSERT_EQ(S_OK, bar->put_Menu(OleHandle(first)));
        HMENU second = nullptr;
        EventSink sink(DIID__IMenuCtrlEvents);
        ASSERT_HRESULT_SUCCEEDED(sink.Connect(container->Control()));
        sink.SetHandler([&](const RecordedEvent& event, const DISPPARAMS&, VARIANT*) {
            if (event.dispid == DISPID_BeforePopup) SetTimer(nullptr, 0, 150, EndMenuSoon);
            if (event.dispid != c.during) return;
            if (c.action == 0) {
                second = newMenu();
                bar->put_Menu(OleHandle(second));
                bar->put_Orientation(1);
                long fits = 0;
                bar->AutoSize(&fits);
            } else if (c.action == 1) {
                bar.Reset();
                container.reset();
            } else {
                DestroyWindow(container->Window());
            }
        });
        SendMessageA(container->ControlWindow(), WM_MENUBAR_DROPDOWN, 0, 0);
        TestContainer::ProcessMessages();
        EXPECT_EQ(DISPID_BeforePopup, sink.Events().at(0).dispid);
        EXPECT_EQ(2u, sink.Events().size());  // AfterPopup comes whatever the handler did
        if (bar && c.action == 0) {
            RECT rect{};
            EXPECT_EQ(S_OK, bar->GetItemRect(1, reinterpret_cast<LONG_PTR>(&rect)));
            EXPECT_GT(rect.bottom, rect.top);
        }
        sink.Disconnect();
        bar.Reset();
        container.reset();
        // The first menu stays the host's once a second one is given.
        if (second != nullptr) DestroyMenu(first);
        TestContainer::ProcessMessages();
    }
}

// One life of a pane in the host's window: made, filled, shown in two modes,
// closed and released.
void PaneLife(TestContainer& host, HICON icon) {
    if (FAILED(host.Create(CreateDeviceTransfer)) || FAILED(host.Activate())) return host.Close();
    if (const ComPtr<IDeviceTransfer> pane = host.Query<IDeviceTransfer>(IID_IDeviceTransfer)) {
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
        TestContainer::ProcessMessages();
    }
    host.Close();
    TestContainer::ProcessMessages();
}

// One life of a bar in the host's window, which it takes as its owner.
void BarLife(TestContainer& host) {
    if (FAILED(host.Create(CreateMenuCtrl)) || FAILED(host.Activate())) return host.Close();
    if (const ComPtr<IMenuCtrl> bar = host.Query<IMenuCtrl>(IID_IMenuCtrl)) {
        bar->put_Owner(OleHandle(host.Window()));
        // The bar destroys the last menu it was given.
        const HMENU menu = CreateMenu();
        for (const char* item : {"&File", "&Edit", "&View"}) AppendMenuA(menu, MF_STRING, 1, item);
        bar->put_Menu(OleHandle(menu));
        long fits = 0;
        bar->AutoSize(&fits);
        TestContainer::ProcessMessages();
    }
    host.Close();
    TestContainer::ProcessMessages();
}

// Warm-up lives first (caches, class registrations, the type library), then
// 200 lives that must leave every count where it was. The controls come and
// go in the host's windows, as in a host application. Every tenth life is
// in a shown window and painted, the others in a hidden one: making and
// ending the controls is the same either way, a leak in painting still
// shows twenty times over, and painting is what makes a life slow under
// emulation.
TEST(Lifetime, TwoHundredPanesAndBarsLeaveNothingBehind) {
    RegistryKeysGuard registry;
    std::vector<BYTE> andMask(32 * 4, 0x00), xorMask(32 * 4, 0xFF);
    const HICON icon = CreateIcon(nullptr, 32, 32, 1, 1, andMask.data(), xorMask.data());
    TestContainer shown, hidden({480, 320}, TestContainer::HIDDEN);

    using Life = std::function<void(TestContainer&)>;
    const Life lives[] = {[&](TestContainer& host) { PaneLife(host, icon); },
                          [](TestContainer& host) { BarLife(host); }};
    const auto host = [&](int life) -> TestContainer& { return life % 10 == 0 ? shown : hidden; };
    for (const auto& life : lives) {
        for (int i = 0; i < 20; ++i) life(host(i));
        const ResourceCounts before = ResourceCounts::Now();
        for (int i = 0; i < 200; ++i) life(host(i));
        const ResourceCounts after = ResourceCounts::Now();
        EXPECT_EQ(before.gdi, after.gdi) << before.Text() << " / " << after.Text();
        EXPECT_EQ(before.user, after.user) << before.Text() << " / " << after.Text();
        EXPECT_EQ(before.handles, after.handles) << before.Text() << " / " << after.Text();
        EXPECT_EQ(before.heapBytes, after.heapBytes) << before.Text() << " / " << after.Text();
    }
    DestroyIcon(icon);
}

}  // namespace
