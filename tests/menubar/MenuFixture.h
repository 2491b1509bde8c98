// What the menu bar tests share: a menu like a host's, the handle
// conversions of the interface, real keyboard and mouse input, and a message
// pump that runs steps from a thread timer, which menu loops dispatch too.
#ifndef KESTREL_TESTS_MENU_FIXTURE_H
#define KESTREL_TESTS_MENU_FIXTURE_H

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include "module/Kestrel.h"

// Command identifiers of the test menu.
enum TestCommand : UINT {
    ID_OPEN = 101,   // "&Open...\tCtrl+O", image 1
    ID_SAVE = 102,   // checked
    ID_EXIT = 103,   // default item
    ID_PRINT = 104,  // grayed
    ID_COPY = 201,   // "&Copy\tCtrl+C"
    ID_PASTE = 202,
    ID_ZOOM = 301,
    ID_OPTIONS = 401,
};

// Bar items: 0 "&File", 1 "&Edit", (a separator, no item), 2 "&View",
// 3 "&tools" (a lower-case mnemonic).
HMENU CreateTestMenu();
HMENU SubMenuOf(HMENU menu, int barItem);

OLE_HANDLE OleHandle(const void* handle);
IMAGELIST_HANDLE ImageListValue(HIMAGELIST list);

// Real input, in screen coordinates.
void MoveMouse(POINT at);
void Click(POINT at);
void Key(WORD vk, bool up);
void Tap(WORD vk);

// Dispatches messages until `done` answers true or `timeoutMs` passes;
// true when `done` did.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 4000);

// Steps run one per tick of a thread timer, also inside popup loops:
// each returns true when it is finished, false to be called again.
class CTimerScript {
  public:
    explicit CTimerScript(std::vector<std::function<bool()>> steps, UINT intervalMs = 120);
    ~CTimerScript();
    CTimerScript(const CTimerScript&) = delete;
    CTimerScript& operator=(const CTimerScript&) = delete;
    bool Finished() const { return m_nNext >= m_vecSteps.size(); }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    std::vector<std::function<bool()>> m_vecSteps;
    size_t m_nNext = 0;
    UINT_PTR m_idTimer = 0;
};

// The visible popup menu window (class #32768) and its menu.
HWND PopupWindow();
HMENU PopupMenu();

#endif
