// Seeded random real input, as a new user gives it: mouse moves, clicks,
// double clicks, short drags and right clicks anywhere in a window, and the
// keys that drive menus, lists and dialogs. The same seed gives the same
// sequence in both builds.
#ifndef KESTREL_TESTS_SOAK_RANDOM_INPUT_H
#define KESTREL_TESTS_SOAK_RANDOM_INPUT_H

#include <windows.h>

#include <cstdint>
#include <random>

class CRandomInput {
  public:
    explicit CRandomInput(std::uint32_t seed) : m_random(seed) {}

    // Sends one action into `window` (screen coordinates), through the
    // input queue of whatever window is in the foreground.
    void SendOne(const RECT& window);

  private:
    // 0 <= result < count, the same on every platform (unlike the
    // standard distributions).
    int Below(int count) { return static_cast<int>(m_random() % static_cast<std::uint32_t>(count)); }
    POINT PointIn(const RECT& window);
    POINT Near(POINT from);

    std::mt19937 m_random;
};

#endif
