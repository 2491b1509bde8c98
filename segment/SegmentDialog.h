// The modal dialog in which the user picks the segment of a program that
// goes to the player, by dragging the range slider or by typing start and
// end times in hours and minutes. It edits the opener's record in place:
// every segment it applies is written there and announced to the host,
// which may correct it; Cancel puts the segment of the opening back.
#ifndef KESTREL_SEGMENT_DIALOG_H
#define KESTREL_SEGMENT_DIALOG_H

#include <windows.h>

#include "draw/ElementList.h"
#include "draw/TextElement.h"
#include "draw/TriangleElement.h"
#include "module/Kestrel.h"
#include "segment/RangeListener.h"
#include "segment/RangeSlider.h"
#include "segment/SegmentDialogHost.h"

class CSegmentDialog : public IRangeListener {
  public:
    // `program` must outlive the dialog; `host` is told of every change.
    CSegmentDialog(int programIndex, CDeviceProgram* program, ISegmentDialogHost* host);
    CSegmentDialog(const CSegmentDialog&) = delete;
    CSegmentDialog& operator=(const CSegmentDialog&) = delete;

    // Runs the dialog modally, owned by `owner`: IDOK, IDCANCEL, or -1 when
    // it could not be created.
    INT_PTR DoModal(HWND owner);

    // IRangeListener: a drag moved the segment.
    void OnRangeChanging(int total, int& start, int& end, RECT barRect) override;

  private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wp, LPARAM lp);
    INT_PTR HandleMessage(UINT message, WPARAM wp, LPARAM lp);

    BOOL OnInitDialog();
    void OnCommand(UINT id, UINT code);
    void OnEditKillFocus();
    void OnOK();
    void OnCancel();
    void OnPlayStop();
    void OnLButtonDown(UINT flags, int x, int y);
    bool OnSetCursor(UINT hitTest, UINT message);
    void OnPaint();

    // Writes [start, end) into the record, lets the host correct it, and
    // reads the corrected segment back into start and end.
    void ApplySegment(int& start, int& end);
    void PlaceMarkers(int total, int start, int end);
    void ShowTimesInEdits(int start, int end);
    void SetEditIntIfDifferent(int id, int value);
    // Hours and minutes of two edits, in seconds.
    int ReadTime(int hoursId, int minutesId) const;
    bool EditHasFocus() const;
    void ShowMessage(UINT stringId);
    void End(INT_PTR result);

    CTriangleElement m_StartMarker;
    CTextElement m_StartLabel;
    CTriangleElement m_EndMarker;
    CTextElement m_EndLabel;
    CRangeSlider m_Slider;
    CElementList m_Elements;
    const CDeviceProgram m_SavedProgram;
    CDeviceProgram* m_pProgram;
    int m_ProgramIndex;
    // While set, leaving an edit applies nothing.
    bool m_fUpdating = false;
    // Set once the dialog is ending: the edits losing the focus then must
    // not apply their values over what OK or Cancel left in the record.
    bool m_fEnding = false;
    ISegmentDialogHost* m_pHost;
    HWND m_hWnd = nullptr;
};

#endif
