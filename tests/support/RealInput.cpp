#include "support/RealInput.h"

#include <gtest/gtest.h>

namespace {

void SendKey(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void SendMouse(DWORD flags, POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

CModalScript* g_pRunning = nullptr;

BOOL CALLBACK EndDialogs(HWND window, LPARAM) {
    char name[16] = "";
    if (IsWindowVisible(window) && GetClassNameA(window, name, sizeof name) && std::string(name) == "#32770")
        EndDialog(window, IDABORT);
    return TRUE;
}

// A step that waits for a window gives up after this many ticks.
constexpr int kMaxWaits = 100;

}  // namespace

void PressKey(WORD vk) {
    SendKey(vk, false);
    SendKey(vk, true);
}

void PressKeyWith(WORD modifier, WORD vk) {
    SendKey(modifier, false);
    PressKey(vk);
    SendKey(modifier, true);
}

void TypeKeys(const std::string& keys) {
    for (const char c : keys) PressKey(static_cast<WORD>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
}

void MoveMouse(POINT to) { SendMouse(0, to); }

void Click(POINT at, MouseButton button) {
    const bool left = button == MouseButton::LEFT;
    SendMouse(0, at);
    SendMouse(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN, at);
    SendMouse(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP, at);
}

void PressLeftButton(POINT at) { SendMouse(MOUSEEVENTF_LEFTDOWN, at); }
void ReleaseLeftButton(POINT at) { SendMouse(MOUSEEVENTF_LEFTUP, at); }

void DoubleClick(POINT at) {
    Click(at);
    Click(at);
}

void Drag(POINT from, std::initializer_list<POINT> through) {
    SendMouse(0, from);
    SendMouse(MOUSEEVENTF_LEFTDOWN, from);
    POINT last = from;
    for (const POINT& p : through) {
        SendMouse(0, p);
        last = p;
    }
    SendMouse(MOUSEEVENTF_LEFTUP, last);
}

POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT ScreenPoint(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

CModalScript::CModalScript(std::vector<Step> steps, UINT intervalMs) : m_steps(std::move(steps)) {
    g_pRunning = this;
    m_timer = SetTimer(nullptr, 0, intervalMs, OnTimer);
}

CModalScript::~CModalScript() {
    KillTimer(nullptr, m_timer);
    g_pRunning = nullptr;
    EXPECT_TRUE(Finished()) << "the script stopped before step " << m_nNext + 1 << " of " << m_steps.size();
}

void CALLBACK CModalScript::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_pRunning) g_pRunning->Tick();
}

void CModalScript::Tick() {
    if (Finished()) {
        // A modal loop still running long after the last step would hang
        // the test: close it and say so.
        if (++m_nWaits < kMaxWaits) return;
        if (m_nWaits == kMaxWaits) ADD_FAILURE() << "a modal loop outlived the script";
        EndMenu();
        ReleaseCapture();  // ends a drag loop
        EnumThreadWindows(GetCurrentThreadId(), EndDialogs, 0);
        return;
    }
    const std::size_t current = m_nNext;
    m_fAgain = false;
    m_steps[current](*this);
    if (m_fAgain && ++m_nWaits < kMaxWaits) return;
    if (m_fAgain) ADD_FAILURE() << "step " << current + 1 << " waited in vain";
    m_nWaits = 0;
    ++m_nNext;
}

HWND ActiveDialog() {
    const HWND active = GetActiveWindow();
    char name[16] = "";
    if (active == nullptr || !GetClassNameA(active, name, sizeof name)) return nullptr;
    if (std::string(name) != "#32770" || !IsWindowVisible(active) || !IsWindowEnabled(active)) return nullptr;
    return active;
}

std::string WindowText(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}
