// The bar driven as a user drives it: real mouse and keyboard input with the
// owner in the foreground, the popups' own windows inspected from a thread
// timer while their loop runs, the owner's posted commands, the events and
// the accessibility notifications.
#include "menubar/MenuCtrl.h"
#include "menubar/MenuItemData.h"

#include "MenuFixture.h"
#include "container/EventSink.h"
#include "support/PixelCanvas.h"
#include "support/RealInput.h"
#include "support/TestContainer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// What reached the application: the owner's focused child records its keys.
std::vector<WPARAM> g_vecKeysSeen;
std::vector<std::pair<DWORD, HWND>> g_vecWinEvents;

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    // Alt going down always reaches the application; the rest is what counts.
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && wp != VK_MENU) g_vecKeysSeen.push_back(wp);
    // The application keeps the system keys it gets: no system menu loop.
    if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_SYSCHAR) return 0;
    return DefWindowProcA(window, message, wp, lp);
}

// Every item of `popup` as the system drawn item it was before the popup
// was shown: no owner-draw type, no item data.
void ExpectItemsPutBack(HMENU popup, const char* scenario) {
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        ASSERT_TRUE(GetMenuItemInfoA(popup, static_cast<UINT>(i), TRUE, &info)) << scenario;
        EXPECT_FALSE(info.fType & MFT_OWNERDRAW) << scenario << ", item " << i;
        EXPECT_EQ(0u, info.dwItemData) << scenario << ", item " << i;
    }
}

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_MENU && child == CHILDID_SELF) g_vecWinEvents.emplace_back(event, window);
}

// The keyboard cues setting for one test, put back afterwards.
class CCuesSetting {
  public:
    explicit CCuesSetting(bool fShown) {
        SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &m_fOld, 0);
        Set(fShown);
    }
    ~CCuesSetting() { Set(m_fOld != FALSE); }
    CCuesSetting(const CCuesSetting&) = delete;
    CCuesSetting& operator=(const CCuesSetting&) = delete;
    static bool Set(bool fShown) {
        return SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(static_cast<UINT_PTR>(fShown)),
                                     0) != FALSE;
    }

  private:
    BOOL m_fOld = TRUE;
};

struct CPopupEvent {
    DISPID dispid;
    short nItem;
    bool fCommandQueued;  // a WM_COMMAND was waiting for the owner
    UINT nCommand;
    LPARAM lCommand;
};

