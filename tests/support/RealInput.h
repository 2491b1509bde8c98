// Real keyboard and mouse input (SendInput), as a user gives it: it reaches
// the focus window of the foreground window, and modal loops (dialogs,
// menus, drag loops) take it from the queue like any other input.
//
// Modal loops block the test, so the steps that act inside them run from a
// thread timer, which those loops dispatch:
//
//   CModalScript script({[](CModalScript&) { PressKey(VK_ESCAPE); }});
//   dialog.DoModal(owner);   // the script runs while the dialog is up
#ifndef KESTREL_TESTS_REAL_INPUT_H
#define KESTREL_TESTS_REAL_INPUT_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

void PressKey(WORD vk);
// A key pressed while another is held (VK_MENU, VK_SHIFT, VK_CONTROL).
void PressKeyWith(WORD modifier, WORD vk);
// Digits and letters, each as its key.
void TypeKeys(const std::string& keys);

enum class MouseButton { LEFT, RIGHT };
// Screen coordinates.
void MoveMouse(POINT to);
void Click(POINT at, MouseButton button = MouseButton::LEFT);
// The left button alone, for a test that acts between press and release.
void PressLeftButton(POINT at);
void ReleaseLeftButton(POINT at);
void DoubleClick(POINT at);
// Press at `from`, move through each point, release at the last one.
void Drag(POINT from, std::initializer_list<POINT> through);

POINT CentreOf(HWND window);
// A point of a window's client area, in screen coordinates.
POINT ScreenPoint(HWND window, int x, int y);

// Steps run one per tick of a thread timer, each after the input of the one
// before has been handled. A script destroyed before its end records a
// failure, and so does a modal loop that outlives the last step by seconds
// (it is then ended, so that the test does not hang).
class CModalScript {
  public:
    using Step = std::function<void(CModalScript&)>;

    explicit CModalScript(std::vector<Step> steps, UINT intervalMs = 60);
    ~CModalScript();
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    // Repeats the current step at the next tick instead of moving on
    // (for a step that waits for a window to appear).
    void Again() { m_fAgain = true; }
    bool Finished() const { return m_nNext >= m_steps.size(); }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::vector<Step> m_steps;
    std::size_t m_nNext = 0;
    bool m_fAgain = false;
    int m_nWaits = 0;
    UINT_PTR m_timer = 0;
};

// The enabled, visible top-level dialog (class #32770) of this thread that
// is active; null when there is none.
HWND ActiveDialog();
std::string WindowText(HWND window);

#endif
