// OwnerMap: which menu bar serves each owner window. The most recently
// registered bar for a window is its entry; earlier ones hang off it through
// m_pNextForOwner. The first registration subclasses the owner so that the
// serving bar's popup painter sees the menu messages of its popups; the
// last one to go puts the owner's procedure back.
#ifndef KESTREL_OWNER_MAP_H
#define KESTREL_OWNER_MAP_H

#include <windows.h>

class CMenuCtrl;

class COwnerMap {
  public:
    // The bar that serves `owner`; null when none is registered.
    static CMenuCtrl* Find(HWND owner);
    // Registers `bar` for its m_hWndOwner. Windows of other processes cannot
    // be subclassed: a bar owned by one stays unregistered.
    static void Register(CMenuCtrl& bar);
    // Takes `bar` out of its owner's chain, whether or not the owner still
    // exists, so that no hook or subclass procedure reaches it afterwards.
    static void Unregister(CMenuCtrl& bar);

  private:
    static LRESULT CALLBACK OwnerSubclassProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp);
};

#endif
