#include "PaneRequests.h"

#include "DemoLibrary.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

void PaneRequests::OnEvent(IDeviceTransfer& pane, const RecordedEvent& event) {
    switch (event.dispid) {
        case DISPID_OnProgramDetailes:
            details_.Show(owner_, event.Param(0).AsString());
            break;
        case DISPID_DeleteSelectedProgramsRequest:
            DeleteSelected(pane);
            break;
        case DISPID_OnRefreshRequest:
            pane.RemoveAllPrograms();
            FillDevicePane(pane);
            log_.Add(L"refresh: the demonstration programs again");
            break;
        case DISPID_OnAdjustProgramSegment:
            // The record is the pane's (or ours), writable during the event.
            if (auto* program = reinterpret_cast<CDeviceProgram*>(static_cast<INT_PTR>(event.Param(1).AsInteger())))
                program->m_SizeOnDevice = program->m_TimeOnDevice * kBytesPerSecond;
            break;
        default:
            break;
    }
}

void PaneRequests::DeleteSelected(IDeviceTransfer& pane) {
    const long count = pane.GetSelCount();
    if (count <= 0) return;
    std::vector<int> items(static_cast<std::size_t>(count));
    if (FAILED(pane.GetSelItems(items.data(), static_cast<int>(count)))) return;
    // From the last, so that the indexes still to come stay valid.
    std::sort(items.begin(), items.end(), std::greater<int>());
    for (const int item : items) pane.RemoveProgram(item);
    log_.Add(L"deleted " + std::to_wstring(count) + L" program(s)");
}
