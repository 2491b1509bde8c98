// The menu bar's demonstration: a menu as Lanthorn's, with images, check
// marks, a default item, a disabled item, separators and accelerators, and a
// screenshot of the bar with its first popup open.
#ifndef KESTREL_SAMPLES_DEMO_MENU_H
#define KESTREL_SAMPLES_DEMO_MENU_H

#include <windows.h>

#include <string>

#include "module/Kestrel.h"

// Gives the bar its owner, the menu (which the bar takes over), an image
// list with an image per command, and sizes it.
void SetUpDemoMenuBar(IMenuCtrl& bar, HWND owner);

// Opens the first popup of the bar in `barWindow` and, while it is open,
// saves the screen to `path`; the popup is closed again before returning.
HRESULT SaveScreenWithOpenMenu(HWND barWindow, const std::wstring& path, SIZE* size);

#endif
