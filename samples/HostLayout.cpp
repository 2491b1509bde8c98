#include "HostLayout.h"

#include <algorithm>

// A window shrunk below the fixed heights squeezes the device pane first,
// then the log; no rectangle is ever inverted.
CHostLayout LayOutHost(int width, int height, int menuBarHeight) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    const int barBottom = std::min(std::max(menuBarHeight, 0), height);
    const int logTop = std::max(barBottom, height - kLogHeight);
    const int paneBottom = std::max(barBottom, logTop - kPaneGap);
    return CHostLayout{RECT{0, 0, width, barBottom}, RECT{0, barBottom, width, paneBottom},
                       RECT{0, logTop, width, height}};
}
