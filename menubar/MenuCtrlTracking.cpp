// The behaviour of the bar: hover and clicks, the popup loop, moving from
// one popup to the next, the keyboard menu mode entered with Alt, and the
// thread hooks' view of the owner window.
#include "menubar/MenuCtrl.h"

#include <cstring>
#include <string>

#include "menubar/BarPainter.h"
#include "menubar/PopupPlacement.h"
#include "module/Module.h"

namespace {

CBarRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The monitor that holds most of `r`, or the nearest one.
CMonitorArea MonitorAreaOf(const RECT& r) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) {
        RECT desk{};
        GetWindowRect(GetDesktopWindow(), &desk);
        const CBarRect screen{0, 0, desk.right - desk.left, desk.bottom - desk.top};
        return {screen, screen};
    }
    return {FromRect(info.rcMonitor), FromRect(info.rcWork)};
}

// Key data bits of a keyboard hook's lParam.
constexpr DWORD kKeyUp = 0x80000000u;
constexpr DWORD kKeyRepeat = 0x40000000u;
constexpr DWORD kAltDown = 0x20000000u;

}  // namespace

void CMenuCtrl::RedrawItem(int nItem, bool fHot, bool fPressed) {
    if (nItem < 0 || nItem >= ItemCount() || Window() == nullptr) return;
    const CWindowDC dc = CWindowDC::Client(Window());
    // Single items keep the bar's orientation, so a hot item of a vertical
    // bar does not show its text turned back.
    DrawBarItem(m_items[static_cast<size_t>(nItem)], dc.Get(), fHot, fPressed, Style(), Vertical());
}

void CMenuCtrl::NotifyMenuEvent(DWORD event, HWND window) const {
    NotifyWinEvent(event, window, OBJID_MENU, CHILDID_SELF);
}

// ---------------------------------------------------------------- mouse

void CMenuCtrl::OnMouseMove(int x, int y) {
    m_bMenuMode = false;
    if (GetCapture() == Window()) {
        POINT screen{x, y};
        ClientToScreen(Window(), &screen);
        if (WindowFromPoint(screen) != Window()) ReleaseCapture();
    } else {
        SetCapture(Window());
    }
    const int nItem = HitTest(x, y);
    if (nItem == m_nHotItem) return;
    RedrawItem(m_nHotItem, false, false);
    RedrawItem(nItem, true, m_bTracking);
    m_nHotItem = nItem;
}

void CMenuCtrl::OnCaptureChanged() {
    if (m_nHotItem == -1 || m_bTracking) return;
    RedrawItem(m_nHotItem, false, false);
    m_nHotItem = -1;
}

void CMenuCtrl::OnLButtonDown(int x, int y) { PressItem(HitTest(x, y)); }

void CMenuCtrl::PressItem(int nItem) {
    if (!m_bTracking) {
        // Without a window the post would become a message to the thread.
        if (nItem != -1 && Window() != nullptr)
            PostMessageA(Window(), WM_MENUBAR_DROPDOWN, static_cast<WPARAM>(nItem), 0);
        return;
    }
    const int nOld = m_nHotItem;
    m_bTracking = false;
    if (nItem == nOld && nItem != -1) {
        SendMessageA(m_hWndOwner, WM_CANCELMODE, 0, 0);
        RedrawItem(nItem, true, false);
    } else if (nItem == -1) {
        RedrawItem(nOld, false, false);
        m_nHotItem = -1;
    } else {
        RedrawItem(nOld, false, false);
        RedrawItem(nItem, true, true);
    }
}

// ---------------------------------------------------------------- popups

LRESULT CMenuCtrl::OnDropDown(int nItem) {
    if (nItem < 0 || nItem >= ItemCount()) return 0;
    RedrawItem(m_nHotItem, false, false);
    RedrawItem(nItem, true, true);
    TrackItemPopup(nItem);
    return 0;
}

