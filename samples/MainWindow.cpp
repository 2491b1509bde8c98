#include "MainWindow.h"

#include "DemoLibrary.h"
#include "DemoMenu.h"
#include "HostLayout.h"
#include "Screenshot.h"
#include "module/Kestrel.h"

#include <cwchar>
#include <iterator>

namespace {

const wchar_t kWindowClass[] = L"Kestrel Sample Host";
// Wide enough for the device pane's status area and all four columns of
// its list at their default widths.
constexpr int kClientWidth = 960;
constexpr int kClientHeight = 600;
constexpr UINT_PTR kScreenshotTimer = 1;
constexpr UINT_PTR kExitTimer = 2;
// Long enough for both controls to have painted after the window is shown
// or the pane has changed its scene.
constexpr UINT kScreenshotDelayMs = 700;

RECT ClientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

}  // namespace

CMainWindow::CMainWindow(const CHostOptions& options)
    : m_options(options),
      m_menuBar(L"MenuCtrl", L"Menu.id", DIID__IMenuCtrlEvents, MenuCtrlEventName),
      m_devicePane(L"DeviceTransfer", L"Tessaly.DeviceTransfer.1", DIID__IDeviceTransferEvents,
                   DeviceTransferEventName),
      m_paneDemo(m_log),
      m_nMenuBarHeight(kDefaultMenuBarHeight) {
    m_devicePane.SetEventHandler([this](const CRecordedEvent& event) { m_paneDemo.OnEvent(event); });
}

bool CMainWindow::Create() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &CMainWindow::WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&windowClass)) return false;

    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    m_hWnd = CreateWindowExW(0, kWindowClass, L"Kestrel sample host", style, 20, 20, frame.right - frame.left,
                             frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (m_hWnd == nullptr) return false;
    ShowWindow(m_hWnd, SW_SHOW);
    UpdateWindow(m_hWnd);
    // Embedded once the window is on screen, as a host does when its view
    // opens: the controls ask to be activated as soon as they are visible.
    EmbedControls();
    if (!m_options.screenshotFolder.empty()) SetTimer(m_hWnd, kScreenshotTimer, kScreenshotDelayMs, nullptr);
    if (m_options.exitAfterMs > 0) SetTimer(m_hWnd, kExitTimer, m_options.exitAfterMs, nullptr);
    return true;
}

int CMainWindow::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (m_menuBar.PreTranslateMessage(message) || m_devicePane.PreTranslateMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return m_nExitCode;
}

