// The sample host's main window: the menu bar across the top, the device
// pane filling most of the window, the log pane at the bottom.
#ifndef KESTREL_SAMPLES_MAIN_WINDOW_H
#define KESTREL_SAMPLES_MAIN_WINDOW_H

#include <windows.h>

#include <string>

#include "EmbeddedControl.h"
#include "EventLog.h"
#include "HostOptions.h"
#include "PaneDemo.h"

class CMainWindow {
  public:
    explicit CMainWindow(const CHostOptions& options);
    CMainWindow(const CMainWindow&) = delete;
    CMainWindow& operator=(const CMainWindow&) = delete;

    // Creates and shows the window and embeds both controls; false when not
    // even the window could be made.
    bool Create();
    // The message loop; returns the program's exit code.
    int Run();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp);

    void OnCreate();
    void OnSize(int width, int height);
    void OnPaint();
    void OnTimer(UINT_PTR timer);
    void OnCommand(UINT command);
    void OnDestroy();

    void EmbedControls();
    void TakeScreenshot(const std::wstring& path);
    // The screen with the menu bar's first popup open.
    void TakeMenuScreenshot(const std::wstring& path);
    void OnScreenshotTimer();
    void PaintMissing(HDC dc, const CEmbeddedControl& control, const RECT& area) const;

    CHostOptions m_options;
    HWND m_hWnd = nullptr;
    CEventLog m_log;
    CEmbeddedControl m_menuBar;
    CEmbeddedControl m_devicePane;
    CPaneDemo m_paneDemo;
    size_t m_nScene = 0;  // the pane scene to photograph next
    int m_nMenuBarHeight;
    int m_nExitCode = 0;
};

#endif
