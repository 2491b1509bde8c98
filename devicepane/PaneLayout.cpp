#include "devicepane/PaneLayout.h"

#include <algorithm>

namespace PaneLayout {

int MemoryBlockTop(int pictureBottom) { return std::max(kDefaultMemoryTop, pictureBottom + kPictureGap); }

CPanePoint MemoryBlockOrigin(MemoryBlockElement element, int y0) {
    static const CPanePoint kOffsets[MEMORY_BLOCK_SIZE] = {
        {5, 0}, {5, 25}, {25, 26}, {5, 45}, {25, 46}, {15, 70}, {5, 135}, {5, 155},
    };
    const CPanePoint& offset = kOffsets[element];
    return {offset.x, y0 + offset.y};
}

int StatusAreaWidth(const int* rightEdges, std::size_t count) {
    int width = kMinimumStatusWidth;
    for (std::size_t i = 0; i < count; ++i) width = std::max(width, rightEdges[i]);
    return width;
}

CPaneBox StatusMessageBox(int paneWidth, int paneHeight, int listLeft) {
    return {0, 0, paneWidth - listLeft, paneHeight - 15};
}

CPaneBox StretchedStatusMessageBox(int paneWidth, int paneHeight, int listLeft) {
    return {6, 0, paneWidth - listLeft - 11, paneHeight - 20};
}

}  // namespace PaneLayout
