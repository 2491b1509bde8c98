#include "support/PaneHost.h"

#include <vector>

#include "container/EventSink.h"
#include "format/TextFormat.h"
#include "res/resource.h"

namespace {

// The size of every structure with which a tool for a list window is added.
std::vector<UINT> g_vecListToolSizes;

LRESULT CALLBACK RecordListToolSizes(int code, WPARAM wp, LPARAM lp) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && sent->message == TTM_ADDTOOLA) {
        const auto* tool = reinterpret_cast<const TTTOOLINFOA*>(sent->lParam);
        char name[64] = {};
        GetClassNameA(tool->hwnd, name, sizeof name);
        if (lstrcmpiA(name, WC_LISTVIEWA) == 0) g_vecListToolSizes.push_back(tool->cbSize);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

class SegmentCell : public PaneTest {
  protected:
    void SetUp() override {
        SetDevice("Player");
        ASSERT_EQ(S_OK, m_pPane->SetDeviceConnection(1, 0, nullptr));  // report view
    }

    RECT ScreenCell() const {
        RECT cell{};
        ListView_GetSubItemRect(List(), 0, CProgramList::kSegmentColumn, LVIR_BOUNDS, &cell);
        MapWindowPoints(List(), nullptr, reinterpret_cast<POINT*>(&cell), 2);
        return cell;
    }

    // The pane's own tooltip: a tool of the list's, not its info tips.
    HWND Tooltip() const {
        const HWND infoTips = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETTOOLTIPS, 0, 0));
        for (HWND tip = nullptr; (tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) != nullptr;) {
            TTTOOLINFOA tool{};
            tool.cbSize = TTTOOLINFOA_V1_SIZE;
            if (tip != infoTips && SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)) &&
                tool.hwnd == List())
                return tip;
        }
        return nullptr;
    }

    std::string TipAt(POINT screen, UINT code) {
        SetCursorPos(screen.x, screen.y);
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = Tooltip();
        info.hdr.code = code;
        SendMessageA(List(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        if (code == TTN_GETDISPINFOA) return reinterpret_cast<const char*>(info.lpszText);
        char text[2048] = {};
        WideCharToMultiByte(CP_ACP, 0, info.lpszText, -1, text, sizeof text, nullptr, nullptr);
        return text;
    }
};

// A program of which nothing is on the device has a segment cell but no tip.
TEST_F(SegmentCell, TooltipDescribesTheSegmentInEachMode) {
    const UINT templates[] = {IDS_SEGMENT_TIP_ON_DEVICE, IDS_SEGMENT_TIP_AFTER_TRANSFER,
                              IDS_SEGMENT_TIP_AFTER_TRANSFER};
    for (DISPLAY_MODE mode : {DEVICE_VIEW, TRANSFER_LIST_VIEW, CDBURN_VIEW}) {
        ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(mode));
        Add(Program("cut", 7200, 1800, 5, 600, 90));
        Add(Program("whole", 7200, 1800, 5, 600, 90, false));
        Add(Program("none on the device", 7200, 0, 0, 600, 90));
        ASSERT_NE(nullptr, Tooltip());
        const RECT cell = ScreenCell();
        const POINT middle{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
        const std::string expected = Printf(templates[mode], "Player", FormatDuration(600).c_str(),
                                            FormatDuration(2400).c_str(), FormatDuration(690).c_str());
        EXPECT_EQ(expected, TipAt(middle, TTN_GETDISPINFOA)) << mode;
        EXPECT_EQ(expected, TipAt(middle, TTN_GETDISPINFOW)) << mode;
        EXPECT_EQ("", TipAt({cell.left - 20, middle.y}, TTN_GETDISPINFOA));  // the time column
        const int rowHeight = cell.bottom - cell.top;
        EXPECT_EQ("", TipAt({middle.x, middle.y + rowHeight}, TTN_GETDISPINFOW));  // cannot be cut
        if (mode == CDBURN_VIEW) continue;
        EXPECT_EQ("", TipAt({middle.x, middle.y + 2 * rowHeight}, TTN_GETDISPINFOA)) << mode;
        EXPECT_EQ("", TipAt({middle.x, middle.y + 2 * rowHeight}, TTN_GETDISPINFOW)) << mode;
    }
}

// The size up to lParam: what comctl32 5 and 6 both accept in either build.
TEST_F(SegmentCell, TheListsToolIsAddedWithTheStructureEveryCommonControlsVersionAccepts) {
    const HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordListToolSizes, nullptr, GetCurrentThreadId());
    ClosePane();
    OpenPane();
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(std::vector<UINT>{TTTOOLINFOA_V2_SIZE}, g_vecListToolSizes);
}

TEST_F(SegmentCell, DraggingTheEndThumbProposesSegmentsThatTheHostLimits) {
    CEventSink sink(DIID__IDeviceTransferEvents);
    ASSERT_HRESULT_SUCCEEDED(sink.Connect(m_pContainer->Control()));
    std::vector<int> seen;  // the segment length as each event proposes it
    sink.SetHandler([&seen](const CRecordedEvent& event, const DISPPARAMS&, VARIANT*) {
        if (event.dispid != DISPID_OnAdjustProgramSegment) return;
        auto* record = reinterpret_cast<CDeviceProgram*>(static_cast<INT_PTR>(event.Param(1).AsInteger()));
        EXPECT_EQ(0, event.Param(0).AsInteger());
        EXPECT_EQ(0, event.Param(2).AsInteger());
        seen.push_back(record->m_TimeOnDevice);
        // The host allows at most 1500 s and sets the size.
        if (record->m_TimeOnDevice > 1500) record->m_TimeOnDevice = 1500;
        record->m_SizeOnDevice = record->m_TimeOnDevice * 1000;
    });

    for (DISPLAY_MODE mode : {DEVICE_VIEW, TRANSFER_LIST_VIEW}) {
        ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(mode));
        Add(Program("cut", 3600, 1200, 0, 600));
        DragSegmentEnd(1800, 3600, {30, 60});  // the segment 600..1800 of 3600 s
        EXPECT_EQ(nullptr, GetCapture());

        CDeviceProgram back{};
        ASSERT_EQ(S_OK, m_pPane->GetProgramProperties(0, &back));
        if (mode == DEVICE_VIEW) {
            EXPECT_TRUE(seen.empty());
            EXPECT_EQ(1200, back.m_TimeOnDevice);
        } else {
            ASSERT_FALSE(seen.empty());
            EXPECT_LT(1500, seen.back());  // proposed longer, held by the host
            EXPECT_EQ(600, back.m_ProgramStart);
            EXPECT_EQ(1500, back.m_TimeOnDevice);
            EXPECT_EQ(1500000, back.m_SizeOnDevice);
        }
    }
}

}  // namespace
