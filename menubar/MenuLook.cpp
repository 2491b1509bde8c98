#include "menubar/MenuLook.h"

CMenuLook ChooseMenuLook(bool fHighContrast, ColorRef clrBackProperty, ColorRef clrLoadedMenu,
                         ColorRef clrLoadedMenuText, const CSystemMenuColours& system) {
    CMenuLook look;
    look.clrBarText = system.clrMenuText;
    look.clrSelected = system.clrHighlight;
    look.clrSelectedText = system.clrHighlightText;
    look.clrGrayText = system.clrGrayText;
    if (fHighContrast) {
        look.clrBar = look.clrPopup = system.clrMenu;
        look.clrPopupText = system.clrMenuText;
        look.clrHotBar = system.clrHighlight;
        look.clrHotBarText = system.clrHighlightText;
        look.fFlat = true;
        return look;
    }
    look.clrBar = look.clrHotBar = clrBackProperty;
    look.clrHotBarText = system.clrMenuText;
    look.clrPopup = clrLoadedMenu;
    look.clrPopupText = clrLoadedMenuText;
    return look;
}

bool MnemonicsShown(bool fCuesSetting, bool fRevealed, unsigned ownerUiState) {
    return fCuesSetting || (fRevealed && (ownerUiState & kUiStateHideAccel) == 0);
}
