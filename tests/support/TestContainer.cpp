#include "support/TestContainer.h"

namespace {

const wchar_t kWindowClass[] = L"Kestrel Test Container";

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);  // fails harmlessly once registered
}

RECT ClientRect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

}  // namespace

CTestContainer::CTestContainer(SIZE clientSize, VISIBILITY visibility) {
    RegisterWindowClass(&CTestContainer::WindowProc);
    RECT frame{0, 0, clientSize.cx, clientSize.cy};
    // A popup, shown without activation: making a container leaves the
    // focus and the foreground where the test put them.
    const DWORD style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    m_hWndHost.reset(CreateWindowExW(0, kWindowClass, L"Kestrel test container", style, 40, 40,
                                     frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), this));
    m_pSite = CControlSite::Create(m_hWndHost.get(), ClientRect(m_hWndHost.get()));
    if (visibility == HIDDEN) return;
    ShowWindow(m_hWndHost.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(m_hWndHost.get());
}

CTestContainer::~CTestContainer() {
    m_pSite->Close();
    m_hWndHost.reset();
    ProcessMessages();
}

HRESULT CTestContainer::Create(Creator creator) {
    CComPtr<IUnknown> control;
    const HRESULT hr = creator(nullptr, IID_IUnknown, reinterpret_cast<void**>(control.ReleaseAndGetAddressOf()));
    return FAILED(hr) ? hr : m_pSite->Embed(control.Get(), nullptr);
}

void CTestContainer::Resize(SIZE clientSize) {
    RECT frame{0, 0, clientSize.cx, clientSize.cy};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(m_hWndHost.get(), GWL_STYLE)), FALSE, 0);
    // Without activation, for the same reason as at creation.
    SetWindowPos(m_hWndHost.get(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTestContainer::ProcessMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT CALLBACK CTestContainer::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* container = reinterpret_cast<CTestContainer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_SIZE && container != nullptr && container->m_pSite) container->m_pSite->Move(ClientRect(window));
    return DefWindowProcW(window, message, wp, lp);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        CTestContainer::ProcessMessages();
        Sleep(10);
    }
    return true;
}
