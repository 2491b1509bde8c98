// The window classes of the controls, registered with the module's
// instance handle the first time a control needs its window.
#ifndef KESTREL_WINDOW_CLASS_H
#define KESTREL_WINDOW_CLASS_H

#include <windows.h>

// Registers `name` (arrow cursor, background brush value 1) unless the
// module already has it. False when the class can be neither found nor
// registered.
bool EnsureWindowClass(const char* name, UINT style, WNDPROC procedure);

#endif
