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

MainWindow::MainWindow(const HostOptions& options)
    : options_(options),
      menuBar_(L"MenuCtrl", L"Menu.id", DIID__IMenuCtrlEvents, MenuCtrlEventName),
      devicePane_(L"DeviceTransfer", L"Tessaly.DeviceTransfer.1", DIID__IDeviceTransferEvents, DeviceTransferEventName),
      paneDemo_(log_),
      menuBarHeight_(kDefaultMenuBarHeight) {
    devicePane_.SetEventHandler([this](const RecordedEvent& event) { paneDemo_.OnEvent(event); });
}

bool MainWindow::Create() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &MainWindow::WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&windowClass)) return false;

    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    window_ = CreateWindowExW(0, kWindowClass, L"Kestrel sample host", style, 20, 20, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) return false;
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    // Embedded once the window is on screen, as a host does when its view
    // opens: the controls ask to be activated as soon as they are visible.
    EmbedControls();
    if (!options_.screenshotFolder.empty()) SetTimer(window_, kScreenshotTimer, kScreenshotDelayMs, nullptr);
    if (options_.exitAfterMs > 0) SetTimer(window_, kExitTimer, options_.exitAfterMs, nullptr);
    return true;
}

int MainWindow::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (menuBar_.PreTranslateMessage(message) || devicePane_.PreTranslateMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return exitCode_;
}

void MainWindow::EmbedControls() {
    const RECT client = ClientRect(window_);
    const HostLayout layout = LayOutHost(client.right, client.bottom, menuBarHeight_);

    if (menuBar_.Create(window_, layout.menuBar, log_)) {
        if (CComPtr<IMenuCtrl> bar = menuBar_.Query<IMenuCtrl>(IID_IMenuCtrl)) SetUpDemoMenuBar(*bar.Get(), window_);
    }
    if (devicePane_.Create(window_, layout.devicePane, log_)) {
        if (CComPtr<IDeviceTransfer> pane = devicePane_.Query<IDeviceTransfer>(IID_IDeviceTransfer))
            paneDemo_.Attach(pane.Get(), window_);
        else
            log_.Add(L"Tessaly.DeviceTransfer.1: no IDeviceTransfer, so no demonstration programs");
    }
    InvalidateRect(window_, nullptr, TRUE);
}

// One picture per scene of the pane, each taken once the pane has painted
// the scene; the window closes after the last.
void MainWindow::OnScreenshotTimer() {
    constexpr size_t kScenes = std::size(CPaneDemo::kScenes);
    std::wstring folder = options_.screenshotFolder;
    if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
    TakeScreenshot(folder + CPaneDemo::kScenes[scene_].name + L".png");
    if (++scene_ >= kScenes || exitCode_ != 0) {
        if (exitCode_ == 0) TakeMenuScreenshot(folder + L"sample-host-menu.png");
        DestroyWindow(window_);
        return;
    }
    paneDemo_.ShowScene(CPaneDemo::kScenes[scene_]);
    SetTimer(window_, kScreenshotTimer, kScreenshotDelayMs, nullptr);
}

void MainWindow::TakeMenuScreenshot(const std::wstring& path) {
    SIZE size{};
    const HRESULT hr = SaveScreenWithOpenMenu(menuBar_.Window(), path, &size);
    log_.Add((SUCCEEDED(hr) ? L"screenshot with the File menu open saved: " : L"screenshot with a menu failed: ") +
             path);
}

void MainWindow::TakeScreenshot(const std::wstring& path) {
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SIZE size{};
    const HRESULT hr = SaveWindowAsPng(window_, path, &size);
    wchar_t line[64];
    if (SUCCEEDED(hr)) {
        std::swprintf(line, 64, L" (%ld x %ld)", size.cx, size.cy);
        log_.Add(L"screenshot saved: " + path + line);
    } else {
        std::swprintf(line, 64, L" (0x%08lX)", static_cast<unsigned long>(hr));
        log_.Add(L"screenshot failed: " + path + line);
        exitCode_ = 1;
    }
}

// ------------------------------------------------------------ messages

void MainWindow::OnCreate() {
    const RECT client = ClientRect(window_);
    log_.Create(window_, LayOutHost(client.right, client.bottom, menuBarHeight_).log);
    log_.Add(L"Kestrel sample host: embedding Menu.id and Tessaly.DeviceTransfer.1 by ProgID");
}

void MainWindow::OnSize(int width, int height) {
    const HostLayout layout = LayOutHost(width, height, menuBarHeight_);
    menuBar_.Move(layout.menuBar);
    devicePane_.Move(layout.devicePane);
    if (log_.Window() != nullptr)
        MoveWindow(log_.Window(), layout.log.left, layout.log.top, layout.log.right - layout.log.left,
                   layout.log.bottom - layout.log.top, TRUE);
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    const RECT client = ClientRect(window_);
    const HostLayout layout = LayOutHost(client.right, client.bottom, menuBarHeight_);
    PaintMissing(dc, menuBar_, layout.menuBar);
    PaintMissing(dc, devicePane_, layout.devicePane);
    EndPaint(window_, &paint);
}

// Where a control could not be shown, the host says so in its place.
void MainWindow::PaintMissing(HDC dc, const EmbeddedControl& control, const RECT& area) const {
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

void MainWindow::OnTimer(UINT_PTR timer) {
    KillTimer(window_, timer);
    if (timer == kScreenshotTimer)
        OnScreenshotTimer();
    else
        DestroyWindow(window_);
}

// The menu bar posts the command of the item chosen, once its popup has
// closed.
void MainWindow::OnCommand(UINT command) {
    if (command == ID_FILE_EXIT) SendMessageW(window_, WM_CLOSE, 0, 0);
}

// The controls go first, while their windows still exist under ours.
void MainWindow::OnDestroy() {
    paneDemo_.Detach();
    menuBar_.Close();
    devicePane_.Close();
    PostQuitMessage(exitCode_);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
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
            return DefWindowProcW(window_, message, wp, lp);
    }
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? self->HandleMessage(message, wp, lp) : DefWindowProcW(window, message, wp, lp);
}
