// The sample host as the soak drives it: started with its output in a file,
// its main window found, asked whether it still answers, and ended.
#ifndef KESTREL_TESTS_SOAK_HOST_PROCESS_H
#define KESTREL_TESTS_SOAK_HOST_PROCESS_H

#include <windows.h>

#include <string>

#include "support/ChildProcess.h"

class CHostProcess {
  public:
    // `log` receives what the host writes (its event log, a line an event).
    CHostProcess(std::wstring commandLine, std::wstring log);

    // Starts the host and waits until its main window shows.
    bool Start(DWORD timeoutMs);
    // The process has ended (within `timeoutMs`); its exit code in `code`.
    bool WaitForEnd(DWORD timeoutMs = 0, DWORD* code = nullptr) const;
    // The main window answers a sent message within `timeoutMs`.
    bool Answers(DWORD timeoutMs) const;
    void Kill();

    HWND MainWindow() const { return m_hWndMain; }
    DWORD ProcessId() const { return m_dwProcessId; }
    const std::wstring& LogPath() const { return m_strLog; }

  private:
    std::wstring m_strCommandLine;
    std::wstring m_strLog;
    ScopedHandle m_hProcess;
    DWORD m_dwProcessId = 0;
    HWND m_hWndMain = nullptr;
};

// The sample host's main window class.
extern const wchar_t kHostWindowClass[];

// What a host that stopped answering was doing: each of its threads with
// its windows (class, title, shown, enabled) and its input state (menu
// mode, move or size loop, capture, focus), the last lines of its event
// log and every thread's stack as the debugger sees it.
std::string DescribeHang(const CHostProcess& host);

#endif
