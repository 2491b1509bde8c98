// The menu bar's demonstration: a menu as Lanthorn's, with images, check
// marks, a default item, a disabled item, separators and accelerators, and a
// screenshot of the bar with its first popup open.
#ifndef KESTREL_SAMPLES_DEMO_MENU_H
#define KESTREL_SAMPLES_DEMO_MENU_H

#include <windows.h>

#include <string>

#include "module/Kestrel.h"

// The commands of the demonstration menu, as WM_COMMAND brings them to
// the owner.
enum DemoCommand : UINT {
    ID_FILE_OPEN = 40001,
    ID_FILE_SAVE,
    ID_FILE_PRINT,
    ID_FILE_EXIT,
    ID_EDIT_COPY,
    ID_EDIT_PASTE,
    ID_VIEW_DEVICE,
    ID_VIEW_TRANSFER,
    ID_VIEW_CD,
    ID_VIEW_REFRESH,
    ID_HELP_ABOUT
};

// Gives the bar its owner, the menu (which the bar takes over), an image
// list with an image per command, and sizes it.
void SetUpDemoMenuBar(IMenuCtrl& bar, HWND owner);

// Opens the first popup of the bar in `barWindow` and, while it is open,
// saves the screen to `path`; the popup is closed again before returning.
HRESULT SaveScreenWithOpenMenu(HWND barWindow, const std::wstring& path, SIZE* size);

#endif