class MenuBarInput : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_pContainer = new TestContainer({480, 120});
        WNDCLASSA recorder{};
        recorder.lpfnWndProc = RecorderProc;
        recorder.hInstance = GetModuleHandleA(nullptr);
        recorder.lpszClassName = "Kestrel key recorder";
        RegisterClassA(&recorder);
        s_hWndRecorder = CreateWindowA("Kestrel key recorder", "", WS_CHILD | WS_VISIBLE, 0, 100, 50, 20,
                                       s_pContainer->Window(), nullptr, GetModuleHandleA(nullptr), nullptr);
        s_hWinEventHook = SetWinEventHook(EVENT_SYSTEM_MENUSTART, EVENT_SYSTEM_MENUEND, nullptr, OnWinEvent,
                                          GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    }
    static void TearDownTestSuite() {
        UnhookWinEvent(s_hWinEventHook);
        DestroyWindow(s_hWndRecorder);
        delete s_pContainer;
    }

    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(s_pContainer->Create(CreateMenuCtrl));
        ASSERT_HRESULT_SUCCEEDED(s_pContainer->Activate());
        bar = s_pContainer->Query<IMenuCtrl>(IID_IMenuCtrl);
        ASSERT_TRUE(bar);
        menu = CreateTestMenu();
        owner = s_pContainer->Window();
        ASSERT_EQ(S_OK, bar->put_Owner(OleHandle(owner)));
        ASSERT_EQ(S_OK, bar->put_Menu(OleHandle(menu)));
        long sized = 0;
        bar->AutoSize(&sized);
        ASSERT_HRESULT_SUCCEEDED(sink.Connect(s_pContainer->Control()));
        sink.SetHandler([this](const RecordedEvent& event, const DISPPARAMS&, VARIANT*) {
            MSG command{};
            const bool queued = PeekMessageA(&command, owner, WM_COMMAND, WM_COMMAND, PM_NOREMOVE) != FALSE;
            popups.push_back(
                {event.dispid, event.Param(0).get().iVal, queued, static_cast<UINT>(command.wParam), command.lParam});
        });
        SetForegroundWindow(owner);
        SetFocus(s_hWndRecorder);
        TestContainer::ProcessMessages();
        g_vecKeysSeen.clear();
        g_vecWinEvents.clear();
    }
    void TearDown() override {
        EndMenu();
        PumpUntil([] { return PopupWindow() == nullptr; }, 1000);
        sink.Disconnect();
        bar.Reset();
        s_pContainer->Close();
        TestContainer::ProcessMessages();
        EXPECT_EQ(0u, CMenuItemData::LiveCount());
    }

    POINT ItemCentre(short item) {
        RECT r{};
        bar->GetItemRect(item, reinterpret_cast<LONG_PTR>(&r));
        POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(s_pContainer->ControlWindow(), &centre);
        return centre;
    }
    // The items (BeforePopup, AfterPopup) in the order they were fired.
    std::string PopupTrace() const {
        std::string trace;
        for (const CPopupEvent& e : popups)
            trace += (e.dispid == DISPID_BeforePopup ? "B" : "A") + std::to_string(e.nItem) + " ";
        return trace;
    }
    size_t Count(DISPID dispid) const {
        size_t n = 0;
        for (const CPopupEvent& e : popups) n += e.dispid == dispid;
        return n;
    }
    // The bar as it paints itself now, row by row.
    std::vector<COLORREF> PrintBar() const {
        const HWND window = s_pContainer->ControlWindow();
        RECT client{};
        GetClientRect(window, &client);
        PixelCanvas canvas(client.right, client.bottom);
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) pixels.push_back(canvas.At(x, y));
        return pixels;
    }
    int BarWidth() const {
        RECT client{};
        GetClientRect(s_pContainer->ControlWindow(), &client);
        return client.right;
    }
    // A step that waits for the popup of bar item `item` to be open.
    ModalScript::Step PopupOf(int item) {
        return [this, item](ModalScript& s) {
            if (PopupMenu() != SubMenuOf(menu, item)) s.Again();
        };
    }
    static ModalScript::Step Do(std::function<void()> action) {
        return [action](ModalScript&) { action(); };
    }

    static TestContainer* s_pContainer;
    static HWND s_hWndRecorder;
    static HWINEVENTHOOK s_hWinEventHook;
    ComPtr<IMenuCtrl> bar;
    HMENU menu = nullptr;
    HWND owner = nullptr;
    EventSink sink{DIID__IMenuCtrlEvents};
    std::vector<CPopupEvent> popups;
};

TestContainer* MenuBarInput::s_pContainer = nullptr;
HWND MenuBarInput::s_hWndRecorder = nullptr;
HWINEVENTHOOK MenuBarInput::s_hWinEventHook = nullptr;

