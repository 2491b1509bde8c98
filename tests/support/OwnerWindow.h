// A visible window for elements to live in, as the device pane and the
// segment dialog are for theirs. It erases nothing itself and records every
// WM_ERASEBKGND it gets. It is a child of one top-level window shared by the
// whole test program: Wine takes two seconds to destroy a top-level window
// that has been mapped without a window manager.
#ifndef KESTREL_TESTS_OWNER_WINDOW_H
#define KESTREL_TESTS_OWNER_WINDOW_H

#include <windows.h>

#include <functional>
#include <vector>

class COwnerWindow {
  public:
    COwnerWindow(int width = 400, int height = 200);
    ~COwnerWindow();
    COwnerWindow(const COwnerWindow&) = delete;
    COwnerWindow& operator=(const COwnerWindow&) = delete;

    HWND hwnd() const { return m_hwnd; }
    // Paints what is pending, then forgets the update region and the erases.
    void Settle();
    // The update region's bounds; empty when nothing is invalid.
    RECT UpdateRect() const;
    // Clip box of the DC of each WM_ERASEBKGND since Settle.
    const std::vector<RECT>& Erases() const { return m_erases; }

    // Called from the window procedure.
    std::function<void()> onCaptureChanged;
    std::function<void(WPARAM)> onApp;  // WM_APP
    int mouseMovesDispatched = 0;

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp);

    HWND m_hwnd = nullptr;
    std::vector<RECT> m_erases;
};

// Removes every message waiting for this thread (but not a quit request).
void DrainMessages();

#endif
