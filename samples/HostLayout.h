// Where the sample host puts its three panes in a client area of the given
// size: the menu bar across the top, the log pane at the bottom, the device
// pane filling the rest.
#ifndef KESTREL_SAMPLES_HOST_LAYOUT_H
#define KESTREL_SAMPLES_HOST_LAYOUT_H

#include <windows.h>

struct CHostLayout {
    RECT menuBar;
    RECT devicePane;
    RECT log;
};

constexpr int kDefaultMenuBarHeight = 26;
constexpr int kLogHeight = 150;
constexpr int kPaneGap = 4;

CHostLayout LayOutHost(int width, int height, int menuBarHeight);

#endif
