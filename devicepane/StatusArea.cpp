#include "devicepane/StatusArea.h"

#include <iterator>

#include "devicepane/PaneLayout.h"
#include "draw/GdiHandles.h"
#include "module/Module.h"
#include "module/ResourceString.h"
#include "res/resource.h"

CStatusArea::CStatusArea()
    : m_FreeSwatch(Module::Instance(), IDB_FREE_SWATCH), m_UsedSwatch(Module::Instance(), IDB_USED_SWATCH) {
    m_StatusMessage.SetColor(PaneTexts::kStatusRed);
    for (CDrawElement* element : std::initializer_list<CDrawElement*>{
             &m_DeviceNameText, &m_UsedText, &m_FreeText, &m_FreeSwatch, &m_UsedSwatch, &m_TotalText,
             &m_DeviceImageIcon, &m_MemoryGauge, &m_MemoryLabelText, &m_DefaultDeviceIcon, &m_AboutDeviceText})
        m_Elements.Add(element);
}

void CStatusArea::Attach(HWND pane, HWND list, HFONT listFont, HFONT boldFont, GdiObject<HFONT> largeFont) {
    m_Elements.SetOwnerAll(pane);
    m_StatusMessage.SetOwner(list);
    m_hFontList = listFont;
    for (CTextElement* text : {&m_DeviceNameText, &m_UsedText, &m_FreeText, &m_TotalText, &m_MemoryLabelText})
        text->SetFont(listFont);
    m_MemoryLabelText.SetText(LoadResourceString(IDS_DEVICE_MEMORY_LABEL));
    m_StatusMessage.SetFont(std::move(largeFont));

    // The element keeps a copy of the icon.
    IconHandle icon(
        static_cast<HICON>(LoadImageA(Module::Instance(), MAKEINTRESOURCEA(IDI_DEFAULT_DEVICE), IMAGE_ICON, 0, 0, 0)));
    m_DefaultDeviceIcon.SetIcon(icon.Get());
    m_DefaultDeviceIcon.SetVisible(false);

    m_AboutDeviceText.SetFont(boldFont);
    m_AboutDeviceText.SetText(LoadResourceString(IDS_ABOUT_DEVICE));
    m_AboutDeviceText.SetVisible(false);
}

void CStatusArea::Detach() {
    m_Elements.SetOwnerAll(nullptr);
    m_StatusMessage.SetOwner(nullptr);
    m_AboutDeviceText.SetFont(nullptr);
}

void CStatusArea::Paint(HDC dc) {
    const CObjectSelection font(dc, m_hFontList);
    m_Elements.DrawAll(dc, nullptr);
}

namespace {

int Bottom(const CDrawElement& element) {
    RECT rect;
    return element.GetRect(rect).bottom;
}

int Width(const CDrawElement& element) {
    RECT rect;
    element.GetRect(rect);
    return rect.right - rect.left;
}

void MoveToLeft(CDrawElement& element, int left) {
    RECT rect;
    element.GetRect(rect);
    element.MoveTo(left, rect.top);
}

}  // namespace

int CStatusArea::Place(DISPLAY_MODE mode, HWND pluginWindow) {
    using namespace PaneLayout;
    m_DeviceNameText.MoveTo(kDeviceNameOrigin.x, kDeviceNameOrigin.y);
    RECT name;
    m_DeviceNameText.GetRect(name);
    int y0 = kDefaultMemoryTop;
    HWND pane = m_DeviceNameText.GetOwner();
    if (mode != TRANSFER_LIST_VIEW && pluginWindow != nullptr) {
        SetWindowPos(pluginWindow, nullptr, name.left, name.bottom, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT plugin;
        GetWindowRect(pluginWindow, &plugin);
        MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&plugin), 2);
        y0 = MemoryBlockTop(plugin.bottom);
    } else {
        m_DeviceImageIcon.MoveTo(kPictureLeft, name.bottom + kPictureGap);
        m_DefaultDeviceIcon.MoveTo(kPictureLeft, name.bottom + kPictureGap);
        y0 = MemoryBlockTop(
            Bottom(mode == TRANSFER_LIST_VIEW ? static_cast<CDrawElement&>(m_DefaultDeviceIcon) : m_DeviceImageIcon));
    }

    CDrawElement* const block[MEMORY_BLOCK_SIZE] = {&m_MemoryLabelText, &m_UsedSwatch,     &m_UsedText,
                                                    &m_FreeSwatch,      &m_FreeText,       &m_MemoryGauge,
                                                    &m_TotalText,       &m_AboutDeviceText};
    for (int i = 0; i < MEMORY_BLOCK_SIZE; ++i) {
        const CPanePoint origin = MemoryBlockOrigin(static_cast<MemoryBlockElement>(i), y0);
        block[i]->MoveTo(origin.x, origin.y);
        if (block[i] == &m_MemoryGauge) m_MemoryGauge.SetSize(kGaugeWidth, kGaugeHeight);
    }

    // Hidden elements count as well: the list does not move when they show.
    const CDrawElement* const all[] = {&m_DeviceNameText,  &m_UsedText,          &m_FreeText,        &m_FreeSwatch,
                                       &m_UsedSwatch,      &m_TotalText,         &m_DeviceImageIcon, &m_MemoryGauge,
                                       &m_MemoryLabelText, &m_DefaultDeviceIcon, &m_AboutDeviceText};
    int rights[std::size(all) + 1];
    size_t count = 0;
    for (const CDrawElement* element : all) {
        RECT rect;
        rights[count++] = element->GetRect(rect).right;
    }
    if (pluginWindow != nullptr) {
        RECT plugin;
        GetWindowRect(pluginWindow, &plugin);
        MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&plugin), 2);
        rights[count++] = plugin.right;
    }
    return ListLeft(StatusAreaWidth(rights, count));
}

void CStatusArea::Centre(int listLeft) {
    for (CDrawElement* element :
         std::initializer_list<CDrawElement*>{&m_MemoryGauge, &m_DeviceImageIcon, &m_DefaultDeviceIcon})
        MoveToLeft(*element, PaneLayout::CentredLeft(listLeft, Width(*element)));
}

void CStatusArea::ShowFor(DISPLAY_MODE mode) {
    m_MemoryLabelText.SetText(LoadResourceString(mode == CDBURN_VIEW ? IDS_CD_USAGE_LABEL : IDS_DEVICE_MEMORY_LABEL));
    m_DeviceImageIcon.SetVisible(mode != TRANSFER_LIST_VIEW);
    m_AboutDeviceText.SetVisible(mode == CDBURN_VIEW);
    m_DeviceNameText.SetVisible(mode != CDBURN_VIEW);
    m_DefaultDeviceIcon.SetVisible(mode == TRANSFER_LIST_VIEW);
}

void CStatusArea::SetMemoryLines(const PaneTexts::CMemoryLines& lines) {
    m_UsedText.SetText(lines.used);
    m_FreeText.SetText(lines.free);
    m_TotalText.SetText(lines.total);
}
