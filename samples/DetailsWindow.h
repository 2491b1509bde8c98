// The window in which the sample host shows a program's details document,
// as Lanthorn shows what OnProgramDetailes hands it. Wine's HTML engine
// needs Gecko, which these machines lack, so the page is shown as it
// reads: its text with the tags dropped.
#ifndef KESTREL_SAMPLES_DETAILS_WINDOW_H
#define KESTREL_SAMPLES_DETAILS_WINDOW_H

#include <windows.h>

#include <string>

// The page's text as it reads: tags dropped, a line break for each <br>,
// <p> and <hr>, and the character references of the templates decoded.
std::wstring ReadablePage(const std::wstring& html);

class CDetailsWindow {
  public:
    CDetailsWindow() = default;
    ~CDetailsWindow();
    CDetailsWindow(const CDetailsWindow&) = delete;
    CDetailsWindow& operator=(const CDetailsWindow&) = delete;

    // Opens the window over `owner` (or brings it back) with this document.
    void Show(HWND owner, const std::wstring& html);
    HWND Window() const { return m_hWnd; }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);

    HWND m_hWnd = nullptr;
    HWND m_hWndText = nullptr;
};

#endif
