#include "EventLog.h"

#include <cstdio>

namespace {

std::string Utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size, nullptr,
                            nullptr);
    return utf8;
}

}  // namespace

void CEventLog::Create(HWND parent, const RECT& position) {
    m_hWnd = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                             position.left, position.top, position.right - position.left,
                             position.bottom - position.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_hWnd == nullptr) return;
    SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    // The default limit (32K characters) would silently stop a long session's log.
    SendMessageW(m_hWnd, EM_SETLIMITTEXT, 0, 0);
}

void CEventLog::Add(const std::wstring& line) {
    std::fputs((Utf8(line) + "\n").c_str(), stdout);
    std::fflush(stdout);
    if (m_hWnd == nullptr) return;
    const std::wstring text = (GetWindowTextLengthW(m_hWnd) > 0 ? L"\r\n" : L"") + line;
    const LRESULT end = SendMessageW(m_hWnd, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(m_hWnd, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(m_hWnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}
