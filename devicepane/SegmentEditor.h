// In-place editing of a segment in the program list (transfer-list and CD
// views): a temporary range slider over the cell under the mouse, whose
// every change is written into the row's record and offered to the host,
// which may correct it through the record's address.
#ifndef KESTREL_SEGMENT_EDITOR_H
#define KESTREL_SEGMENT_EDITOR_H

#include <windows.h>

#include <functional>

#include "module/Kestrel.h"
#include "segment/RangeListener.h"

class CProgramList;
class CRangeSlider;

class CSegmentEditor final : public IRangeListener {
  public:
    // Tells the host of a change (OnAdjustProgramSegment, from the list).
    using AdjustHandler = std::function<void(int item, CDeviceProgram* record)>;

    CSegmentEditor(const CProgramList& list, AdjustHandler onAdjust);
    CSegmentEditor(const CSegmentEditor&) = delete;
    CSegmentEditor& operator=(const CSegmentEditor&) = delete;
    ~CSegmentEditor() = default;

    // Messages of the list; true when the slider took them, with their result.
    bool OnSetCursor(HWND list, UINT hitTest, UINT message, LRESULT& result);
    bool OnLButtonDown(HWND list, UINT flags, POINT point, LRESULT& result);
    // The list lost the mouse capture: a running drag ends.
    void OnCaptureChanged();

    void OnRangeChanging(int total, int& start, int& end, RECT barRect) override;

  private:
    // Runs `use` on a slider over the segment cell at `point`; false when
    // there is no editable segment there.
    bool WithSlider(HWND list, POINT point, const std::function<bool(CRangeSlider&)>& use, LRESULT& result);
    // Whether the row still holds the record (the host may remove rows
    // while it handles the event).
    bool TargetListed() const;

    const CProgramList& m_list;
    AdjustHandler m_onAdjust;
    CRangeSlider* m_pSlider = nullptr;  // while one runs
    CDeviceProgram* m_pRecord = nullptr;
    int m_nItem = -1;
};

#endif
