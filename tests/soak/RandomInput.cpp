#include "RandomInput.h"

#include <algorithm>
#include <iterator>

#include "support/RealInput.h"

namespace {

const WORD kKeys[] = {VK_MENU, VK_F10,  VK_LEFT, VK_RIGHT, VK_UP,   VK_DOWN, VK_RETURN, VK_ESCAPE, VK_DELETE,
                      VK_F5,   VK_APPS, VK_TAB,  VK_SPACE, VK_HOME, VK_END,  VK_PRIOR,  VK_NEXT};
// The bar's items and their popups' commands.
const char kMnemonics[] = "FEVHOSPXCDTRA";

// A short drag: far enough to start a drag, near enough to stay in place.
constexpr int kDragReach = 40;

}  // namespace

POINT CRandomInput::PointIn(const RECT& window) {
    const int width = std::max(1L, window.right - window.left), height = std::max(1L, window.bottom - window.top);
    POINT p{window.left + Below(width), window.top + Below(height)};
    // Never off the screen, where the input would be clipped anyway.
    p.x = std::clamp(p.x, 0L, static_cast<LONG>(GetSystemMetrics(SM_CXSCREEN) - 1));
    p.y = std::clamp(p.y, 0L, static_cast<LONG>(GetSystemMetrics(SM_CYSCREEN) - 1));
    return p;
}

POINT CRandomInput::Near(POINT from) {
    const RECT around{from.x - kDragReach, from.y - kDragReach, from.x + kDragReach, from.y + kDragReach};
    return PointIn(around);
}

void CRandomInput::SendOne(const RECT& window) {
    const int roll = Below(100);
    if (roll < 14) {
        MoveMouse(PointIn(window));
    } else if (roll < 34) {
        Click(PointIn(window));
    } else if (roll < 40) {
        DoubleClick(PointIn(window));
    } else if (roll < 45) {
        const POINT from = PointIn(window), to = Near(from);
        Drag(from, {POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}, to});
    } else if (roll < 51) {
        Click(PointIn(window), MouseButton::RIGHT);
    } else if (roll < 90) {
        PressKey(kKeys[Below(static_cast<int>(std::size(kKeys)))]);
    } else if (roll < 95) {
        const WORD letter = static_cast<WORD>(kMnemonics[Below(static_cast<int>(std::size(kMnemonics) - 1))]);
        if (Below(2) == 0)
            PressKeyWith(VK_MENU, letter);
        else
            PressKey(letter);
    } else {
        // Now and then whatever is open (a menu, a dialog) is closed.
        PressKey(VK_ESCAPE);
        PressKey(VK_ESCAPE);
    }
}
