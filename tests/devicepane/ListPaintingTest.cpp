#include "support/PaneHost.h"

#include <climits>
#include <map>
#include <string>

#include "segment/RangeBar.h"
#include "support/PixelCanvas.h"

namespace {

using ListPainting = PaneTest;

struct AreaCount {
    int bar = 0;   // the bar's base colour
    int dark = 0;  // text ink
};

AreaCount CountIn(HWND list, const RECT& area) {
    const auto canvas = Capture(list);
    AreaCount count;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF pixel = canvas->At(x, y);
            count.bar += pixel == CRangeBar::kDefaultColor;
            count.dark += GetRValue(pixel) < 0x80 && GetGValue(pixel) < 0x80 && GetBValue(pixel) < 0x80;
        }
    return count;
}

RECT CellRect(HWND list, int item, int column) {
    RECT cell{LVIR_BOUNDS, column, 0, 0};
    SendMessageA(list, column == 0 ? LVM_GETITEMRECT : LVM_GETSUBITEMRECT, item, reinterpret_cast<LPARAM>(&cell));
    if (column == 0) cell.right = cell.left + 200;  // the title, not the whole row
    return cell;
}

// A playback position past the end of the program (the host's figures near
// the largest value) is drawn at the end of the bar, as one exactly there;
// a program that cannot be cut has no bar.
TEST_F(ListPainting, OnlyProgramsThatCanBeCutHaveABarAndItsMarkerStaysOnIt) {
    ASSERT_EQ(S_OK, m_pPane->SetDeviceConnection(1, 0, "connected"));
    const int total = INT_MAX, start = INT_MAX - 100;
    Add(Program("Twin", total, 100, 0, start, 100));  // the position is exactly the end
    Add(Program("Twin", total, 100, 0, start, 200));  // start + position overflows
    Add(Program("Twin", total, 100, 0, start, 100, false));
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);

    const AreaCount atEnd = CountIn(List(), CellRect(List(), 0, 2));
    const AreaCount beyond = CountIn(List(), CellRect(List(), 1, 2));
    EXPECT_LT(100, atEnd.bar);
    EXPECT_LT(0, atEnd.dark);  // the marker
    EXPECT_EQ(atEnd.dark, beyond.dark);
    EXPECT_EQ(atEnd.bar, beyond.bar);
    EXPECT_EQ(CountIn(List(), CellRect(List(), 0, 1)).dark, CountIn(List(), CellRect(List(), 1, 1)).dark);
    EXPECT_EQ(0, CountIn(List(), CellRect(List(), 2, 2)).bar);
}

// The bold row follows SetTransferProgram by title, the first match whatever
// the case; an unknown title or none clears it, and it is a plain index: a
// removal above it does not move it along.
TEST_F(ListPainting, TheBoldRowIsAnIndexThatAnUnknownTitleClearsAndRemovalsDoNotMove) {
    ASSERT_EQ(S_OK, m_pPane->SetDeviceConnection(1, 0, "connected"));
    for (const char* title : {"One", "Two", "Three", "Two"}) Add(Program(title, 3600, 0, 0));
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    std::map<std::string, int> plain;  // each title's ink, not bold
    for (int item = 0; item < 4; ++item) plain[Cell(item, 0)] = CountIn(List(), CellRect(List(), item, 0)).dark;
    const auto boldRows = [&] {
        std::string rows;
        for (int item = 0; item < m_pPane->GetItemsCount(); ++item)
            if (CountIn(List(), CellRect(List(), item, 0)).dark > plain[Cell(item, 0)]) rows += std::to_string(item);
        return rows;
    };
    const struct {
        const char* transfer;  // a title, or "-" to remove row 0 instead
        const char* bold;
    } steps[] = {{"tWO", "1"}, {"unknown", ""}, {"Two", "1"}, {"-", "1"}, {nullptr, ""}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.transfer ? step.transfer : "null");
        const bool removal = step.transfer != nullptr && std::string(step.transfer) == "-";
        ASSERT_EQ(S_OK, removal ? m_pPane->RemoveProgram(0) : m_pPane->SetTransferProgram(step.transfer));
        EXPECT_EQ(step.bold, boldRows());
    }
}

}  // namespace
