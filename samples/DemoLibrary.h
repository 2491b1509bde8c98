// What the sample shows in the two controls: demonstration programs for the
// device pane and a menu for the menu bar. Empty for now; the demonstration
// content comes here and nowhere else.
#ifndef KESTREL_SAMPLES_DEMO_LIBRARY_H
#define KESTREL_SAMPLES_DEMO_LIBRARY_H

#include "module/Kestrel.h"

// Connects a demonstration device and adds its programs to the pane.
void FillDevicePane(IDeviceTransfer& pane);

// The menu the bar shows; the bar takes it over. Null: the bar stays empty.
HMENU CreateDemoMenu();

#endif
