#include "control/ControlObjects.h"

#include "devicepane/DeviceTransfer.h"
#include "menubar/MenuCtrl.h"
#include "module/Kestrel.h"
#include "module/Module.h"
#include "container/EventSink.h"
#include "support/RealInput.h"
#include "support/KestrelRegistration.h"
#include "support/TestContainer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

bool Called(const CControlSite& site, const std::string& call) {
    return std::find(site.Calls().begin(), site.Calls().end(), call) != site.Calls().end();
}

struct WindowClassCase {
    ControlCreator creator;
    UINT style;
};

class WindowedActivation : public testing::TestWithParam<WindowClassCase> {};

TEST_P(WindowedActivation, ChildWindowOfTheControlsClassFollowsTheRectanglesUntilDeactivation) {
    CTestContainer container;
    ASSERT_HRESULT_SUCCEEDED(container.Create(GetParam().creator));
    ASSERT_HRESULT_SUCCEEDED(container.Activate());
    const HWND window = container.ControlWindow();

    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(container.Window(), GetParent(window));
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(GetParam().style, GetClassLongPtrA(window, GCL_STYLE));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(Module::Instance()), GetClassLongPtrA(window, GCLP_HMODULE));
    EXPECT_EQ(0u, container.Site().ActivationFlags()) << "activated windowless";

    container.Site().Move(RECT{10, 20, 110, 70});
    RECT placed{}, expected{10, 20, 110, 70};
    GetWindowRect(window, &placed);
    MapWindowPoints(nullptr, container.Window(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_TRUE(EqualRect(&expected, &placed));

    ASSERT_HRESULT_SUCCEEDED(container.Deactivate());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, container.ControlWindow());
    EXPECT_TRUE(Called(container.Site(), "OnInPlaceDeactivate"));

    // Activated again it makes a new window; closed, it lets go of its lock.
    // (The class names: hosting/SampleHostTest and the kit check.)
    ASSERT_HRESULT_SUCCEEDED(container.Activate());
    const HWND second = container.ControlWindow();
    EXPECT_TRUE(IsWindowVisible(second));
    const LONG locks = Module::LockCount();
    container.Close();
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(locks - 1, Module::LockCount());
}

INSTANTIATE_TEST_SUITE_P(BothControls, WindowedActivation,
                         testing::Values(WindowClassCase{CreateDeviceTransfer, CS_DBLCLKS},
                                         WindowClassCase{CreateMenuCtrl, 0}));

// A host that puts the focus on the pane (as a dialog does on Tab) sees it
// go on to the list, with the selected program in view, and the user
// interface left alone; the user's click on the list activates it, as the
// UI-activate verb does, until the host deactivates it.
TEST(UIActivation, FocusOnThePaneGoesToItsListAndOnlyAClickActivatesTheUserInterfaceUntilDeactivation) {
    CTestContainer container;
    ASSERT_HRESULT_SUCCEEDED(container.Create(CreateDeviceTransfer));
    ASSERT_HRESULT_SUCCEEDED(container.Activate(OLEIVERB_INPLACEACTIVATE));
    const auto pane = container.Query<IDeviceTransfer>(IID_IDeviceTransfer);
    ASSERT_TRUE(pane);
    CDeviceProgram program{};
    for (int i = 0; i < 60; ++i) {
        std::snprintf(program.m_szTitle, sizeof program.m_szTitle, "program %d", i);
        pane->AddProgram(&program);
    }
    const HWND list = GetDlgItem(container.ControlWindow(), CProgramList::kControlId);
    ASSERT_NE(nullptr, list);
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, 59, reinterpret_cast<LPARAM>(&state));
    SetForegroundWindow(container.Window());
    SetFocus(container.Window());
    CTestContainer::ProcessMessages();

    SetFocus(container.ControlWindow());
    EXPECT_EQ(list, GetFocus());
    RECT row{LVIR_BOUNDS, 0, 0, 0}, client{};
    SendMessageA(list, LVM_GETITEMRECT, 59, reinterpret_cast<LPARAM>(&row));
    GetClientRect(list, &client);
    RECT shown{};
    IntersectRect(&shown, &row, &client);
    EXPECT_TRUE(EqualRect(&shown, &row)) << "program 59 is out of view";
    EXPECT_FALSE(container.Site().UIActive());
    EXPECT_FALSE(Called(container.Site(), "OnUIActivate"));
    EXPECT_FALSE(Called(container.Site(), "OnFocus(TRUE)"));

    Click(CentreOf(list));
    CTestContainer::ProcessMessages();
    EXPECT_TRUE(container.Site().UIActive());
    EXPECT_TRUE(Called(container.Site(), "OnUIActivate"));
    ASSERT_NE(nullptr, container.Site().ActiveObject());
    EXPECT_EQ(container.Control(), Ask<IUnknown>(container.Site().ActiveObject(), IID_IUnknown).Get());

    ASSERT_HRESULT_SUCCEEDED(Ask<IOleInPlaceObject>(container.Control(), IID_IOleInPlaceObject)->UIDeactivate());
    EXPECT_FALSE(container.Site().UIActive());
    EXPECT_TRUE(Called(container.Site(), "OnUIDeactivate"));
    EXPECT_EQ(nullptr, container.Site().ActiveObject());
    EXPECT_TRUE(container.Site().InPlaceActive());
}

