#include "menubar/OwnerMap.h"

#include <map>

#include "menubar/MenuCtrl.h"

namespace {

struct COwnerEntry {
    CMenuCtrl* pHead = nullptr;
    WNDPROC pfnOriginal = nullptr;  // the owner's procedure before the first bar came
};

std::map<HWND, COwnerEntry>& Entries() {
    static std::map<HWND, COwnerEntry> entries;
    return entries;
}

}  // namespace

CMenuCtrl* COwnerMap::Find(HWND owner) {
    const auto found = Entries().find(owner);
    return found != Entries().end() ? found->second.pHead : nullptr;
}

void COwnerMap::Register(CMenuCtrl& bar) {
    const HWND owner = bar.m_hWndOwner;
    DWORD process = 0;
    GetWindowThreadProcessId(owner, &process);
    if (process != GetCurrentProcessId()) return;
    const auto found = Entries().find(owner);
    if (found != Entries().end()) {
        bar.m_pNextForOwner = found->second.pHead;
        bar.m_pfnOwnerProc = found->second.pfnOriginal;
        found->second.pHead = &bar;
    } else {
        const auto original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&COwnerMap::OwnerSubclassProc)));
        if (original == nullptr) return;
        bar.m_pNextForOwner = nullptr;
        bar.m_pfnOwnerProc = original;
        Entries()[owner] = COwnerEntry{&bar, original};
    }
    bar.m_fRegistered = true;
}

void COwnerMap::Unregister(CMenuCtrl& bar) {
    if (!bar.m_fRegistered) return;
    bar.m_fRegistered = false;
    const auto found = Entries().find(bar.m_hWndOwner);
    if (found == Entries().end()) return;
    COwnerEntry& entry = found->second;
    if (entry.pHead == &bar) {
        if (bar.m_pNextForOwner != nullptr) {
            entry.pHead = bar.m_pNextForOwner;
        } else {
            // The owner's own procedure comes back with the last bar, if the
            // owner is still there to take it.
            if (IsWindow(found->first))
                SetWindowLongPtrA(found->first, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry.pfnOriginal));
            Entries().erase(found);
        }
    } else {
        for (CMenuCtrl* p = entry.pHead; p != nullptr; p = p->m_pNextForOwner)
            if (p->m_pNextForOwner == &bar) {
                p->m_pNextForOwner = bar.m_pNextForOwner;
                break;
            }
    }
    bar.m_pNextForOwner = nullptr;
}

LRESULT CALLBACK COwnerMap::OwnerSubclassProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    const auto found = Entries().find(hwnd);
    if (found == Entries().end()) return DefWindowProcA(hwnd, message, wp, lp);
    const WNDPROC original = found->second.pfnOriginal;
    if (message == WM_NCDESTROY) {
        // The owner goes before its bars: they forget it, so that its handle,
        // once reused, reaches none of them.
        for (CMenuCtrl* p = found->second.pHead; p != nullptr;) {
            CMenuCtrl* next = p->m_pNextForOwner;
            p->m_fRegistered = false;
            p->m_pNextForOwner = nullptr;
            p = next;
        }
        Entries().erase(found);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        return CallWindowProcA(original, hwnd, message, wp, lp);
    }
    CMenuCtrl* bar = found->second.pHead;
    return bar->m_painter.WindowProc(bar->m_pfnOwnerProc, hwnd, message, wp, lp);
}