TEST_F(MenuBarInput, AClickOpensTheOwnerDrawnPopupAndAChosenCommandIsPostedBetweenTheEvents) {
    const HMENU file = SubMenuOf(menu, 0);
    MENUITEMINFOA during{};
    std::string recordText;
    RECT popupRect{};
    ModalScript script(
        {
            PopupOf(0),
            Do([&] {
                // While the loop runs, the items are owner-drawn with a record.
                during.cbSize = sizeof during;
                during.fMask = MIIM_FTYPE | MIIM_DATA;
                GetMenuItemInfoA(file, ID_OPEN, FALSE, &during);
                if (const CMenuItemData* record = CMenuItemData::FromItemData(during.dwItemData))
                    recordText = record->m_strText;
                GetWindowRect(PopupWindow(), &popupRect);
                PressKey(VK_DOWN);
            }),
            Do([] { PressKey(VK_RETURN); }),
        },
        120);
    Click(ItemCentre(0));
    ASSERT_TRUE(PumpUntil([&] { return Count(DISPID_AfterPopup) == 1; })) << PopupTrace();

    EXPECT_TRUE(during.fType & MFT_OWNERDRAW);
    EXPECT_EQ("&Open...\tCtrl+O", recordText);
    RECT item{};
    bar->GetItemRect(0, reinterpret_cast<LONG_PTR>(&item));
    POINT below{item.left, item.bottom};
    ClientToScreen(s_pContainer->ControlWindow(), &below);
    EXPECT_EQ(below.x, popupRect.left);  // below the item, left-aligned with it
    EXPECT_EQ(below.y, popupRect.top);
    ASSERT_EQ(2u, popups.size());
    EXPECT_EQ("B0 A0 ", PopupTrace());
    EXPECT_FALSE(popups[0].fCommandQueued);
    EXPECT_TRUE(popups[1].fCommandQueued);
    EXPECT_EQ(ID_OPEN, popups[1].nCommand);
    EXPECT_EQ(0, popups[1].lCommand);

    // Every item has its former type, text and data back.
    for (int i = 0; i < GetMenuItemCount(file); ++i) {
        MENUITEMINFOA after{};
        char text[64] = {};
        after.cbSize = sizeof after;
        after.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
        after.dwTypeData = text;
        after.cch = sizeof text;
        GetMenuItemInfoA(file, static_cast<UINT>(i), TRUE, &after);
        EXPECT_FALSE(after.fType & MFT_OWNERDRAW) << i;
        EXPECT_EQ(0u, after.dwItemData) << i;
        if (i == 0) {
            EXPECT_STREQ("&Open...\tCtrl+O", text);
        }
    }
}

TEST_F(MenuBarInput, ArrowsTabAndTheMouseMoveTheOpenPopupToTheNeighbouringItem) {
    ModalScript script(
        {
            PopupOf(0),
            Do([] { PressKey(VK_RIGHT); }),
            PopupOf(1),
            Do([] { PressKey(VK_TAB); }),
            PopupOf(2),
            Do([] { PressKey(VK_LEFT); }),
            PopupOf(1),
            Do([] { PressKey(VK_LEFT); }),
            PopupOf(0),
            Do([] { PressKey(VK_LEFT); }),  // from the first to the last
            PopupOf(3),
            Do([this] { MoveMouse(ItemCentre(1)); }),
            PopupOf(1),
            Do([] { PressKey(VK_ESCAPE); }),
        },
        120);
    Click(ItemCentre(0));
    ASSERT_TRUE(PumpUntil([&] { return script.Finished() && PopupWindow() == nullptr; }, 8000)) << PopupTrace();
    PumpUntil([&] { return Count(DISPID_AfterPopup) == 7; }, 1000);
    EXPECT_EQ("B0 A0 B1 A1 B2 A2 B1 A1 B0 A0 B3 A3 B1 A1 ", PopupTrace());
}

TEST_F(MenuBarInput, AltAloneTogglesTheMenuModeWhichArrowsMoveAndEscEnds) {
    PressKey(VK_MENU);
    TestContainer::ProcessMessages();
    PumpUntil([] { return !g_vecWinEvents.empty(); }, 1000);
    ASSERT_EQ(1u, g_vecWinEvents.size());
    EXPECT_EQ(std::make_pair(DWORD(EVENT_SYSTEM_MENUSTART), owner), g_vecWinEvents[0]);
    PressKey(VK_RIGHT);  // in menu mode: swallowed, the hot item moves
    PumpUntil([] { return g_vecWinEvents.size() == 2; }, 1000);
    ASSERT_EQ(2u, g_vecWinEvents.size());
    EXPECT_EQ(std::make_pair(DWORD(EVENT_SYSTEM_MENUSTART), s_pContainer->ControlWindow()), g_vecWinEvents[1]);
    SetFocus(s_pContainer->ControlWindow());
    char text[32] = {};
    EXPECT_EQ(5, SendMessageA(s_pContainer->ControlWindow(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)));
    EXPECT_STREQ("&Edit", text);
    EXPECT_EQ(0, SendMessageA(s_pContainer->ControlWindow(), WM_GETTEXT, 5, reinterpret_cast<LPARAM>(text)));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    SetFocus(s_hWndRecorder);
    PressKey(VK_ESCAPE);  // ends the mode and still reaches the application
    PumpUntil([] { return g_vecWinEvents.size() == 3; }, 1000);
    ASSERT_EQ(3u, g_vecWinEvents.size());
    EXPECT_EQ(std::make_pair(DWORD(EVENT_SYSTEM_MENUEND), owner), g_vecWinEvents[2]);
    // Alt twice: on, then off again.
    PressKey(VK_MENU);
    PressKey(VK_MENU);
    PumpUntil([] { return g_vecWinEvents.size() == 5; }, 1000);
    ASSERT_EQ(5u, g_vecWinEvents.size());
    EXPECT_EQ(DWORD(EVENT_SYSTEM_MENUSTART), g_vecWinEvents[3].first);
    EXPECT_EQ(DWORD(EVENT_SYSTEM_MENUEND), g_vecWinEvents[4].first);
    // Outside the menu mode the same keys reach the application unchanged.
    PressKey(VK_TAB);
    PressKey(VK_RIGHT);
    PressKey(VK_LEFT);
    TestContainer::ProcessMessages();
    const std::vector<WPARAM> expected = {VK_ESCAPE, VK_TAB, VK_RIGHT, VK_LEFT};
    EXPECT_EQ(expected, g_vecKeysSeen);
    EXPECT_TRUE(popups.empty());
}