bool CMenuCtrl::TrackItemPopup(int nItem) {
    const CBarItem& item = m_items[static_cast<size_t>(nItem)];
    RECT r = ToRect(item.m_rcItem);
    ClientToScreen(Window(), reinterpret_cast<POINT*>(&r.left));
    ClientToScreen(Window(), reinterpret_cast<POINT*>(&r.right));
    const HMENU menu = item.m_hSubMenu;
    if (!IsMenu(menu) || !HasOwner()) return false;
    m_nHotItem = nItem;
    m_bTracking = true;
    m_bMenuMode = false;
    // On the item's monitor, which may lie left of or above the primary one.
    const CPopupPlacement place = PlacePopup(FromRect(r), MonitorAreaOf(r), PopupHeight(menu));
    const UINT flags = TPM_RETURNCMD | (place.fAbove ? TPM_BOTTOMALIGN : 0u);
    const int x = static_cast<int>(place.x), y = static_cast<int>(place.y);
    // The host may let the bar go in a handler, and the popup loop runs
    // the bar's own messages and hooks re-entrantly.
    const CComPtr<IUnknown> alive = Inner();
    const HWND window = Window();
    FireBeforePopup(static_cast<short>(nItem));
    const UINT command = static_cast<UINT>(TrackPopupMenu(menu, flags, x, y, 0, m_hWndOwner, nullptr));
    if (command != 0) {
        PostMessageA(m_hWndOwner, WM_COMMAND, command, 0);
        if (!IsWindow(window)) return true;
        LeaveMenuMode();
    }
    FireAfterPopup(static_cast<short>(nItem));
    return true;
}

long CMenuCtrl::PopupHeight(HMENU menu) const {
    long total = 0;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        RECT r;
        if (GetMenuItemRect(m_hWndOwner, menu, static_cast<UINT>(i), &r)) total += r.bottom - r.top;
    }
    return total;
}

// ---------------------------------------------------------------- keyboard

bool CMenuCtrl::SelectItem(int nItem) {
    if (ItemCount() == 0) return false;
    nItem = WrapItemIndex(nItem, ItemCount());
    if (m_bTracking) {
        if (nItem == m_nHotItem) return false;
        SendMessageA(m_hWndOwner, WM_CANCELMODE, 0, 0);
        PostMessageA(Window(), WM_MENUBAR_DROPDOWN, static_cast<WPARAM>(nItem), 0);
        PostMessageA(m_hWndOwner, WM_KEYDOWN, VK_DOWN, 0);
        return true;
    }
    if (m_bMenuMode) {
        m_nHotItem = nItem;
        // A null window would invalidate every window of the desktop.
        if (Window() != nullptr) InvalidateRect(Window(), nullptr, TRUE);
        NotifyMenuEvent(EVENT_SYSTEM_MENUSTART, Window());
        return true;
    }
    return false;
}

void CMenuCtrl::ToggleMenuMode() {
    if (m_bTracking) {
        m_bMenuMode = false;
        PressItem(m_nHotItem);
        m_bMenuMode = true;
        NotifyMenuEvent(EVENT_SYSTEM_MENUSTART, m_hWndOwner);
        return;
    }
    const int nOld = m_nHotItem;
    m_bMenuMode = !m_bMenuMode;
    if (m_bMenuMode && ItemCount() > 0) m_nHotItem = 0;
    RedrawItem(nOld, false, false);
    RedrawItem(m_nHotItem, m_bMenuMode, false);
    if (!m_bMenuMode) m_nHotItem = -1;
    NotifyMenuEvent(m_bMenuMode ? EVENT_SYSTEM_MENUSTART : EVENT_SYSTEM_MENUEND, m_hWndOwner);
}

void CMenuCtrl::LeaveMenuMode() {
    m_bMenuMode = false;
    if (m_bTracking) {
        // Esc on an open popup leaves the bar in menu mode on its item.
        PressItem(m_nHotItem);
        m_bMenuMode = true;
        return;
    }
    RedrawItem(m_nHotItem, false, false);
    m_nHotItem = -1;
    NotifyMenuEvent(EVENT_SYSTEM_MENUEND, m_hWndOwner);
}

bool CMenuCtrl::DropHotItem() {
    if (m_bTracking || m_nHotItem == -1) return false;
    PressItem(m_nHotItem);
    PostMessageA(m_hWndOwner, WM_KEYDOWN, VK_DOWN, 0);
    return true;
}

// Exact comparison: a letter key gives the upper-case code, so an item
// whose mnemonic is a lower-case letter is never opened by a key.
bool CMenuCtrl::OpenByMnemonic(int vk) {
    if (GetKeyState(VK_MENU) >= 0 && !m_bMenuMode) return false;
    if (m_bTracking || m_items.empty()) return false;
    for (int i = 0; i < ItemCount(); ++i)
        if (m_items[static_cast<size_t>(i)].m_chMnemonic == vk) {
            PressItem(i);
            PostMessageA(m_hWndOwner, WM_KEYDOWN, VK_DOWN, 0);
            return true;
        }
    return false;
}

// ---------------------------------------------------------------- hooks

