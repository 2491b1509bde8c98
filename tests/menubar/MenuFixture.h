// What the menu bar tests share: a menu like a host's, a bar embedded in a
// container that owns it, and what reached the application.
#ifndef KESTREL_TESTS_MENU_FIXTURE_H
#define KESTREL_TESTS_MENU_FIXTURE_H

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "container/EventSink.h"
#include "container/OleHandle.h"
#include "module/Kestrel.h"
#include "support/RealInput.h"
#include "support/TestContainer.h"

#include <gtest/gtest.h>

enum TestCommand : UINT {
    ID_OPEN = 101,   // "&Open...\tCtrl+O"
    ID_SAVE = 102,   // checked
    ID_EXIT = 103,   // default item
    ID_PRINT = 104,  // grayed
    ID_SEND = 105,   // a second S
    ID_ZOOM = 301,
    ID_GRID = 302,
    ID_FULL = 304,   // "\tF11": a text that begins with a tab
    ID_RULER = 305,  // with the host's own item data, kForeignData
};
constexpr ULONG_PTR kForeignData = 0x5EED;

// Bar items: 0 "&File" (Open, Save, a separator, Print, Exit, Send), 1 "&Edit",
// (a separator, no item), 2 "&View" (Zoom, Grid, the submenu Panes, F11,
// Ruler), 3 "&tools" (a lower-case mnemonic).
HMENU CreateTestMenu();
HMENU SubMenuOf(HMENU menu, int barItem);
MENUITEMINFOA ItemInfo(HMENU menu, UINT position, std::string* text = nullptr);
inline IMAGELIST_HANDLE ImageListValue(HIMAGELIST list) {
    return static_cast<IMAGELIST_HANDLE>(reinterpret_cast<UINT_PTR>(list));
}

// The visible popup menu window (class #32768) and its menu.
HWND PopupWindow();
HMENU PopupMenu();

// Keys the bar passed on (Alt going down aside), and its menu start and end
// notifications.
inline std::vector<WPARAM> g_vecKeysSeen;
inline std::vector<std::pair<DWORD, HWND>> g_vecWinEvents;

// A bar embedded in a shared container, the container its owner, with the
// test menu; the owner in the foreground and the focus on a child of it
// that keeps system keys. Records the popup events.
class MenuFixture : public testing::Test {
  protected:
    struct CPopupEvent {
        DISPID dispid;
        short nItem;
        bool fCommandQueued;  // a WM_COMMAND was waiting for the owner
        UINT nCommand;
        LPARAM lCommand;
    };

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    HWND BarWindow() const { return s_pContainer->ControlWindow(); }
    RECT ItemRect(short item) const {
        RECT r{-1, -1, -1, -1};
        EXPECT_EQ(S_OK, bar->GetItemRect(item, reinterpret_cast<LONG_PTR>(&r)));
        return r;
    }
    POINT ItemCentre(short item) const {
        const RECT r = ItemRect(item);
        return ScreenPoint(BarWindow(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    void FocusOnRecorder() const {
        SetForegroundWindow(owner);
        SetFocus(s_hWndRecorder);
        CTestContainer::ProcessMessages();
    }
    // The items (BeforePopup, AfterPopup) in the order they were fired.
    std::string PopupTrace() const;
    size_t AfterPopups() const {
        return static_cast<size_t>(
            std::count_if(popups.begin(), popups.end(), [](auto& e) { return e.dispid == DISPID_AfterPopup; }));
    }
    CModalScript::Step PopupOf(int item) const {
        return [this, item](CModalScript& s) {
            if (PopupMenu() != SubMenuOf(menu, item)) s.Again();
        };
    }
    static CModalScript::Step Do(std::function<void()> action) {
        return [action](CModalScript&) { action(); };
    }
    std::string BarText() const {
        char text[32] = {};
        SendMessageA(BarWindow(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return text;
    }

    static CTestContainer* s_pContainer;
    static HWND s_hWndRecorder;
    CComPtr<IMenuCtrl> bar;
    HMENU menu = nullptr;
    HWND owner = nullptr;
    CEventSink sink{DIID__IMenuCtrlEvents};
    std::vector<CPopupEvent> popups;
};

#endif
