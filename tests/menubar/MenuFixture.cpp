#include "MenuFixture.h"

#include "menubar/MenuCtrl.h"
#include "menubar/MenuItemData.h"

namespace {

HHOOK g_hKeyHook = nullptr;
HWINEVENTHOOK g_hWinEventHook = nullptr;

// Installed before any bar's own hook, so it sees only what the bar passed on.
LRESULT CALLBACK RecordKeys(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && (lp & 0x80000000) == 0 && wp != VK_MENU) g_vecKeysSeen.push_back(wp);
    return CallNextHookEx(g_hKeyHook, code, wp, lp);
}

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_MENU && child == CHILDID_SELF) g_vecWinEvents.emplace_back(event, window);
}

// The application keeps the system keys it gets: no system menu loop.
LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_SYSCHAR) return 0;
    return DefWindowProcA(window, message, wp, lp);
}

using Items = std::initializer_list<std::pair<UINT, const char*>>;
HMENU Append(HMENU popup, Items items) {
    for (const auto& item : items) AppendMenuA(popup, item.second ? MF_STRING : MF_SEPARATOR, item.first, item.second);
    return popup;
}
HMENU Popup(Items items) { return Append(CreatePopupMenu(), items); }

}  // namespace

HMENU CreateTestMenu() {
    const HMENU file = Popup({{ID_OPEN, "&Open...\tCtrl+O"}, {ID_SAVE, "&Save"}, {0, nullptr}, {ID_PRINT, "&Print"}});
    Append(file, {{ID_EXIT, "E&xit"}, {ID_SEND, "&Send"}});
    CheckMenuItem(file, ID_SAVE, MF_CHECKED);
    EnableMenuItem(file, ID_PRINT, MF_GRAYED);
    SetMenuDefaultItem(file, ID_EXIT, FALSE);
    const HMENU view = Popup({{ID_ZOOM, "&Zoom"}, {ID_GRID, "&Grid"}, {ID_FULL, "\tF11"}, {ID_RULER, "&Ruler"}});
    InsertMenuA(view, 2, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(Popup({{303, "&Left"}})), "&Panes");
    MENUITEMINFOA data{};
    data.cbSize = sizeof data;
    data.fMask = MIIM_DATA;
    data.dwItemData = kForeignData;
    SetMenuItemInfoA(view, ID_RULER, FALSE, &data);
    const HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup({{201, "&Copy\tCtrl+C"}, {202, "&Paste"}})), "&Edit");
    AppendMenuA(bar, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "&View");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup({{401, "&Options"}})), "&tools");
    return bar;
}

HMENU SubMenuOf(HMENU menu, int barItem) { return GetSubMenu(menu, barItem >= 2 ? barItem + 1 : barItem); }

MENUITEMINFOA ItemInfo(HMENU menu, UINT position, std::string* text) {
    char buffer[64] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = sizeof buffer;
    GetMenuItemInfoA(menu, position, TRUE, &info);
    if (text != nullptr) *text = buffer;
    info.dwTypeData = nullptr;
    return info;
}

HWND PopupWindow() {
    HWND popup = FindWindowA("#32768", nullptr);
    return popup != nullptr && IsWindowVisible(popup) ? popup : nullptr;
}

HMENU PopupMenu() {
    const HWND popup = PopupWindow();
    return popup != nullptr ? reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)) : nullptr;
}

CTestContainer* MenuFixture::s_pContainer = nullptr;
HWND MenuFixture::s_hWndRecorder = nullptr;

void MenuFixture::SetUpTestSuite() {
    s_pContainer = new CTestContainer({480, 120});
    WNDCLASSA recorder{};
    recorder.lpfnWndProc = RecorderProc;
    recorder.hInstance = GetModuleHandleA(nullptr);
    recorder.lpszClassName = "Kestrel key recorder";
    RegisterClassA(&recorder);
    s_hWndRecorder = CreateWindowA("Kestrel key recorder", "", WS_CHILD | WS_VISIBLE, 0, 100, 50, 20,
                                   s_pContainer->Window(), nullptr, GetModuleHandleA(nullptr), nullptr);
    g_hKeyHook = SetWindowsHookExA(WH_KEYBOARD, RecordKeys, nullptr, GetCurrentThreadId());
    g_hWinEventHook = SetWinEventHook(EVENT_SYSTEM_MENUSTART, EVENT_SYSTEM_MENUEND, nullptr, OnWinEvent,
                                      GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
}

void MenuFixture::TearDownTestSuite() {
    UnhookWinEvent(g_hWinEventHook);
    UnhookWindowsHookEx(g_hKeyHook);
    DestroyWindow(s_hWndRecorder);
    delete s_pContainer;
}

void MenuFixture::SetUp() {
    ASSERT_HRESULT_SUCCEEDED(s_pContainer->Create(CreateMenuCtrl));
    ASSERT_HRESULT_SUCCEEDED(s_pContainer->Activate());
    bar = s_pContainer->Query<IMenuCtrl>(IID_IMenuCtrl);
    ASSERT_TRUE(bar);
    menu = CreateTestMenu();
    owner = s_pContainer->Window();
    bar->put_Owner(OleHandle(owner));
    bar->put_Menu(OleHandle(menu));
    long sized = 0;
    bar->AutoSize(&sized);
    ASSERT_HRESULT_SUCCEEDED(sink.Connect(s_pContainer->Control()));
    sink.SetHandler([this](const CRecordedEvent& event, const DISPPARAMS&, VARIANT*) {
        MSG command{};
        const bool queued = PeekMessageA(&command, owner, WM_COMMAND, WM_COMMAND, PM_NOREMOVE) != FALSE;
        popups.push_back(
            {event.dispid, event.Param(0).get().iVal, queued, static_cast<UINT>(command.wParam), command.lParam});
    });
    FocusOnRecorder();
    popups.clear();
    g_vecKeysSeen.clear();
    g_vecWinEvents.clear();
}

void MenuFixture::TearDown() {
    EndMenu();
    PumpUntil([] { return PopupWindow() == nullptr; }, 1000);
    sink.Disconnect();
    bar.Reset();
    s_pContainer->Close();
    CTestContainer::ProcessMessages();
    EXPECT_EQ(0u, CMenuItemData::LiveCount());
}

std::string MenuFixture::PopupTrace() const {
    std::string trace;
    for (const CPopupEvent& e : popups)
        trace += (e.dispid == DISPID_BeforePopup ? "B" : "A") + std::to_string(e.nItem) + " ";
    return trace;
}
