// What the sample shows in the two controls: a small library of audio
// programs and the player they go to, for the device pane, and a menu for
// the menu bar. The demonstration content lives here and nowhere else;
// PaneDemo decides when the pane shows what.
#ifndef KESTREL_SAMPLES_DEMO_LIBRARY_H
#define KESTREL_SAMPLES_DEMO_LIBRARY_H

#include <windows.h>
#include <commctrl.h>

#include "module/Kestrel.h"

#include <vector>

// The demonstration player stores audio at 32 kbit/s: 4,000 bytes a second.
constexpr INT32 kDemoBytesPerSecond = 4000;

// The programs of a display mode: those on the player (DEVICE_VIEW), those
// queued for it (TRANSFER_LIST_VIEW) or those laid out for a CD.
std::vector<CDeviceProgram> DemoPrograms(DISPLAY_MODE mode);

// The title of the queued program that is being copied now.
extern const char kDemoTransferTitle[];

// The player's name and memory in DEVICE_VIEW and TRANSFER_LIST_VIEW, the
// blank CD's capacity and the programs' CD audio in CDBURN_VIEW. The
// picture is the caller's to set.
CDeviceInfo DemoDevice(DISPLAY_MODE mode);

// The picture of the device, 48 x 48 pixels: the player, or a blank CD in
// CDBURN_VIEW. The caller destroys it.
HICON CreateDemoDeviceIcon(DISPLAY_MODE mode);
// The codec icons (index 0: spoken word, 1: music), 16 x 16 pixels.
HIMAGELIST CreateDemoCodecImages();

#endif
