// Owners of the menu bar's USER and common-control handles, on the project's
// one handle template.
#ifndef KESTREL_MENU_HANDLES_H
#define KESTREL_MENU_HANDLES_H

#include <windows.h>
#include <commctrl.h>

#include "draw/GdiHandles.h"

struct CMenuTraits {
    using Handle = HMENU;
    static void Close(HMENU handle) { ::DestroyMenu(handle); }
};
struct CImageListTraits {
    using Handle = HIMAGELIST;
    static void Close(HIMAGELIST handle) { ::ImageList_Destroy(handle); }
};

using MenuHandle = CUniqueHandle<CMenuTraits>;
using ImageListHandle = CUniqueHandle<CImageListTraits>;

#endif
