#include "menubar/ThreadHooks.h"

#include <windows.h>

#include "menubar/MenuCtrl.h"
#include "menubar/OwnerMap.h"
#include "module/Module.h"

namespace {

int g_nLiveBars = 0;

LRESULT CALLBACK CallWndProcHookProc(int nCode, WPARAM wp, LPARAM lp) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (CMenuCtrl* bar = message != nullptr ? COwnerMap::Find(message->hwnd) : nullptr) {
        const CComPtr<IUnknown> alive = bar->Inner();
        return bar->OnCallWndProcHook(nCode, wp, lp);
    }
    return CallNextHookEx(Module::Object().CallWndProcHook(), nCode, wp, lp);
}

// Only the focus window's ancestors are looked up, not the focus itself.
LRESULT CALLBACK KeyboardHookProc(int nCode, WPARAM wp, LPARAM lp) {
    for (HWND h = GetFocus(); IsWindow(h);) {
        h = GetParent(h);
        if (CMenuCtrl* bar = COwnerMap::Find(h)) {
            const CComPtr<IUnknown> alive = bar->Inner();
            return bar->OnKeyboardHook(nCode, wp, lp);
        }
    }
    return CallNextHookEx(Module::Object().KeyboardHook(), nCode, wp, lp);
}

}  // namespace

namespace MenuThreadHooks {

void AddBar() {
    ++g_nLiveBars;
    CModule& module = Module::Object();
    if (module.CallWndProcHook() == nullptr)
        module.SetCallWndProcHook(
            SetWindowsHookExA(WH_CALLWNDPROC, CallWndProcHookProc, nullptr, GetCurrentThreadId()));
    if (module.KeyboardHook() == nullptr)
        module.SetKeyboardHook(SetWindowsHookExA(WH_KEYBOARD, KeyboardHookProc, nullptr, GetCurrentThreadId()));
}

void RemoveBar() {
    if (--g_nLiveBars > 0) return;
    g_nLiveBars = 0;
    CModule& module = Module::Object();
    if (module.CallWndProcHook() != nullptr) UnhookWindowsHookEx(module.CallWndProcHook());
    if (module.KeyboardHook() != nullptr) UnhookWindowsHookEx(module.KeyboardHook());
    module.SetCallWndProcHook(nullptr);
    module.SetKeyboardHook(nullptr);
}

bool Installed() { return Module::Object().CallWndProcHook() != nullptr && Module::Object().KeyboardHook() != nullptr; }

}  // namespace MenuThreadHooks
