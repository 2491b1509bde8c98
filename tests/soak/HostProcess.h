// The sample host as the soak drives it: started with its output in a file,
// its main window found, asked whether it still answers, and ended.
#ifndef KESTREL_TESTS_SOAK_HOST_PROCESS_H
#define KESTREL_TESTS_SOAK_HOST_PROCESS_H

#include <windows.h>

#include <memory>
#include <string>

class CHostProcess {
  public:
    // `log` receives what the host writes (its event log, a line an event).
    CHostProcess(std::wstring commandLine, std::wstring log);

    // Starts the host and waits until its main window shows.
    bool Start(DWORD timeoutMs);
    // The process has ended; its exit code in `code`.
    bool Ended(DWORD* code) const;
    bool WaitForEnd(DWORD timeoutMs, DWORD* code) const;
    // The main window answers a sent message within `timeoutMs`.
    bool Answers(DWORD timeoutMs) const;
    void Kill();

    HWND MainWindow() const { return m_hWndMain; }
    DWORD ProcessId() const { return m_dwProcessId; }
    const std::wstring& LogPath() const { return m_strLog; }

  private:
    struct CHandleCloser {
        void operator()(HANDLE handle) const { CloseHandle(handle); }
    };
    using CHandle = std::unique_ptr<void, CHandleCloser>;

    std::wstring m_strCommandLine;
    std::wstring m_strLog;
    CHandle m_hProcess;
    DWORD m_dwProcessId = 0;
    HWND m_hWndMain = nullptr;
};

// The sample host's main window class.
extern const wchar_t kHostWindowClass[];

#endif
