// The colours and mnemonic underlines the bar and its popups are drawn with,
// chosen free of window handles from the system's settings and the
// control's properties.
#ifndef KESTREL_MENU_LOOK_H
#define KESTREL_MENU_LOOK_H

#include "draw/ColorMath.h"

// GetSysColor of COLOR_MENU, COLOR_MENUTEXT, COLOR_HIGHLIGHT,
// COLOR_HIGHLIGHTTEXT and COLOR_GRAYTEXT.
struct CSystemMenuColours {
    ColorRef clrMenu = 0;
    ColorRef clrMenuText = 0;
    ColorRef clrHighlight = 0;
    ColorRef clrHighlightText = 0;
    ColorRef clrGrayText = 0;
};

struct CMenuLook {
    ColorRef clrBar = 0;  // bar background, and the base of its bevels
    ColorRef clrBarText = 0;
    ColorRef clrHotBar = 0;  // fill of a hot or pressed item
    ColorRef clrHotBarText = 0;
    bool fFlat = false;     // hot and pressed items without bevels
    ColorRef clrPopup = 0;  // popup item background
    ColorRef clrPopupText = 0;
    ColorRef clrSelected = 0;  // selected popup item
    ColorRef clrSelectedText = 0;
    ColorRef clrGrayText = 0;
};

// Normally the bar is `clrBackProperty` with bevels and the system menu text
// colour, and popups keep the menu colours read when the module loaded
// (`clrLoadedMenu`, `clrLoadedMenuText`). In high contrast everything is the
// system's menu and highlight colours: bevels would be invisible there, and
// a host's colour may defeat the user's choice.
CMenuLook ChooseMenuLook(bool fHighContrast, ColorRef clrBackProperty, ColorRef clrLoadedMenu,
                         ColorRef clrLoadedMenuText, const CSystemMenuColours& system);

// Whether the bar underlines its mnemonics. The keyboard cues setting shows
// them always. Where it hides them, they show once the keyboard has been used
// on the bar or its owner (`fRevealed`), unless the owner's UI state
// (WM_QUERYUISTATE) hides accelerators again.
constexpr unsigned kUiStateHideAccel = 0x2;  // UISF_HIDEACCEL
bool MnemonicsShown(bool fCuesSetting, bool fRevealed, unsigned ownerUiState);

#endif
