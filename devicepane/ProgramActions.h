// What the user can ask of a program in the list: its details, its
// deletion, a refresh, and outside the device view the segment dialog. The
// pane does none of the work but the dialog: the gestures become events.
#ifndef KESTREL_PROGRAM_ACTIONS_H
#define KESTREL_PROGRAM_ACTIONS_H

#include <windows.h>

class CDeviceTransfer;

namespace ProgramActions {

// The list window's messages, seen before the list view's own handling:
// true when the message is handled and must not reach the list view.
bool OnListMessage(CDeviceTransfer& pane, HWND list, UINT message, WPARAM wp, LPARAM lp);

// The details of the focused and selected program: the document in the
// device view, the segment dialog elsewhere (for the user only).
void ShowDetails(CDeviceTransfer& pane, HWND list, bool byUser);

}  // namespace ProgramActions

#endif
