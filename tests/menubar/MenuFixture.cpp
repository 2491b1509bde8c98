#include "MenuFixture.h"

namespace {

void AppendItem(HMENU menu, UINT id, const char* text, UINT flags = MF_STRING) { AppendMenuA(menu, flags, id, text); }

}  // namespace

HMENU CreateTestMenu() {
    const HMENU file = CreatePopupMenu();
    AppendItem(file, ID_OPEN, "&Open...\tCtrl+O");
    AppendItem(file, ID_SAVE, "&Save", MF_STRING | MF_CHECKED);
    AppendItem(file, 0, nullptr, MF_SEPARATOR);
    AppendItem(file, ID_PRINT, "&Print", MF_STRING | MF_GRAYED);
    AppendItem(file, ID_EXIT, "E&xit");
    SetMenuDefaultItem(file, ID_EXIT, FALSE);
    const HMENU edit = CreatePopupMenu();
    AppendItem(edit, ID_COPY, "&Copy\tCtrl+C");
    AppendItem(edit, ID_PASTE, "&Paste\tCtrl+V");
    const HMENU view = CreatePopupMenu();
    AppendItem(view, ID_ZOOM, "&Zoom");
    const HMENU tools = CreatePopupMenu();
    AppendItem(tools, ID_OPTIONS, "&Options");
    const HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
    AppendMenuA(bar, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "&View");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(tools), "&tools");
    return bar;
}

HMENU SubMenuOf(HMENU menu, int barItem) { return GetSubMenu(menu, barItem >= 2 ? barItem + 1 : barItem); }

IMAGELIST_HANDLE ImageListValue(HIMAGELIST list) {
    return static_cast<IMAGELIST_HANDLE>(reinterpret_cast<UINT_PTR>(list));
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
    return true;
}

HWND PopupWindow() {
    HWND popup = FindWindowA("#32768", nullptr);
    return popup != nullptr && IsWindowVisible(popup) ? popup : nullptr;
}

HMENU PopupMenu() {
    const HWND popup = PopupWindow();
    return popup != nullptr ? reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)) : nullptr;
}
