#include "DemoLibrary.h"

void FillDevicePane(IDeviceTransfer&) {}

HMENU CreateDemoMenu() { return nullptr; }