TEST_F(MenuBarInput, AltWithAnUpperCaseMnemonicOpensItsPopupAndALowerCaseOneNothing) {
    // The popup may close by itself as Alt comes up; Esc closes it otherwise.
    ModalScript script({[this](ModalScript& s) {
                           if (PopupMenu() == SubMenuOf(menu, 2))
                               PressKey(VK_ESCAPE);
                           else if (Count(DISPID_AfterPopup) == 0)
                               s.Again();
                       }},
                       120);
    PressKeyWith(VK_MENU, 'V');
    ASSERT_TRUE(PumpUntil([&] { return Count(DISPID_AfterPopup) == 1; })) << PopupTrace();
    EXPECT_EQ("B2 A2 ", PopupTrace());
    // A letter then opens only an item whose mnemonic is that upper-case
    // letter, not "&tools".
    PressKey('T');
    PumpUntil([] { return false; }, 400);
    EXPECT_EQ("B2 A2 ", PopupTrace());
    PressKey(VK_ESCAPE);
    TestContainer::ProcessMessages();
}

// Deactivation destroys the bar's window and takes the bar off its owner; a
// window made again serves the owner again: its popups are owner-drawn and
// the keyboard reaches it.
TEST_F(MenuBarInput, AReactivatedBarServesItsOwnerAgain) {
    ASSERT_HRESULT_SUCCEEDED(s_pContainer->Deactivate());
    ASSERT_HRESULT_SUCCEEDED(s_pContainer->Activate());
    ASSERT_NE(nullptr, s_pContainer->ControlWindow());
    SetForegroundWindow(owner);
    SetFocus(s_hWndRecorder);
    TestContainer::ProcessMessages();
    const HMENU file = SubMenuOf(menu, 0);
    MENUITEMINFOA during{};
    bool fRecord = false;
    ModalScript script({PopupOf(0), Do([&] {
                            during.cbSize = sizeof during;
                            during.fMask = MIIM_FTYPE | MIIM_DATA;
                            GetMenuItemInfoA(file, ID_OPEN, FALSE, &during);
                            fRecord = CMenuItemData::FromItemData(during.dwItemData) != nullptr;
                            PressKey(VK_ESCAPE);
                        })},
                       120);
    PressKey(VK_MENU);  // keyboard menu mode on the first item
    PressKey(VK_DOWN);  // opens its popup
    ASSERT_TRUE(PumpUntil([&] { return Count(DISPID_AfterPopup) == 1; })) << PopupTrace();
    EXPECT_EQ("B0 A0 ", PopupTrace());
    EXPECT_TRUE(during.fType & MFT_OWNERDRAW);
    EXPECT_TRUE(fRecord);
    PressKey(VK_ESCAPE);
    TestContainer::ProcessMessages();
}

