// The system's settings that change how menus look, read afresh on every
// paint: high contrast, keyboard cues and the menu colours.
#ifndef KESTREL_SYSTEM_LOOK_H
#define KESTREL_SYSTEM_LOOK_H

#include <windows.h>

#include "menubar/MenuLook.h"

bool HighContrastOn();
bool KeyboardCuesOn();

// The look of a bar whose BackColor is `clrBack`, and of the popups, as the
// system's settings are now.
CMenuLook CurrentMenuLook(COLORREF clrBack);

#endif