LRESULT CMenuCtrl::OnCallWndProcHook(int nCode, WPARAM wp, LPARAM lp) {
    const HHOOK hook = Module::Object().CallWndProcHook();
    if (nCode != 0 || !IsWindow(Window())) return CallNextHookEx(hook, nCode, wp, lp);
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lp);
    POINT pt{};
    GetCursorPos(&pt);
    POINT client = pt;
    ScreenToClient(Window(), &client);
    const int nItem = HitTest(client.x, client.y);
    const bool fToOwner = message->hwnd == m_hWndOwner;
    // Activation sent by another thread ends the menu mode.
    if (fToOwner && message->message == WM_ACTIVATE && wp == 0) LeaveMenuMode();
    if (fToOwner) OnLookMessage(message->message, message->wParam);
    if (nItem == -1 || m_bTracking) {
        // The cursor moved onto another item while the menu loop idles:
        // that item's popup replaces the open one.
        if (nItem != -1 && nItem != m_nHotItem && fToOwner && message->message == WM_ENTERIDLE &&
            (pt.x != m_ptLastCursor.x || pt.y != m_ptLastCursor.y)) {
            SendMessageA(m_hWndOwner, WM_CANCELMODE, 0, 0);
            PostMessageA(Window(), WM_MENUBAR_DROPDOWN, static_cast<WPARAM>(nItem), 0);
        }
        if (m_bTracking && message->message == WM_EXITMENULOOP && WindowFromPoint(pt) != Window()) PressItem(nItem);
    }
    m_ptLastCursor = pt;
    return CallNextHookEx(hook, 0, wp, lp);
}

LRESULT CMenuCtrl::OnKeyboardHook(int nCode, WPARAM wp, LPARAM lp) {
    const HHOOK hook = Module::Object().KeyboardHook();
    if (nCode != 0) return CallNextHookEx(hook, nCode, wp, lp);
    const auto vk = static_cast<int>(wp);
    const auto flags = static_cast<DWORD>(lp);
    const LRESULT kSwallow = 1;
    const auto passOn = [&] { return CallNextHookEx(hook, 0, wp, lp); };
    if ((flags & (kKeyUp | kKeyRepeat)) != 0 && vk != VK_MENU && vk != VK_F10) return passOn();
    // A bar without a window (before activation or after it) takes no keys.
    if (!IsWindow(Window()) || !HasOwner() || GetActiveWindow() != m_hWndOwner) return passOn();
    switch (vk) {
        case VK_TAB:
        case VK_RIGHT:
            return SelectItem(m_nHotItem + 1) ? kSwallow : passOn();
        case VK_LEFT:
            return SelectItem(m_nHotItem - 1) ? kSwallow : passOn();
        case VK_UP:
        case VK_DOWN:
            return DropHotItem() ? kSwallow : passOn();
        case VK_ESCAPE:
            LeaveMenuMode();
            return passOn();
        case VK_MENU: {
            if (GetForegroundWindow() != m_hWndOwner) {
                LeaveMenuMode();
                return kSwallow;
            }
            RevealCues();
            const DWORD hi = HIWORD(flags);
            if ((flags & kKeyUp) == 0 || (flags & 0x30000000u) != 0) return passOn();
            // A left-Alt release without its press: nothing to toggle.
            if (hi == 0x8038) return kSwallow;
            ToggleMenuMode();
            return kSwallow;
        }
        case VK_F10:
            // Shift+F10 (the context menu), Ctrl+F10 and Alt+F10 are the
            // application's.
            if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || (flags & kAltDown) != 0) return passOn();
            if (GetForegroundWindow() != m_hWndOwner) {
                LeaveMenuMode();
                return kSwallow;
            }
            RevealCues();
            // As Alt: the release toggles; the press and its repeats reach
            // nobody, or the owner's default processing would start the
            // system's own menu mode.
            if ((flags & kKeyUp) != 0) ToggleMenuMode();
            return kSwallow;
        default:
            return OpenByMnemonic(vk) ? kSwallow : passOn();
    }
}

// ---------------------------------------------------------------- text

// A screen reader asks the focused bar for its text: the hot item's.
LRESULT CMenuCtrl::OnGetText(WPARAM cchMax, char* buffer) {
    if (GetFocus() != Window()) return DefWindowProcA(Window(), WM_GETTEXT, cchMax, reinterpret_cast<LPARAM>(buffer));
    std::string text;
    if (m_nHotItem >= 0 && m_nHotItem < ItemCount()) {
        text = m_items[static_cast<size_t>(m_nHotItem)].m_strText;
    } else {
        char own[260] = {};
        DefWindowProcA(Window(), WM_GETTEXT, sizeof own, reinterpret_cast<LPARAM>(own));
        text = own;
    }
    if (buffer == nullptr || cchMax < text.size() + 1) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
}
