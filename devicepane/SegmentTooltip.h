// The tooltip of the program list: one tool covering the whole list whose
// text, asked for cell by cell, describes the segment under the pointer.
#ifndef KESTREL_SEGMENT_TOOLTIP_H
#define KESTREL_SEGMENT_TOOLTIP_H

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "devicepane/PaneTexts.h"
#include "module/Kestrel.h"

class CProgramList;

class CSegmentTooltip {
  public:
    static constexpr int kMaxTipWidth = 550;

    explicit CSegmentTooltip(const CProgramList& list) : m_list(list) {}
    CSegmentTooltip(const CSegmentTooltip&) = delete;
    CSegmentTooltip& operator=(const CSegmentTooltip&) = delete;

    void Create(HWND list);
    // The list is going. The tooltip goes too: the system makes a popup's
    // owner the top-level window, which outlives the pane.
    void Destroy();
    HWND Window() const { return m_hWndTip; }

    // A mouse move over the list: a new cell makes the tooltip ask again.
    void Track(POINT point);
    // Answers the tooltip's text request (8-bit or 16-bit); false for the
    // requests of other tooltips, such as the list's own info tips.
    bool OnGetDispInfo(NMHDR& header, DISPLAY_MODE mode, const std::string& deviceName);

  private:
    std::string TextAtCursor(DISPLAY_MODE mode, const std::string& deviceName);

    const CProgramList& m_list;
    HWND m_hWndTip = nullptr;
    HWND m_hWndList = nullptr;
    int m_nLastItem = -1;
    int m_nLastColumn = -1;
    char m_szText[PaneTexts::kTooltipCapacity] = {};
    wchar_t m_wszText[PaneTexts::kTooltipCapacity] = {};
};

#endif
