// The segment dialog opened for the device pane: its changes reach the
// host as the pane's events.
#ifndef KESTREL_PANE_SEGMENT_DIALOG_H
#define KESTREL_PANE_SEGMENT_DIALOG_H

#include <windows.h>

#include "module/Kestrel.h"

class CDeviceTransfer;

// Runs the dialog modally over the thread's active window, editing
// `program` in place: S_OK when the user chose OK, S_FALSE otherwise (also
// when the dialog could not be made), E_POINTER without a record,
// E_OUTOFMEMORY when memory ran out before it opened.
HRESULT RunSegmentDialog(CDeviceTransfer& pane, CDeviceProgram* program, int programIndex);

#endif