void CMainWindow::EmbedControls() {
    const RECT client = ClientRect(m_hWnd);
    const CHostLayout layout = LayOutHost(client.right, client.bottom, m_nMenuBarHeight);

    if (m_menuBar.Create(m_hWnd, layout.menuBar, m_log)) {
        if (CComPtr<IMenuCtrl> bar = m_menuBar.Query<IMenuCtrl>(IID_IMenuCtrl)) SetUpDemoMenuBar(*bar.Get(), m_hWnd);
    }
    if (m_devicePane.Create(m_hWnd, layout.devicePane, m_log)) {
        if (CComPtr<IDeviceTransfer> pane = m_devicePane.Query<IDeviceTransfer>(IID_IDeviceTransfer))
            m_paneDemo.Attach(pane.Get(), m_hWnd);
        else
            m_log.Add(L"Tessaly.DeviceTransfer.1: no IDeviceTransfer, so no demonstration programs");
    }
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

// One picture per scene of the pane, each taken once the pane has painted
// the scene; the window closes after the last.
void CMainWindow::OnScreenshotTimer() {
    constexpr size_t kScenes = std::size(CPaneDemo::kScenes);
    std::wstring folder = m_options.screenshotFolder;
    if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
    TakeScreenshot(folder + CPaneDemo::kScenes[m_nScene].name + L".png");
    if (++m_nScene >= kScenes || m_nExitCode != 0) {
        if (m_nExitCode == 0) TakeMenuScreenshot(folder + L"sample-host-menu.png");
        DestroyWindow(m_hWnd);
        return;
    }
    m_paneDemo.ShowScene(CPaneDemo::kScenes[m_nScene]);
    SetTimer(m_hWnd, kScreenshotTimer, kScreenshotDelayMs, nullptr);
}

void CMainWindow::TakeMenuScreenshot(const std::wstring& path) {
    SIZE size{};
    const HRESULT hr = SaveScreenWithOpenMenu(m_menuBar.Window(), path, &size);
    m_log.Add((SUCCEEDED(hr) ? L"screenshot with the File menu open saved: " : L"screenshot with a menu failed: ") +
              path);
}

void CMainWindow::TakeScreenshot(const std::wstring& path) {
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SIZE size{};
    const HRESULT hr = SaveWindowAsPng(m_hWnd, path, &size);
    wchar_t line[64];
    if (SUCCEEDED(hr)) {
        std::swprintf(line, 64, L" (%ld x %ld)", size.cx, size.cy);
        m_log.Add(L"screenshot saved: " + path + line);
    } else {
        std::swprintf(line, 64, L" (0x%08lX)", static_cast<unsigned long>(hr));
        m_log.Add(L"screenshot failed: " + path + line);
        m_nExitCode = 1;
    }
}

// ------------------------------------------------------------ messages

void CMainWindow::OnCreate() {
    const RECT client = ClientRect(m_hWnd);
    m_log.Create(m_hWnd, LayOutHost(client.right, client.bottom, m_nMenuBarHeight).log);
    m_log.Add(L"Kestrel sample host: embedding Menu.id and Tessaly.DeviceTransfer.1 by ProgID");
}

void CMainWindow::OnSize(int width, int height) {
    const CHostLayout layout = LayOutHost(width, height, m_nMenuBarHeight);
    m_menuBar.Move(layout.menuBar);
    m_devicePane.Move(layout.devicePane);
    if (m_log.Window() != nullptr)
        MoveWindow(m_log.Window(), layout.log.left, layout.log.top, layout.log.right - layout.log.left,
                   layout.log.bottom - layout.log.top, TRUE);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CMainWindow::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_hWnd, &paint);
    const RECT client = ClientRect(m_hWnd);
    const CHostLayout layout = LayOutHost(client.right, client.bottom, m_nMenuBarHeight);
    PaintMissing(dc, m_menuBar, layout.menuBar);
    PaintMissing(dc, m_devicePane, layout.devicePane);
    EndPaint(m_hWnd, &paint);
}

// Where a control could not be shown, the host says so in its place.
void CMainWindow::PaintMissing(HDC dc, const CEmbeddedControl& control, const RECT& area) const {
    if (control.Shown() || area.bottom <= area.top) return;
    RECT frame = area;
    InflateRect(&frame, -2, -2);
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring text =
        std::wstring(control.Label()) + L" (" + control.ProgId() + L") is not available: see the log below.";
    const HGDIOBJ previousFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &frame,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    SelectObject(dc, previousFont);
}

void CMainWindow::OnTimer(UINT_PTR timer) {
    KillTimer(m_hWnd, timer);
    if (timer == kScreenshotTimer)
        OnScreenshotTimer();
    else
        DestroyWindow(m_hWnd);
}

// The menu bar posts the command of the item chosen, once its popup has
// closed.
void CMainWindow::OnCommand(UINT command) {
    if (command == ID_FILE_EXIT) SendMessageW(m_hWnd, WM_CLOSE, 0, 0);
}

// The controls go first, while their windows still exist under ours.
void CMainWindow::OnDestroy() {
    m_paneDemo.Detach();
    m_menuBar.Close();
    m_devicePane.Close();
    PostQuitMessage(m_nExitCode);
}

LRESULT CMainWindow::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_SIZE:
            OnSize(LOWORD(lp), HIWORD(lp));
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wp));
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wp));
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return DefWindowProcW(m_hWnd, message, wp, lp);
    }
}

LRESULT CALLBACK CMainWindow::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CMainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->m_hWnd = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CMainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? self->HandleMessage(message, wp, lp) : DefWindowProcW(window, message, wp, lp);
}
