#include "menubar/MenuCtrl.h"
#include "menubar/MenuItemData.h"

#include "MenuFixture.h"
#include "support/PixelCanvas.h"

#include <atomic>
#include <memory>
#include <thread>

namespace {

using EventList = std::vector<std::pair<DWORD, HWND>>;

void ExpectItemsPutBack(HMENU popup) {
    for (UINT i = 0; i < static_cast<UINT>(GetMenuItemCount(popup)); ++i) {
        const MENUITEMINFOA info = ItemInfo(popup, i);
        EXPECT_FALSE(info.fType & MFT_OWNERDRAW) << "item " << i;
        EXPECT_EQ(0u, info.dwItemData) << "item " << i;
    }
}

class MenuBarInput : public MenuFixture {
  protected:
    std::vector<COLORREF> PrintBar() const {
        RECT client{};
        GetClientRect(BarWindow(), &client);
        CPixelCanvas canvas(client.right, client.bottom);
        SendMessageA(BarWindow(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) pixels.push_back(canvas.At(x, y));
        return pixels;
    }
    // The text a screen reader gets from the bar with the focus on it, after `key`.
    std::string FocusedBarText(WORD key = 0) {
        if (key != 0) PressKey(key);
        CTestContainer::ProcessMessages();
        SetFocus(BarWindow());
        const std::string text = BarText();
        SetFocus(s_hWndRecorder);
        return text;
    }
    void Restart() {
        TearDown();
        SetUp();
        MoveMouse(CentreOf(s_hWndRecorder));
        CTestContainer::ProcessMessages();
    }
};

// Wine keeps a popup on the screen by itself: the clamp of x to the work
// area is the native placement test's.
TEST_F(MenuBarInput, APopupOpensBelowOrAboveItsItem) {
    RECT home{};
    GetWindowRect(owner, &home);
    const struct {
        const char* name;
        int y;
        bool fAbove;
    } cases[] = {{"room below", 100, false}, {"at the screen's bottom", GetSystemMetrics(SM_CYSCREEN) - 30, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetWindowPos(owner, nullptr, 100, c.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT popup{};
        CModalScript script({PopupOf(0), Do([&] {
                                 GetWindowRect(PopupWindow(), &popup);
                                 PressKey(VK_ESCAPE);
                             })},
                            120);
        Click(ItemCentre(0));
        ASSERT_TRUE(PumpUntil([&] { return script.Finished() && PopupWindow() == nullptr; }));
        const RECT item = ItemRect(0);
        const POINT topLeft = ScreenPoint(BarWindow(), item.left, item.top);
        EXPECT_EQ(topLeft.x, popup.left);
        if (c.fAbove)
            EXPECT_EQ(topLeft.y, popup.bottom);
        else
            EXPECT_EQ(topLeft.y + item.bottom - item.top, popup.top);
        PressKey(VK_ESCAPE);
        CTestContainer::ProcessMessages();
    }
    SetWindowPos(owner, nullptr, home.left, home.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(MenuBarInput, ArrowsTabAndTheMouseMoveTheOpenPopupAndAClickOnItsItemClosesIt) {
    std::vector<CModalScript::Step> steps{PopupOf(0)};
    for (const auto& move : {std::make_pair(VK_LEFT, 3), {VK_RIGHT, 0}, {VK_LEFT, 3}, {VK_TAB, 0}, {VK_RIGHT, 1}}) {
        steps.push_back(Do([move] { PressKey(static_cast<WORD>(move.first)); }));
        steps.push_back(PopupOf(move.second));
    }
    steps.push_back(Do([this] { MoveMouse(ItemCentre(2)); }));
    steps.push_back(PopupOf(2));
    steps.push_back(Do([this] { Click(ItemCentre(2)); }));
    CModalScript script(steps, 120);
    Click(ItemCentre(0));
    ASSERT_TRUE(PumpUntil([&] { return script.Finished() && PopupWindow() == nullptr; }, 8000)) << PopupTrace();
    PumpFor(500);
    EXPECT_EQ("B0 A0 B3 A3 B0 A0 B3 A3 B0 A0 B1 A1 B2 A2 ", PopupTrace());
    EXPECT_EQ(nullptr, PopupWindow());
}

TEST_F(MenuBarInput, AltOrF10TogglesTheMenuModeWhichArrowsMoveAndEscEnds) {
    SetWindowTextA(BarWindow(), "Menu bar");
    for (const WORD key : {WORD(VK_MENU), WORD(VK_F10)}) {
        SCOPED_TRACE(key);
        g_vecWinEvents.clear();
        g_vecKeysSeen.clear();
        EXPECT_EQ("Menu bar", FocusedBarText());  // no hot item
        EXPECT_EQ("&File", FocusedBarText(key));
        EXPECT_EQ("&tools", FocusedBarText(VK_LEFT));  // from the first to the last
        EXPECT_EQ("&File", FocusedBarText(VK_RIGHT));  // from the last to the first
        EXPECT_EQ("&Edit", FocusedBarText(VK_TAB));
        EXPECT_EQ("Menu bar", BarText());  // without the focus: the window's own text
        SetFocus(BarWindow());
        char text[5] = {};
        EXPECT_EQ(0, SendMessageA(BarWindow(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)));
        EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
        SetFocus(s_hWndRecorder);
        PressKey(VK_ESCAPE);
        PressKey(key);  // on and off again
        PressKey(key);
        PressKey(VK_TAB);  // outside the menu mode: the application's
        PressKey(VK_RIGHT);
        PumpUntil([] { return g_vecWinEvents.size() == 7; }, 1000);
        const HWND b = BarWindow();
        const EventList expected = {{EVENT_SYSTEM_MENUSTART, owner}, {EVENT_SYSTEM_MENUSTART, b},
                                    {EVENT_SYSTEM_MENUSTART, b},     {EVENT_SYSTEM_MENUSTART, b},
                                    {EVENT_SYSTEM_MENUEND, owner},   {EVENT_SYSTEM_MENUSTART, owner},
                                    {EVENT_SYSTEM_MENUEND, owner}};
        EXPECT_EQ(expected, g_vecWinEvents);
        EXPECT_EQ((std::vector<WPARAM>{VK_ESCAPE, VK_TAB, VK_RIGHT}), g_vecKeysSeen);
    }
    // Shift+F10 and Ctrl+F10 are the application's.
    g_vecKeysSeen.clear();
    PressKeyWith(VK_SHIFT, VK_F10);
    PressKeyWith(VK_CONTROL, VK_F10);
    PressKey(VK_RIGHT);  // reaches the application: the mode is off
    PumpUntil([] { return g_vecKeysSeen.size() == 5; }, 1000);
    EXPECT_EQ((std::vector<WPARAM>{VK_SHIFT, VK_F10, VK_CONTROL, VK_F10, VK_RIGHT}), g_vecKeysSeen);
    EXPECT_EQ(7u, g_vecWinEvents.size());
    EXPECT_TRUE(popups.empty());
}

TEST_F(MenuBarInput, UpOrDownOpensTheHotItemsPopupFromHoverOrMenuMode) {
    const struct {
        const char* name;
        bool fHover, fReactivate;
        WORD key;
    } cases[] = {
        {"hover, Down", true, false, VK_DOWN},
        {"hover, Up", true, false, VK_UP},
        {"menu mode, Up", false, false, VK_UP},
        {"menu mode of a reactivated bar, Down", false, true, VK_DOWN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        if (c.fReactivate) {
            ASSERT_HRESULT_SUCCEEDED(s_pContainer->Deactivate());
            ASSERT_HRESULT_SUCCEEDED(s_pContainer->Activate());
            FocusOnRecorder();
        }
        if (c.fHover) {
            MoveMouse(ItemCentre(1));
        } else {
            PressKey(VK_MENU);
            PressKey(VK_RIGHT);
        }
        PumpFor(200);
        bool fOwnerDrawn = false;
        CModalScript script({PopupOf(1), Do([&] {
                                 const MENUITEMINFOA info = ItemInfo(SubMenuOf(menu, 1), 0);
                                 fOwnerDrawn = (info.fType & MFT_OWNERDRAW) &&
                                               CMenuItemData::FromItemData(info.dwItemData) != nullptr;
                                 PressKey(VK_ESCAPE);
                             })},
                            120);
        PressKey(c.key);
        ASSERT_TRUE(PumpUntil([&] { return AfterPopups() == 1; })) << PopupTrace();
        EXPECT_EQ("B1 A1 ", PopupTrace());
        EXPECT_TRUE(fOwnerDrawn);
    }
    MoveMouse(CentreOf(s_hWndRecorder));
}

TEST_F(MenuBarInput, AltWithAnUpperCaseMnemonicOpensItsPopupAndALowerCaseOneNothing) {
    // The popup may close by itself as Alt comes up; Esc closes it otherwise.
    CModalScript script({[this](CModalScript& s) {
                            if (PopupMenu() == SubMenuOf(menu, 2))
                                PressKey(VK_ESCAPE);
                            else if (AfterPopups() == 0)
                                s.Again();
                        }},
                        120);
    PressKeyWith(VK_MENU, 'V');
    ASSERT_TRUE(PumpUntil([&] { return AfterPopups() == 1; })) << PopupTrace();
    EXPECT_EQ("B2 A2 ", PopupTrace());
    PressKey('T');  // not "&tools"
    PumpFor(400);
    EXPECT_EQ("B2 A2 ", PopupTrace());
}

// A click opens the popup with owner-drawn items. They have no text for the
// system to match a key against: the bar answers. Two S items: the one
// after the highlighted item is selected, round to the first; a single X is
// executed, its command posted between the events; the items are put back.
TEST_F(MenuBarInput, MnemonicKeysInAPopupSelectOrExecuteItsOwnerDrawnItems) {
    const HMENU file = SubMenuOf(menu, 0);
    std::vector<LRESULT> answers;
    const auto ask = [&](char key) {
        answers.push_back(SendMessageA(owner, WM_MENUCHAR, MAKEWPARAM(key, MF_POPUP), reinterpret_cast<LPARAM>(file)));
    };
    CModalScript script({PopupOf(0), Do([&] {
                             ask('s');  // nothing highlighted
                             PressKey(VK_DOWN);
                             PressKey(VK_DOWN);
                         }),
                         Do([&] {
                             ask('S');  // Save highlighted
                             PressKey(VK_UP);
                             PressKey(VK_UP);
                         }),
                         Do([&] {
                             ask('s');  // Send, the last, highlighted
                             PressKey('X');
                         })},
                        120);
    Click(ItemCentre(0));
    ASSERT_TRUE(PumpUntil([&] { return AfterPopups() == 1; })) << PopupTrace();
    EXPECT_EQ(
        (std::vector<LRESULT>{MAKELRESULT(1, MNC_SELECT), MAKELRESULT(5, MNC_SELECT), MAKELRESULT(1, MNC_SELECT)}),
        answers);
    ASSERT_EQ("B0 A0 ", PopupTrace());
    EXPECT_FALSE(popups[0].fCommandQueued);
    EXPECT_TRUE(popups[1].fCommandQueued);
    EXPECT_EQ(ID_EXIT, popups[1].nCommand);
    EXPECT_EQ(0, popups[1].lCommand);
    ExpectItemsPutBack(file);
    std::string text;
    ItemInfo(file, 0, &text);
    EXPECT_EQ("&Open...\tCtrl+O", text);
}

// Wine's input cannot give the Alt releases below, so the keyboard hook gets
// them directly.
TEST_F(MenuBarInput, KeysPassThroughWhereTheBarHasNoSay) {
    enum class WHERE { OWNED_WINDOW, OWNER, WINDOWLESS_BAR, ALT_UP, ALT_UP_WITHOUT_PRESS, OTHER_FOREGROUND };
    std::atomic<HWND> other{nullptr};
    std::atomic<bool> fStop{false};
    std::thread thread([&] {
        other = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
        while (!fStop) PumpFor(5);
        DestroyWindow(other);
    });
    while (other == nullptr) Sleep(5);
    const struct {
        const char* name;
        WHERE where;
        DWORD event;  // 0: none
    } cases[] = {{"an owned window is active", WHERE::OWNED_WINDOW, 0},
                 {"the focus is on the owner", WHERE::OWNER, 0},
                 {"a bar without a window", WHERE::WINDOWLESS_BAR, 0},
                 {"a left-Alt release", WHERE::ALT_UP, EVENT_SYSTEM_MENUSTART},
                 {"a left-Alt release without its press", WHERE::ALT_UP_WITHOUT_PRESS, 0},
                 {"another thread's window in the foreground", WHERE::OTHER_FOREGROUND, EVENT_SYSTEM_MENUEND}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        HWND owned = nullptr;
        CComPtr<IMenuCtrl> windowless;
        if (c.where == WHERE::OWNED_WINDOW) {
            owned = CreateWindowA("Kestrel key recorder", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, owner, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
            SetForegroundWindow(owned);
            SetFocus(owned);
        } else if (c.where == WHERE::OWNER) {
            SetFocus(owner);
        } else if (c.where == WHERE::WINDOWLESS_BAR) {
            ASSERT_HRESULT_SUCCEEDED(
                CreateMenuCtrl(nullptr, IID_IMenuCtrl, reinterpret_cast<void**>(windowless.ReleaseAndGetAddressOf())));
            windowless->put_Menu(OleHandle(CreateTestMenu()));
            windowless->put_Owner(OleHandle(owner));  // the owner's serving bar from now on
        } else if (c.where == WHERE::OTHER_FOREGROUND) {
            SetForegroundWindow(other);
            SetActiveWindow(owner);  // this thread's, not the foreground
        }
        CTestContainer::ProcessMessages();
        g_vecKeysSeen.clear();
        if (c.where < WHERE::ALT_UP) {
            PressKey(VK_MENU);  // no more: a popup opened by mistake would hold the test
            PressKey(VK_RIGHT);
            PressKey(VK_TAB);
        } else {
            const LPARAM keyData = c.where == WHERE::ALT_UP_WITHOUT_PRESS ? 0x80380001 : 0xC0380001;
            EXPECT_EQ(1, CMenuCtrl::From(bar.Get())->OnKeyboardHook(HC_ACTION, VK_MENU, keyData));
        }
        PumpFor(400);
        const EventList expected = c.event == 0 ? EventList() : EventList{{c.event, owner}};
        EXPECT_EQ(expected, g_vecWinEvents);
        EXPECT_EQ((c.where < WHERE::ALT_UP ? std::vector<WPARAM>{VK_RIGHT, VK_TAB} : std::vector<WPARAM>{}),
                  g_vecKeysSeen);
        EXPECT_TRUE(popups.empty());
        if (owned != nullptr) DestroyWindow(owned);
    }
    fStop = true;
    thread.join();
    FocusOnRecorder();
}

// The menu loop's end no longer reaches the bar: the items get their own
// type and data back as their records go; a command fires no AfterPopup.
TEST_F(MenuBarInput, PopupsLeftConvertedArePutBackBeforeTheirRecordsGo) {
    for (const bool fRelease : {false, true}) {
        SCOPED_TRACE(fRelease ? "the menu is replaced and the bar let go" : "the bar's window goes, a command");
        if (!bar) SetUp();
        const HMENU hostMenu = menu, file = SubMenuOf(menu, 0);
        const auto release = [this] {
            bar->put_Menu(OleHandle(CreateTestMenu()));
            sink.Disconnect();
            bar.Reset();
            s_pContainer->Close();
        };
        CModalScript script({PopupOf(0), Do([&] { fRelease ? release() : void(s_pContainer->Deactivate()); }),
                             Do([] { PressKey(VK_DOWN); }), Do([] { PressKey(VK_RETURN); })},
                            120);
        Click(ItemCentre(0));
        ASSERT_TRUE(PumpUntil([&] { return script.Finished() && PopupWindow() == nullptr; }));
        CTestContainer::ProcessMessages();
        EXPECT_EQ("B0 ", PopupTrace());
        if (bar) release();
        CTestContainer::ProcessMessages();
        EXPECT_EQ(0u, CMenuItemData::LiveCount());
        ExpectItemsPutBack(file);
        DestroyMenu(hostMenu);
    }
}

TEST_F(MenuBarInput, WithTheCuesSettingOffUnderlinesShowOnceAltOrF10IsPressed) {
    const std::vector<COLORREF> underlined = PrintBar();  // the setting shows them: from the start
    BOOL fOld = TRUE;
    SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &fOld, 0);
    const auto setCues = [](BOOL f) { SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, IntToPtr(f), 0); };
    const std::shared_ptr<void> restore(nullptr, [&](void*) { setCues(fOld); });
    setCues(FALSE);
    const std::vector<COLORREF> plain = PrintBar();
    // What differs is the underlines, in text ink.
    int differing = 0;
    for (size_t i = 0; i < plain.size(); ++i)
        if (plain[i] != underlined[i] && ++differing) {
            EXPECT_EQ(ColorText(GetSysColor(COLOR_MENUTEXT)), ColorText(underlined[i])) << i;
        }
    EXPECT_GE(differing, 4 * 3);  // four items, each underlining one letter
    for (const WORD key : {WORD(VK_MENU), WORD(VK_F10)}) {
        // The owner's UI state hides accelerators, as after a mouse activation.
        SendMessageA(owner, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEACCEL), 0);
        EXPECT_TRUE(plain == PrintBar()) << key;
        PressKey(key);  // menu mode on, then off again
        PressKey(VK_ESCAPE);
        CTestContainer::ProcessMessages();
        EXPECT_TRUE(underlined == PrintBar()) << key;
    }
}

TEST_F(MenuBarInput, TheBarRepaintsWhenTheOwnerHearsOfNewSettingsOrColours) {
    const struct {
        UINT message;
        WPARAM wp;
    } changes[] = {{WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST}, {WM_SYSCOLORCHANGE, 0}};
    for (const auto& change : changes) {
        CTestContainer::ProcessMessages();
        ValidateRect(BarWindow(), nullptr);
        RECT dirty{};
        ASSERT_FALSE(GetUpdateRect(BarWindow(), &dirty, FALSE));
        SendMessageA(owner, change.message, change.wp, 0);
        EXPECT_TRUE(GetUpdateRect(BarWindow(), &dirty, FALSE)) << change.message;
    }
}

}  // namespace