// A bar given its owner but no window (not yet activated) serves the owner
// in name only: Alt, the arrows and mnemonics reach the application as if
// it were not there.
TEST_F(MenuBarInput, ABarWithoutAWindowLetsTheKeysThrough) {
    ComPtr<IMenuCtrl> windowless;
    ASSERT_HRESULT_SUCCEEDED(
        CreateMenuCtrl(nullptr, IID_IMenuCtrl, reinterpret_cast<void**>(windowless.ReleaseAndGetAddressOf())));
    ASSERT_EQ(S_OK, windowless->put_Menu(OleHandle(CreateTestMenu())));
    ASSERT_EQ(S_OK, windowless->put_Owner(OleHandle(owner)));  // the owner's serving bar from now on
    PressKey(VK_MENU);
    PressKey(VK_RIGHT);
    PressKeyWith(VK_MENU, 'F');
    PumpUntil([] { return false; }, 400);
    const std::vector<WPARAM> expected = {VK_RIGHT, 'F'};
    EXPECT_EQ(expected, g_vecKeysSeen);
    EXPECT_TRUE(g_vecWinEvents.empty());
    EXPECT_EQ(nullptr, PopupWindow());
    windowless.Reset();
}

// A popup that the menu loop's end no longer reaches the bar for keeps its
// converted items; they get their own type and data back before their
// records go, and no item points at a freed record.
TEST_F(MenuBarInput, PopupsLeftConvertedArePutBackBeforeTheirRecordsGo) {
    enum class IN_LOOP { DEACTIVATE, REPLACE_MENU_AND_RELEASE };
    const struct {
        const char* scenario;
        IN_LOOP action;
    } cases[] = {
        {"the bar's window goes during the loop, its menu is replaced after", IN_LOOP::DEACTIVATE},
        {"the menu is replaced and the bar let go during the loop", IN_LOOP::REPLACE_MENU_AND_RELEASE},
    };
    for (const auto& c : cases) {
        if (!bar) SetUp();
        const HMENU hostMenu = menu, file = SubMenuOf(menu, 0);
        const auto release = [this] {
            sink.Disconnect();
            bar.Reset();
            s_pContainer->Close();
        };
        ModalScript script({PopupOf(0), Do([&] {
                                if (c.action == IN_LOOP::DEACTIVATE) {
                                    s_pContainer->Deactivate();
                                } else {
                                    bar->put_Menu(OleHandle(CreateTestMenu()));
                                    release();
                                }
                            }),
                            Do([] { PressKey(VK_ESCAPE); })},
                           120);
        Click(ItemCentre(0));
        ASSERT_TRUE(PumpUntil([&] { return script.Finished() && PopupWindow() == nullptr; })) << c.scenario;
        TestContainer::ProcessMessages();
        if (bar) {
            bar->put_Menu(OleHandle(CreateTestMenu()));
            release();
        }
        TestContainer::ProcessMessages();
        EXPECT_EQ(0u, CMenuItemData::LiveCount()) << c.scenario;
        ExpectItemsPutBack(file, c.scenario);
        DestroyMenu(hostMenu);
        popups.clear();
    }
}

