#include "DemoMenu.h"

#include <commctrl.h>

#include "Screenshot.h"
#include "container/OleHandle.h"

namespace {

// The bar's own message that opens an item's popup (WM_USER + 123).
constexpr UINT kDropDown = WM_USER + 123;

HMENU CreateDemoMenuBar() {
    const HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, ID_FILE_OPEN, "&Open...\tCtrl+O");
    AppendMenuA(file, MF_STRING, ID_FILE_SAVE, "&Save\tCtrl+S");
    AppendMenuA(file, MF_STRING | MF_GRAYED, ID_FILE_PRINT, "&Print...\tCtrl+P");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, ID_FILE_EXIT, "E&xit\tAlt+F4");
    SetMenuDefaultItem(file, ID_FILE_OPEN, FALSE);
    const HMENU edit = CreatePopupMenu();
    AppendMenuA(edit, MF_STRING, ID_EDIT_COPY, "&Copy\tCtrl+C");
    AppendMenuA(edit, MF_STRING | MF_GRAYED, ID_EDIT_PASTE, "&Paste\tCtrl+V");
    const HMENU view = CreatePopupMenu();
    AppendMenuA(view, MF_STRING | MF_CHECKED, ID_VIEW_DEVICE, "&Device");
    AppendMenuA(view, MF_STRING, ID_VIEW_TRANSFER, "&Transfer list");
    AppendMenuA(view, MF_STRING, ID_VIEW_CD, "&CD burning");
    AppendMenuA(view, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(view, MF_STRING, ID_VIEW_REFRESH, "&Refresh\tF5");
    const HMENU help = CreatePopupMenu();
    AppendMenuA(help, MF_STRING, ID_HELP_ABOUT, "&About Kestrel");
    const HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "&View");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
    return bar;
}

// Four 16 x 16 images drawn here: a folder, a disk, a printer and a page.
HIMAGELIST CreateDemoImages() {
    const HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 0);
    const COLORREF colours[] = {RGB(230, 180, 40), RGB(40, 90, 200), RGB(90, 90, 90), RGB(250, 250, 250)};
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    for (COLORREF colour : colours) {
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
        const HGDIOBJ previous = SelectObject(dc, bitmap);
        const RECT all{0, 0, 16, 16}, shape{2, 3, 14, 13};
        const HBRUSH transparent = CreateSolidBrush(RGB(255, 0, 255)), fill = CreateSolidBrush(colour);
        FillRect(dc, &all, transparent);
        FillRect(dc, &shape, fill);
        FrameRect(dc, &shape, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SelectObject(dc, previous);
        ImageList_AddMasked(list, bitmap, RGB(255, 0, 255));
        DeleteObject(transparent);
        DeleteObject(fill);
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return list;
}

struct CShot {
    std::wstring path;
    SIZE size{};
    HRESULT hr = E_PENDING;
};
CShot* g_pShot = nullptr;

// Runs inside the popup's own loop, which dispatches thread timers.
void CALLBACK ShootWhileOpen(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (g_pShot == nullptr) return;
    g_pShot->hr = SaveWindowAsPng(GetDesktopWindow(), g_pShot->path, &g_pShot->size);
    EndMenu();
}

}  // namespace

void SetUpDemoMenuBar(IMenuCtrl& bar, HWND owner) {
    bar.put_Owner(OleHandle(owner));
    bar.put_Menu(OleHandle(CreateDemoMenuBar()));
    const HIMAGELIST images = CreateDemoImages();
    bar.put_ImageList(static_cast<IMAGELIST_HANDLE>(reinterpret_cast<UINT_PTR>(images)));
    ImageList_Destroy(images);  // the bar keeps its own copy
    bar.SetMenuItemImage(ID_FILE_OPEN, 0);
    bar.SetMenuItemImage(ID_FILE_SAVE, 1);
    bar.SetMenuItemImage(ID_FILE_PRINT, 2);
    bar.SetMenuItemImage(ID_EDIT_COPY, 3);
    bar.SetMenuItemImage(ID_EDIT_PASTE, 3);
    long sized = 0;
    bar.AutoSize(&sized);
}

HRESULT SaveScreenWithOpenMenu(HWND barWindow, const std::wstring& path, SIZE* size) {
    if (barWindow == nullptr) return E_HANDLE;
    CShot shot{path};
    g_pShot = &shot;
    SetTimer(nullptr, 0, 500, ShootWhileOpen);
    PostMessageA(barWindow, kDropDown, 0, 0);
    const DWORD start = GetTickCount();
    MSG message;
    while (shot.hr == E_PENDING && GetTickCount() - start < 5000) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else {
            Sleep(10);
        }
    }
    g_pShot = nullptr;
    if (size != nullptr) *size = shot.size;
    return shot.hr == E_PENDING ? E_FAIL : shot.hr;
}
