// Arithmetic of the device pane's layout: where the status area puts its
// memory block, how wide the status area is, where the list starts and the
// box of the status message. Free of windows, so it can be checked alone.
#ifndef KESTREL_PANE_LAYOUT_H
#define KESTREL_PANE_LAYOUT_H

#include <cstddef>

struct CPanePoint {
    int x;
    int y;
};

// A box by its top-left corner and size, as SetBounds takes it.
struct CPaneBox {
    int x;
    int y;
    int cx;
    int cy;
};

namespace PaneLayout {

// The status area is never narrower than this, whatever it shows.
constexpr int kMinimumStatusWidth = 160;
// The gap between the status area and the list.
constexpr int kListGap = 5;
// The memory block starts here unless the picture above reaches lower.
constexpr int kDefaultMemoryTop = 95;
constexpr CPanePoint kDeviceNameOrigin{10, 5};
constexpr int kPictureLeft = 45;
constexpr int kPictureGap = 5;
constexpr int kGaugeWidth = 120;
constexpr int kGaugeHeight = 60;

// The memory block, top to bottom.
enum MemoryBlockElement {
    MEMORY_LABEL,
    USED_SWATCH,
    USED_TEXT,
    FREE_SWATCH,
    FREE_TEXT,
    MEMORY_GAUGE,
    TOTAL_TEXT,
    ABOUT_TEXT,
    MEMORY_BLOCK_SIZE
};

// y0: 95, or 5 below the picture (or plug-in pane) when that reaches lower.
int MemoryBlockTop(int pictureBottom);
// Top-left corner of one element of the memory block that starts at y0.
CPanePoint MemoryBlockOrigin(MemoryBlockElement element, int y0);
// The largest of the minimum width and the right edges given.
int StatusAreaWidth(const int* rightEdges, std::size_t count);
// The list's left edge for a status area of that width.
inline int ListLeft(int statusWidth) { return statusWidth + kListGap; }
// Left edge that centres an element in the status area left of the list
// (truncating toward zero, as integer division does).
inline int CentredLeft(int listLeft, int elementWidth) { return (listLeft - elementWidth) / 2; }
// The status message's box in list coordinates after a full layout ...
CPaneBox StatusMessageBox(int paneWidth, int paneHeight, int listLeft);
// ... and after a plain size change, which only stretches the list.
CPaneBox StretchedStatusMessageBox(int paneWidth, int paneHeight, int listLeft);

}  // namespace PaneLayout

#endif
