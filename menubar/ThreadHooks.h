// The two thread hooks of the menu bars: a call-window-procedure hook that
// watches the messages sent to owner windows (the menu loop's idle and end,
// activation by another thread), and a keyboard hook for the keyboard menu
// mode. They are installed for the thread of the first bar and stay while
// any bar lives, so that destroying one bar leaves the others working.
#ifndef KESTREL_THREAD_HOOKS_H
#define KESTREL_THREAD_HOOKS_H

namespace MenuThreadHooks {

// A bar was constructed / destroyed.
void AddBar();
void RemoveBar();

// Whether both hooks are installed.
bool Installed();

}  // namespace MenuThreadHooks

#endif
