// The program list: the list view on the right of the device pane. Each row
// owns a copy of the host's record in its item data; the list formats the
// cells, paints the segment column as a range bar and the row of the program
// being transferred in bold.
//
// The pane's own requests go straight to the list view's window procedure:
// no subclass of the list (the pane's, the tooltip's) handles them, and
// under Wine every pass through the subclass chain costs several round
// trips to its server, a hundred times the list's own work.
#ifndef KESTREL_PROGRAM_LIST_H
#define KESTREL_PROGRAM_LIST_H

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "devicepane/ProgramRecords.h"
#include "module/Kestrel.h"

class CProgramList {
  public:
    static constexpr int kControlId = 101;
    static constexpr int kSegmentColumn = 2;

    CProgramList() = default;
    CProgramList(const CProgramList&) = delete;
    CProgramList& operator=(const CProgramList&) = delete;

    // Creates the list view in `pane` with its four columns at their stored
    // widths. False when the list could not be created: every operation
    // then acts on nothing.
    bool Create(HWND pane);
    HWND Window() const { return m_hWndList; }
    // The list window is going, with its rows: their records go too.
    void Detach();
    void SetBoldFont(HFONT font) { m_hFontBold = font; }

    long Count() const;
    // E_FAIL when the list refuses the item. The CD count needs the CD's
    // capacity, which the device status holds.
    HRESULT Add(const CDeviceProgram& program, DISPLAY_MODE mode, INT64 cdCapacity);
    void Update(int index, const CDeviceProgram& program, bool repaint, DISPLAY_MODE mode);
    HRESULT Remove(int index);
    // Frees every record, then deletes every row; the pane answers the
    // list's notice of a bulk deletion so that no row is notified alone.
    void RemoveAll();
    // The row's own record; null when there is no such row.
    CDeviceProgram* Record(int index) const;
    // Selected rows while the list has the keyboard focus, else 0.
    long SelectedCount() const;
    void SelectedItems(int* items, int size) const;
    void SetImageList(HIMAGELIST images);
    HRESULT SetRedraw(bool redraw);
    void SetTransferProgram(const char* name);
    void EnsureFocusedItemVisible();

    // What the display mode changes in the list.
    void SetColumnTitles(DISPLAY_MODE mode);
    void SetBackground(DISPLAY_MODE mode);
    // Report view (with headers) while connected, list view otherwise.
    void SetConnectedView(bool connected);

    // Custom draw notification of the list; `mode` decides the thumbs.
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw, DISPLAY_MODE mode);
    void OnKillFocus();

    // The row and column under a point of the list; item -1 when none.
    LVHITTESTINFO HitTest(POINT point) const;
    // A cell's bounds shrunk by one pixel on every side.
    RECT SegmentCellRect(int item) const;

  private:
    LRESULT Send(UINT message, WPARAM wp, LPARAM lp) const;
    void SetCellText(int item, int column, const std::string& text);
    void RedrawRow(int item);

    HWND m_hWndList = nullptr;
    WNDPROC m_pfnListProc = nullptr;  // the list view's own
    bool m_bDirectCalls = false;      // m_pfnListProc can be called as it is
    CProgramRecords m_Records;
    HFONT m_hFontBold = nullptr;  // the pane's
    int m_nTransferProgramIndex = -1;
};

#endif
