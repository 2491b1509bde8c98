#include "devicepane/SegmentEditor.h"

#include <utility>

#include "devicepane/ProgramList.h"
#include "segment/RangeMath.h"
#include "segment/RangeSlider.h"

CSegmentEditor::CSegmentEditor(const CProgramList& list, AdjustHandler onAdjust)
    : m_list(list), m_onAdjust(std::move(onAdjust)) {}

bool CSegmentEditor::TargetListed() const { return m_pRecord != nullptr && m_list.Record(m_nItem) == m_pRecord; }

bool CSegmentEditor::WithSlider(HWND list, POINT point, const std::function<bool(CRangeSlider&)>& use,
                                LRESULT& result) {
    // A press inside the host's handler of a drag is not a second edit.
    if (m_pSlider != nullptr) return false;
    const LVHITTESTINFO hit = m_list.HitTest(point);
    if (hit.iItem < 0 || hit.iSubItem != CProgramList::kSegmentColumn) return false;
    CDeviceProgram* record = m_list.Record(hit.iItem);
    if (record == nullptr || record->m_fCanProgramBeResized == 0) return false;

    // The host's record may hold anything: its sums are bounded.
    CRangeSlider slider(CRangeBar::kDefaultColor, record->m_TotalTime, record->m_ProgramStart,
                        range::SegmentEnd(record->m_ProgramStart, record->m_TimeOnDevice));
    const RECT cell = m_list.SegmentCellRect(hit.iItem);
    slider.MoveTo(cell.left, cell.top);
    slider.SetSize(cell.right - cell.left, cell.bottom - cell.top);
    slider.SetOwner(list);
    slider.SetListener(this);
    m_pSlider = &slider;
    m_pRecord = record;
    m_nItem = hit.iItem;

    const bool handled = use(slider);
    result = handled;

    const bool listed = TargetListed();
    const int item = m_nItem;
    m_pSlider = nullptr;
    m_pRecord = nullptr;
    m_nItem = -1;
    if (listed) {
        // Compared end to end: a segment whose end the bounds cut is not
        // changed by a mere look at it.
        const int start = slider.GetStart();
        if (start != record->m_ProgramStart ||
            slider.GetEnd() != range::SegmentEnd(record->m_ProgramStart, record->m_TimeOnDevice)) {
            record->m_ProgramStart = start;
            record->m_TimeOnDevice = range::SegmentLength(start, slider.GetEnd());
            m_onAdjust(item, record);
        }
    }
    return handled;
}

bool CSegmentEditor::OnSetCursor(HWND list, UINT hitTest, UINT message, LRESULT& result) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(list, &cursor);
    return WithSlider(
        list, cursor, [&](CRangeSlider& slider) { return slider.OnSetCursor(hitTest, message); }, result);
}

bool CSegmentEditor::OnLButtonDown(HWND list, UINT flags, POINT point, LRESULT& result) {
    return WithSlider(
        list, point, [&](CRangeSlider& slider) { return slider.OnLButtonDown(flags, point.x, point.y); }, result);
}

void CSegmentEditor::OnCaptureChanged() {
    if (m_pSlider != nullptr) m_pSlider->StopDrag();
}

void CSegmentEditor::OnRangeChanging(int, int& start, int& end, RECT) {
    if (!TargetListed()) return;
    m_pRecord->m_ProgramStart = start;
    m_pRecord->m_TimeOnDevice = range::SegmentLength(start, end);
    m_onAdjust(m_nItem, m_pRecord);
    // The host may have removed the row while it handled the event.
    if (!TargetListed()) return;
    start = m_pRecord->m_ProgramStart;
    end = range::SegmentEnd(m_pRecord->m_ProgramStart, m_pRecord->m_TimeOnDevice);
}
