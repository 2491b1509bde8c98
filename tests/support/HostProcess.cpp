#include "support/HostProcess.h"

#include <fstream>
#include <sstream>

const wchar_t kHostWindowClass[] = L"Kestrel Sample Host";

namespace {

struct CSearch {
    DWORD dwProcessId;
    const wchar_t* szClass;
    HWND hWndFound;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<CSearch*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[64] = L"";
    if (process != search->dwProcessId || !IsWindowVisible(window) || !GetClassNameW(window, name, 64) ||
        lstrcmpW(name, search->szClass) != 0)
        return TRUE;
    search->hWndFound = window;
    return FALSE;
}

std::wstring TemporaryLogPath() {
    wchar_t folder[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"kestrel-host-" + std::to_wstring(GetCurrentProcessId()) + L".log";
}

}  // namespace

CHostProcess::CHostProcess(const std::wstring& program)
    : m_strCommandLine(L"\"" + program + L"\""), m_strLog(TemporaryLogPath()) {}

CHostProcess::~CHostProcess() {
    Kill();
    DeleteFileW(m_strLog.c_str());
}

std::string CHostProcess::Log() const {
    std::ifstream file(m_strLog.c_str());
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

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
        m_hWndMain = ShownWindow(kHostWindowClass);
        if (m_hWndMain != nullptr) return true;
        if (WaitForEnd()) return false;
        Sleep(100);
    }
    return false;
}

HWND CHostProcess::ShownWindow(const wchar_t* className) const {
    CSearch search{m_dwProcessId, className, nullptr};
    EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
    return search.hWndFound;
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
