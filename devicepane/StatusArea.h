// The status area on the left of the device pane: device name, picture,
// memory lines and gauge, about text, all drawing elements painted by the
// pane, plus the status message that the list shows while no device is
// connected. The elements are members; the collection lists them in
// painting order.
#ifndef KESTREL_STATUS_AREA_H
#define KESTREL_STATUS_AREA_H

#include <windows.h>

#include "devicepane/PaneTexts.h"
#include "draw/BitmapElement.h"
#include "draw/ElementList.h"
#include "draw/GaugeElement.h"
#include "draw/IconElement.h"
#include "draw/TextElement.h"
#include "draw/WrappedTextElement.h"
#include "module/Kestrel.h"

class CStatusArea {
  public:
    CStatusArea();
    CStatusArea(const CStatusArea&) = delete;
    CStatusArea& operator=(const CStatusArea&) = delete;

    // Owners and fonts, once the pane and its list exist (the list may not).
    void Attach(HWND pane, HWND list, HFONT listFont, HFONT boldFont, GdiObject<HFONT> largeFont);
    // The windows are going: nothing is invalidated from now on.
    void Detach();
    void Paint(HDC dc);

    // Places the device name, the picture (or the plug-in's window) and the
    // memory block; returns the list's left edge.
    int Place(DISPLAY_MODE mode, HWND pluginWindow);
    // Centres the gauge and both pictures left of the list.
    void Centre(int listLeft);
    // What the mode shows and hides, and the memory label.
    void ShowFor(DISPLAY_MODE mode);
    void SetMemoryLines(const PaneTexts::CMemoryLines& lines);

    CTextElement m_DeviceNameText;
    CTextElement m_UsedText;
    CTextElement m_FreeText;
    CBitmapElement m_FreeSwatch;
    CBitmapElement m_UsedSwatch;
    CTextElement m_TotalText;
    CIconElement m_DeviceImageIcon;
    CGaugeElement m_MemoryGauge;
    CTextElement m_MemoryLabelText;
    CIconElement m_DefaultDeviceIcon;
    CTextElement m_AboutDeviceText;
    // Drawn by the list, not in the collection.
    CWrappedTextElement m_StatusMessage;

  private:
    CElementList m_Elements;
    HFONT m_hFontList = nullptr;
};

#endif
