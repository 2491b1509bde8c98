// The MenuCtrl control (the menu bar).
#ifndef KESTREL_MENU_CTRL_H
#define KESTREL_MENU_CTRL_H

#include <windows.h>
#include <unknwn.h>

// Instance creator of the object map: a new menu bar, asked for `iid`. With
// a non-null `outer` the bar is created aggregated: `iid` must then be
// IID_IUnknown, and the bar's own unknown is returned.
HRESULT CreateMenuCtrl(IUnknown* outer, REFIID iid, void** ppv);

#endif
