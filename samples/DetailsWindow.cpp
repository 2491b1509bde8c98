#include "DetailsWindow.h"

#include <utility>

namespace {

const wchar_t kWindowClass[] = L"Kestrel Sample Details";

// The character references that the templates and the module's escaping use.
const std::pair<const wchar_t*, const wchar_t*> kReferences[] = {
    {L"&nbsp;", L"\u00a0"}, {L"&#150;", L"\u2013"}, {L"&amp;", L"&"},
    {L"&lt;", L"<"},        {L"&gt;", L">"},        {L"&quot;", L"\""},
};

bool IsLineBreak(const std::wstring& tag) {
    for (const wchar_t* name : {L"br", L"p", L"/p", L"hr", L"tr", L"/title"})
        if (_wcsnicmp(tag.c_str(), name, wcslen(name)) == 0) return true;
    return false;
}

}  // namespace

std::wstring ReadablePage(const std::wstring& html) {
    std::wstring text;
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] == L'<') {
            const std::size_t close = html.find(L'>', i);
            const std::wstring tag = html.substr(i + 1, close == std::wstring::npos ? 0 : close - i - 1);
            if (IsLineBreak(tag)) text += L"\r\n";
            i = close == std::wstring::npos ? html.size() : close + 1;
            continue;
        }
        if (html[i] == L'\r' || html[i] == L'\n') {
            ++i;
            continue;
        }
        bool decoded = false;
        for (const auto& [reference, character] : kReferences) {
            if (html.compare(i, wcslen(reference), reference) == 0) {
                text += character;
                i += wcslen(reference);
                decoded = true;
                break;
            }
        }
        if (!decoded) text += html[i++];
    }
    return text;
}

CDetailsWindow::~CDetailsWindow() {
    if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
}

void CDetailsWindow::Show(HWND owner, const std::wstring& html) {
    if (m_hWnd == nullptr) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &CDetailsWindow::WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kWindowClass;
        RegisterClassExW(&windowClass);  // fails harmlessly the second time
        m_hWnd =
            CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"Program details", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            80, 80, 460, 240, owner, nullptr, GetModuleHandleW(nullptr), this);
        if (m_hWnd == nullptr) return;
        m_hWndText = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                                     0, 0, 0, 0, m_hWnd, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(m_hWndText, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        RECT client{};
        GetClientRect(m_hWnd, &client);
        MoveWindow(m_hWndText, 8, 8, client.right - 16, client.bottom - 16, FALSE);
    }
    SetWindowTextW(m_hWndText, ReadablePage(html).c_str());
    ShowWindow(m_hWnd, SW_SHOWNA);
}

LRESULT CALLBACK CDetailsWindow::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    auto* self = reinterpret_cast<CDetailsWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_SIZE:
            if (self != nullptr && self->m_hWndText != nullptr)
                MoveWindow(self->m_hWndText, 8, 8, LOWORD(lp) - 16, HIWORD(lp) - 16, TRUE);
            return 0;
        case WM_CLOSE:
            ShowWindow(window, SW_HIDE);  // kept for the next document
            return 0;
        case WM_NCDESTROY:
            if (self != nullptr) self->m_hWnd = self->m_hWndText = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wp, lp);
}
