// The sample host as a user runs it: started with its output in a file, its
// main window found, asked whether it still answers, and ended. The soak
// and the tests of the host's ways out share it.
#ifndef KESTREL_TESTS_HOST_PROCESS_H
#define KESTREL_TESTS_HOST_PROCESS_H

#include <windows.h>

#include <string>

#include "support/ChildProcess.h"

class CHostProcess {
  public:
    // The host's program; what it writes (its event log, a line an event)
    // goes to a file of the temporary folder, read back by Log().
    explicit CHostProcess(const std::wstring& program);
    // A host still running is ended, and its log goes.
    ~CHostProcess();
    CHostProcess(const CHostProcess&) = delete;
    CHostProcess& operator=(const CHostProcess&) = delete;

    // Starts the host and waits until its main window shows.
    bool Start(DWORD timeoutMs);
    // The process has ended (within `timeoutMs`); its exit code in `code`.
    bool WaitForEnd(DWORD timeoutMs = 0, DWORD* code = nullptr) const;
    // The main window answers a sent message within `timeoutMs`.
    bool Answers(DWORD timeoutMs) const;
    void Kill();

    // A shown top-level window of the host of this class (its main window,
    // a popup menu "#32768", a dialog "#32770"); null when there is none.
    HWND ShownWindow(const wchar_t* className) const;
    HWND MainWindow() const { return m_hWndMain; }
    DWORD ProcessId() const { return m_dwProcessId; }
    // What the host has written so far.
    std::string Log() const;

  private:
    std::wstring m_strCommandLine;
    std::wstring m_strLog;
    ScopedHandle m_hProcess;
    DWORD m_dwProcessId = 0;
    HWND m_hWndMain = nullptr;
};

// The sample host's main window class.
extern const wchar_t kHostWindowClass[];

#endif