// An orderly Close, for both controls: hosting/ContainerEmbeddingTest.
TEST(ControlClose, ControlReleasedWhileActiveDestroysItsWindow) {
    const LONG locks = Module::LockCount();
    CTestContainer container;
    const auto site = CControlSite::Create(container.Window(), RECT{0, 0, 50, 20});
    HWND window = nullptr;
    {
        CComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
        ASSERT_HRESULT_SUCCEEDED(Ask<IOleObject>(bar.Get(), IID_IOleObject)->SetClientSite(site.Get()));
        ASSERT_HRESULT_SUCCEEDED(
            Ask<IOleObject>(bar.Get(), IID_IOleObject)
                ->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.Get(), 0, container.Window(), &site->Position()));
        Ask<IOleWindow>(bar.Get(), IID_IOleWindow)->GetWindow(&window);
        ASSERT_TRUE(IsWindow(window));
        // A careless container: the site lets go without deactivating.
        Ask<IOleObject>(bar.Get(), IID_IOleObject)->SetClientSite(nullptr);
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(locks, Module::LockCount());
}

// Unregistered (whatever the prefix holds), the class gives the status and
// name it registers; registered, the registry's.
TEST(ContainerInformation, MiscStatusAndUserTypeComeFromTheRegistryOrTheClassItself) {
    const std::wstring key = L"CLSID\\" + BracedGuid(CLSID_DeviceTransfer);
    CRegistryKeysGuard registry;
    registry.Watch(HKEY_CLASSES_ROOT, key, true);
    const CComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    const CComPtr<IOleObject> object = Ask<IOleObject>(pane.Get(), IID_IOleObject);
    const auto expect = [&object](DWORD content, const wchar_t* name) {
        DWORD status = 0;
        ASSERT_EQ(S_OK, object->GetMiscStatus(DVASPECT_CONTENT, &status));
        EXPECT_EQ(content, status);
        LPOLESTR type = nullptr;
        ASSERT_EQ(S_OK, object->GetUserType(USERCLASSTYPE_FULL, &type));
        EXPECT_EQ(std::wstring(name), type);
        CoTaskMemFree(type);
    };
    expect(131473u, L"DeviceTransfer Class");
    DWORD icon = 1;
    ASSERT_EQ(S_OK, object->GetMiscStatus(DVASPECT_ICON, &icon));
    EXPECT_EQ(0u, icon);

    RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, L"Registered pane", sizeof L"Registered pane");
    RegSetKeyValueW(HKEY_CLASSES_ROOT, (key + L"\\MiscStatus").c_str(), nullptr, REG_SZ, L"0", sizeof L"0");
    RegSetKeyValueW(HKEY_CLASSES_ROOT, (key + L"\\MiscStatus\\1").c_str(), nullptr, REG_SZ, L"17", sizeof L"17");
    expect(17u, L"Registered pane");
}

TEST(QuickActivation, ConnectsTheContainersSinksAndReportsTheStatus) {
    CTestContainer container;
    const CComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    CEventSink events(DIID__IDeviceTransferEvents);
    QACONTAINER given{};
    given.cbSize = sizeof given;
    given.pClientSite = &container.Site();
    given.pUnkEventSink = events.Dispatch();
    QACONTROL answer{};
    answer.cbSize = sizeof answer;

    ASSERT_EQ(S_OK, Ask<IQuickActivate>(pane.Get(), IID_IQuickActivate)->QuickActivate(&given, &answer));
    EXPECT_NE(0u, answer.dwEventCookie);
    EXPECT_EQ(0u, answer.dwPropNotifyCookie);
    EXPECT_NE(0u, answer.dwMiscStatus & OLEMISC_SETCLIENTSITEFIRST);
    EXPECT_EQ(static_cast<DWORD>(VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND), answer.dwViewStatus);
    CComPtr<IOleClientSite> site;
    Ask<IOleObject>(pane.Get(), IID_IOleObject)->GetClientSite(site.ReleaseAndGetAddressOf());
    EXPECT_EQ(static_cast<IOleClientSite*>(&container.Site()), site.Get());

    CDeviceTransfer::From(Ask<IDeviceTransfer>(pane.Get(), IID_IDeviceTransfer).Get())->FireOnRefreshRequest();
    EXPECT_EQ(std::vector<DISPID>{DISPID_OnRefreshRequest}, events.Dispids());
    Ask<IOleObject>(pane.Get(), IID_IOleObject)->SetClientSite(nullptr);
}

TEST(AccessibleOwner, GivesThePanesWindow) {
    CTestContainer container;
    ASSERT_HRESULT_SUCCEEDED(container.Create(CreateDeviceTransfer));
    ASSERT_HRESULT_SUCCEEDED(container.Activate());
    const CComPtr<IAccessibleOwner> owner = Ask<IAccessibleOwner>(container.Control(), IID_IAccessibleOwner);

    HWND window = nullptr;
    ASSERT_EQ(S_OK, owner->GetWindowHandle(&window));
    EXPECT_EQ(container.ControlWindow(), window);
    EXPECT_EQ(E_POINTER, owner->GetWindowHandle(nullptr));
}

}  // namespace
