// Renders the client area of a top-level window, children included, to a
// PNG file (WIC's PNG encoder). Only the client area: under Xvfb there is
// no window manager, so nothing draws the frame on screen.
#ifndef KESTREL_SAMPLES_SCREENSHOT_H
#define KESTREL_SAMPLES_SCREENSHOT_H

#include <windows.h>

#include <string>

// The window must be visible and uncovered: the picture is what it shows.
// `size` receives the picture's size.
HRESULT SaveWindowAsPng(HWND window, const std::wstring& path, SIZE* size);

#endif
