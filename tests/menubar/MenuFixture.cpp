#include "MenuFixture.h"

namespace {

CTimerScript* g_pScript = nullptr;

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

OLE_HANDLE OleHandle(const void* handle) { return static_cast<OLE_HANDLE>(reinterpret_cast<UINT_PTR>(handle)); }

IMAGELIST_HANDLE ImageListValue(HIMAGELIST list) {
    return static_cast<IMAGELIST_HANDLE>(reinterpret_cast<UINT_PTR>(list));
}

void MoveMouse(POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

void Click(POINT at) {
    MoveMouse(at);
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof input[0]);
}

void Key(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void Tap(WORD vk) {
    Key(vk, false);
    Key(vk, true);
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

CTimerScript::CTimerScript(std::vector<std::function<bool()>> steps, UINT intervalMs) : m_vecSteps(std::move(steps)) {
    g_pScript = this;
    m_idTimer = SetTimer(nullptr, 0, intervalMs, &CTimerScript::OnTimer);
}

CTimerScript::~CTimerScript() {
    KillTimer(nullptr, m_idTimer);
    g_pScript = nullptr;
}

void CALLBACK CTimerScript::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    CTimerScript* script = g_pScript;
    if (script == nullptr || script->Finished()) return;
    // A step may start a nested loop that dispatches this timer again.
    static bool s_fRunning = false;
    if (s_fRunning) return;
    s_fRunning = true;
    if (script->m_vecSteps[script->m_nNext]()) ++script->m_nNext;
    s_fRunning = false;
}

HWND PopupWindow() {
    HWND popup = FindWindowA("#32768", nullptr);
    return popup != nullptr && IsWindowVisible(popup) ? popup : nullptr;
}

HMENU PopupMenu() {
    const HWND popup = PopupWindow();
    return popup != nullptr ? reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)) : nullptr;
}
