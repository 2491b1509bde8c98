// What the menu bar tests share: a menu like a host's, the handle
// conversions of the interface, a message pump and the popup on screen (real
// input and steps inside menu loops: support/RealInput).
#ifndef KESTREL_TESTS_MENU_FIXTURE_H
#define KESTREL_TESTS_MENU_FIXTURE_H

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "container/OleHandle.h"
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

IMAGELIST_HANDLE ImageListValue(HIMAGELIST list);

// Dispatches messages until `done` answers true or `timeoutMs` passes;
// true when `done` did.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 4000);

// The visible popup menu window (class #32768) and its menu.
HWND PopupWindow();
HMENU PopupMenu();

#endif
