#include "HostProcess.h"

const wchar_t kHostWindowClass[] = L"Kestrel Sample Host";

namespace {

struct CSearch {
    DWORD dwProcessId;
    HWND hWndFound;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<CSearch*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[64] = L"";
    if (process != search->dwProcessId || !GetClassNameW(window, name, 64) || lstrcmpW(name, kHostWindowClass) != 0)
        return TRUE;
    search->hWndFound = window;
    return FALSE;
}

}  // namespace

CHostProcess::CHostProcess(std::wstring commandLine, std::wstring log)
    : m_strCommandLine(std::move(commandLine)), m_strLog(std::move(log)) {}

bool CHostProcess::Start(DWORD timeoutMs) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    const ScopedHandle output(CreateFileW(m_strLog.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (output.get() == INVALID_HANDLE_VALUE) return false;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = output.get();
    PROCESS_INFORMATION process{};
    std::wstring commandLine = m_strCommandLine;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    m_hProcess.reset(process.hProcess);
    m_dwProcessId = process.dwProcessId;
    m_hWndMain = nullptr;
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        CSearch search{m_dwProcessId, nullptr};
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
        if (search.hWndFound != nullptr && IsWindowVisible(search.hWndFound)) {
            m_hWndMain = search.hWndFound;
            return true;
        }
        if (WaitForEnd()) return false;
        Sleep(100);
    }
    return false;
}

bool CHostProcess::WaitForEnd(DWORD timeoutMs, DWORD* code) const {
    if (!m_hProcess || WaitForSingleObject(m_hProcess.get(), timeoutMs) != WAIT_OBJECT_0) return false;
    if (code != nullptr) GetExitCodeProcess(m_hProcess.get(), code);
    return true;
}

bool CHostProcess::Answers(DWORD timeoutMs) const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(m_hWndMain, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

void CHostProcess::Kill() {
    if (!m_hProcess) return;
    TerminateProcess(m_hProcess.get(), 0xDEAD);
    WaitForSingleObject(m_hProcess.get(), 10000);
    m_hProcess.reset();
}
