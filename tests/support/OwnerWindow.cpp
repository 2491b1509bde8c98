#include "OwnerWindow.h"

namespace {

const char kClassName[] = "KestrelTestOwner";

// In the foreground, as a window the user works in: Wine confines the
// cursor (ClipCursor) only for the foreground window's process, and a slow
// machine may not have activated a new window by the first test.
HWND MakeFrame() {
    const HWND frame = CreateWindowExA(0, "STATIC", "frame", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 800, 600,
                                       nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(frame);
    for (int i = 0; i < 200 && GetForegroundWindow() != frame; ++i) {
        DrainMessages();
        Sleep(10);
    }
    return frame;
}

HWND SharedFrame() {
    static const HWND frame = MakeFrame();
    return frame;
}

}  // namespace

COwnerWindow::COwnerWindow(int width, int height) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&wc);  // fails harmlessly when already registered
    m_hwnd = CreateWindowExA(0, kClassName, "owner", WS_CHILD | WS_VISIBLE, 0, 0, width, height, SharedFrame(), nullptr,
                             wc.hInstance, nullptr);
    SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Settle();
}

COwnerWindow::~COwnerWindow() {
    SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
    DestroyWindow(m_hwnd);
    DrainMessages();
}

void COwnerWindow::Settle() {
    UpdateWindow(m_hwnd);
    DrainMessages();
    ValidateRect(m_hwnd, nullptr);
    m_erases.clear();
    mouseMovesDispatched = 0;
}

RECT COwnerWindow::UpdateRect() const {
    RECT r{0, 0, 0, 0};
    GetUpdateRect(m_hwnd, &r, FALSE);
    return r;
}

LRESULT CALLBACK COwnerWindow::WindowProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<COwnerWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self) {
        switch (message) {
            case WM_ERASEBKGND: {
                RECT clip{};
                GetClipBox(reinterpret_cast<HDC>(wp), &clip);
                self->m_erases.push_back(clip);
                return 1;
            }
            case WM_CAPTURECHANGED:
                if (self->onCaptureChanged) self->onCaptureChanged();
                break;
            case WM_MOUSEMOVE:
                ++self->mouseMovesDispatched;
                break;
            case WM_APP:
                if (self->onApp) self->onApp(wp);
                return 0;
        }
    }
    return DefWindowProcA(hwnd, message, wp, lp);
}

void DrainMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        DispatchMessageA(&msg);
    }
}