TEST_F(MenuBarInput, F10EntersAndLeavesTheMenuModeAsAltDoesAndShiftOrCtrlF10PassThrough) {
    PressKey(VK_F10);
    PumpUntil([] { return !g_vecWinEvents.empty(); }, 1000);
    ASSERT_EQ(1u, g_vecWinEvents.size());
    EXPECT_EQ(std::make_pair(DWORD(EVENT_SYSTEM_MENUSTART), owner), g_vecWinEvents[0]);
    PressKey(VK_RIGHT);
    PressKey(VK_RIGHT);
    PressKey(VK_LEFT);
    PumpUntil([] { return g_vecWinEvents.size() == 4; }, 1000);
    ASSERT_EQ(4u, g_vecWinEvents.size());
    EXPECT_EQ(std::make_pair(DWORD(EVENT_SYSTEM_MENUSTART), s_pContainer->ControlWindow()), g_vecWinEvents[3]);
    SetFocus(s_pContainer->ControlWindow());
    char text[32] = {};
    SendMessageA(s_pContainer->ControlWindow(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("&Edit", text);
    SetFocus(s_hWndRecorder);
    PressKey(VK_ESCAPE);
    PumpUntil([] { return g_vecWinEvents.size() == 5; }, 1000);
    ASSERT_EQ(5u, g_vecWinEvents.size());
    EXPECT_EQ(std::make_pair(DWORD(EVENT_SYSTEM_MENUEND), owner), g_vecWinEvents[4]);
    // F10 again leaves the mode it entered.
    PressKey(VK_F10);
    PressKey(VK_F10);
    PumpUntil([] { return g_vecWinEvents.size() == 7; }, 1000);
    ASSERT_EQ(7u, g_vecWinEvents.size());
    EXPECT_EQ(std::make_pair(DWORD(EVENT_SYSTEM_MENUSTART), owner), g_vecWinEvents[5]);
    EXPECT_EQ(std::make_pair(DWORD(EVENT_SYSTEM_MENUEND), owner), g_vecWinEvents[6]);
    const std::vector<WPARAM> escOnly = {VK_ESCAPE};
    EXPECT_EQ(escOnly, g_vecKeysSeen);  // F10 and the arrows were the bar's

    // Shift+F10 and Ctrl+F10 are the application's: no menu mode.
    g_vecKeysSeen.clear();
    PressKeyWith(VK_SHIFT, VK_F10);
    PressKeyWith(VK_CONTROL, VK_F10);
    PressKey(VK_RIGHT);  // reaches the application: the mode is off
    PumpUntil([] { return g_vecKeysSeen.size() == 5; }, 1000);
    const std::vector<WPARAM> passed = {VK_SHIFT, VK_F10, VK_CONTROL, VK_F10, VK_RIGHT};
    EXPECT_EQ(passed, g_vecKeysSeen);
    EXPECT_EQ(7u, g_vecWinEvents.size());
    EXPECT_TRUE(popups.empty());
}

TEST_F(MenuBarInput, WithTheCuesSettingOffUnderlinesShowOnceAltOrF10IsPressed) {
    const std::vector<COLORREF> underlined = PrintBar();  // the setting shows them: from the start
    const CCuesSetting hidden(false);
    BOOL fShown = TRUE;
    SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &fShown, 0);
    ASSERT_FALSE(fShown) << "the cues setting cannot be changed here";
    const std::vector<COLORREF> plain = PrintBar();
    ASSERT_EQ(underlined.size(), plain.size());
    // What differs is the underlines: one row of text ink, nothing else.
    const int width = BarWidth();
    int row = -1, differing = 0;
    for (size_t i = 0; i < plain.size(); ++i) {
        if (plain[i] == underlined[i]) continue;
        ++differing;
        EXPECT_EQ(ColorText(GetSysColor(COLOR_MENUTEXT)), ColorText(underlined[i])) << i;
        if (row == -1) row = static_cast<int>(i) / width;
        EXPECT_EQ(row, static_cast<int>(i) / width) << "pixel " << i % width;
    }
    EXPECT_GE(differing, 4 * 3);  // four items, each underlining one letter

    PressKey(VK_MENU);  // menu mode on, then off again
    PressKey(VK_ESCAPE);
    TestContainer::ProcessMessages();
    EXPECT_TRUE(underlined == PrintBar()) << "after Alt";

    // The owner's UI state hides accelerators again, as after a mouse
    // activation; F10 shows them.
    SendMessageA(owner, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEACCEL), 0);
    EXPECT_TRUE(plain == PrintBar()) << "owner hides";
    PressKey(VK_F10);
    PressKey(VK_ESCAPE);
    TestContainer::ProcessMessages();
    EXPECT_TRUE(underlined == PrintBar()) << "after F10";
}

TEST_F(MenuBarInput, TheBarRepaintsWhenTheOwnerHearsOfNewSettingsOrColours) {
    const HWND window = s_pContainer->ControlWindow();
    const struct {
        UINT message;
        WPARAM wp;
    } changes[] = {{WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST}, {WM_SYSCOLORCHANGE, 0}};
    for (const auto& change : changes) {
        TestContainer::ProcessMessages();
        ValidateRect(window, nullptr);
        RECT dirty{};
        ASSERT_FALSE(GetUpdateRect(window, &dirty, FALSE));
        SendMessageA(owner, change.message, change.wp, 0);
        EXPECT_TRUE(GetUpdateRect(window, &dirty, FALSE)) << change.message;
    }
}

}  // namespace
