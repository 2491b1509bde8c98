#include "menubar/SystemLook.h"

#include "module/Module.h"

static_assert(kUiStateHideAccel == UISF_HIDEACCEL, "the Windows-free flag is the platform's");

bool HighContrastOn() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// Where the setting cannot be read, the cues show, as before it existed.
bool KeyboardCuesOn() {
    BOOL fShown = TRUE;
    if (!SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &fShown, 0)) return true;
    return fShown != FALSE;
}

CMenuLook CurrentMenuLook(COLORREF clrBack) {
    CSystemMenuColours system;
    system.clrMenu = GetSysColor(COLOR_MENU);
    system.clrMenuText = GetSysColor(COLOR_MENUTEXT);
    system.clrHighlight = GetSysColor(COLOR_HIGHLIGHT);
    system.clrHighlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    system.clrGrayText = GetSysColor(COLOR_GRAYTEXT);
    const CModule& module = Module::Object();
    return ChooseMenuLook(HighContrastOn(), clrBack, module.MenuColor(), module.MenuTextColor(), system);
}
