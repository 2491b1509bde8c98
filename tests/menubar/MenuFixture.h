// What the menu bar tests share: a menu like a host's, a bar embedded in a
// container that owns it, a message pump, the popup on screen and what
// reached the application (real input and steps inside menu loops:
// support/RealInput).
#ifndef KESTREL_TESTS_MENU_FIXTURE_H
#define KESTREL_TESTS_MENU_FIXTURE_H

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "container/EventSink.h"
#include "container/OleHandle.h"
#include "module/Kestrel.h"
#include "support/RealInput.h"
#include "support/TestContainer.h"

#include <gtest/gtest.h>

// Command identifiers of the test menu.
enum TestCommand : UINT {
    ID_OPEN = 101,   // "&Open...\tCtrl+O"
    ID_SAVE = 102,   // checked
    ID_EXIT = 103,   // default item
    ID_PRINT = 104,  // grayed
    ID_SEND = 105,   // "&Send": a second S
    ID_COPY = 201,
    ID_PASTE = 202,
    ID_ZOOM = 301,
    ID_GRID = 302,
    ID_LEFT = 303,   // in the submenu "&Panes"
    ID_FULL = 304,   // "\tF11": a text that begins with a tab
    ID_RULER = 305,  // the host's own item data, kForeignData
    ID_OPTIONS = 401,
};
constexpr ULONG_PTR kForeignData = 0x5EED;

// Bar items: 0 "&File" (Open, Save, a separator, Print, Exit, Send), 1 "&Edit",
// (a separator, no item), 2 "&View" (Zoom, Grid, the submenu Panes, F11,
// Ruler), 3 "&tools" (a lower-case mnemonic).
HMENU CreateTestMenu();
HMENU SubMenuOf(HMENU menu, int barItem);
// Type, state, data and text of the item at `position`.
MENUITEMINFOA ItemInfo(HMENU menu, UINT position, std::string* text = nullptr);

IMAGELIST_HANDLE ImageListValue(HIMAGELIST list);

// Dispatches messages until `done` answers true or `timeoutMs` passes;
// true when `done` did.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 4000);
inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

// The visible popup menu window (class #32768) and its menu.
HWND PopupWindow();
HMENU PopupMenu();

// A bar embedded in a shared container, the container its owner, with the
// test menu; the focus on a child of the owner that keeps system keys, and
// the owner in the foreground. Records the keys the bar passed on, the menu
// start and end notifications and the popup events.
class MenuFixture : public testing::Test {
  public:
    static std::vector<WPARAM>& KeysSeen();  // passed on by the bar, Alt going down aside
    static std::vector<std::pair<DWORD, HWND>>& WinEvents();

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

    RECT ItemRect(short item) const;
    POINT ItemCentre(short item) const;
    HWND BarWindow() const { return s_pContainer->ControlWindow(); }
    void FocusOnRecorder() const;
    // The items (BeforePopup, AfterPopup) in the order they were fired.
    std::string PopupTrace() const;
    size_t Count(DISPID dispid) const;
    // A step that waits for the popup of bar item `item` to be open.
    ModalScript::Step PopupOf(int item) const;
    static ModalScript::Step Do(std::function<void()> action) {
        return [action](ModalScript&) { action(); };
    }
    // The text the bar answers to WM_GETTEXT.
    std::string BarText() const;

    static TestContainer* s_pContainer;
    static HWND s_hWndRecorder;
    ComPtr<IMenuCtrl> bar;
    HMENU menu = nullptr;
    HWND owner = nullptr;
    EventSink sink{DIID__IMenuCtrlEvents};
    std::vector<CPopupEvent> popups;
};

#endif
