// How the bar follows the system's look: high contrast and its colours, and
// the keyboard cues that hide mnemonic underlines until the keyboard is used.
#include "menubar/MenuCtrl.h"

#include "menubar/BarPainter.h"
#include "menubar/SystemLook.h"

CBarStyle CMenuCtrl::Style() const {
    CBarStyle style;
    style.look = CurrentMenuLook(m_clrBack);
    if (!KeyboardCuesOn()) {
        const auto state = HasOwner() ? static_cast<unsigned>(SendMessageA(m_hWndOwner, WM_QUERYUISTATE, 0, 0)) : 0u;
        style.fHideMnemonics = !MnemonicsShown(false, m_bCuesRevealed, state);
    }
    return style;
}

// Alt or F10 shows the mnemonics from then on, in the bar and, through the
// owner's UI state, in the owner's other controls, as the system's menus do.
void CMenuCtrl::RevealCues() {
    if (m_bCuesRevealed || KeyboardCuesOn()) return;
    m_bCuesRevealed = true;
    if (HasOwner()) SendMessageA(m_hWndOwner, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
    if (Window() != nullptr) InvalidateRect(Window(), nullptr, TRUE);
}

// The UI state changing, and the system's settings and colours: seen on the
// owner by the call-window hook (top-level windows receive the settings), and
// on the bar's window when a host passes them on.
void CMenuCtrl::OnLookMessage(UINT message, WPARAM wp) {
    if (message == WM_UPDATEUISTATE) {
        if ((HIWORD(wp) & UISF_HIDEACCEL) == 0 || KeyboardCuesOn()) return;
        if (LOWORD(wp) == UIS_CLEAR)
            m_bCuesRevealed = true;
        else if (LOWORD(wp) == UIS_SET)
            m_bCuesRevealed = false;
        else
            return;
    } else if (message != WM_SETTINGCHANGE && message != WM_SYSCOLORCHANGE) {
        return;
    }
    if (Window() != nullptr) InvalidateRect(Window(), nullptr, TRUE);
}
