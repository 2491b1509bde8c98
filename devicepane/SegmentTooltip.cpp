#include "devicepane/SegmentTooltip.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "devicepane/ProgramList.h"
#include "module/Module.h"
#include "module/ResourceString.h"
#include "res/resource.h"

namespace {

// TTTOOLINFOA_V2_SIZE, the structure up to and with lParam, as a constant.
constexpr UINT kToolInfoSize = offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM);
#ifndef _WIN64
static_assert(kToolInfoSize == 44, "the tool structure with its lParam (i686)");
#endif

}  // namespace

void CSegmentTooltip::Create(HWND list) {
    m_hWndList = list;
    m_hWndTip = CreateWindowExA(WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, "", WS_POPUP | WS_BORDER | WS_CLIPSIBLINGS, 0, 0, 0,
                                0, list, nullptr, Module::Instance(), nullptr);
    if (m_hWndTip == nullptr) return;
    TTTOOLINFOA tool{};
    tool.cbSize = kToolInfoSize;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = list;
    tool.uId = reinterpret_cast<UINT_PTR>(list);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(m_hWndTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(m_hWndTip, TTM_ACTIVATE, TRUE, 0);
}

void CSegmentTooltip::Destroy() {
    if (m_hWndTip != nullptr) DestroyWindow(m_hWndTip);
    m_hWndTip = nullptr;
    m_hWndList = nullptr;
    m_nLastItem = m_nLastColumn = -1;
}

void CSegmentTooltip::Track(POINT point) {
    const LVHITTESTINFO hit = m_list.HitTest(point);
    if (hit.iItem == m_nLastItem && hit.iSubItem == m_nLastColumn) return;
    if (m_hWndTip) SendMessageA(m_hWndTip, TTM_UPDATE, 0, 0);
    m_nLastItem = hit.iItem;
    m_nLastColumn = hit.iSubItem;
}

std::string CSegmentTooltip::TextAtCursor(DISPLAY_MODE mode, const std::string& deviceName) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(m_hWndList, &cursor);
    const LVHITTESTINFO hit = m_list.HitTest(cursor);
    m_nLastItem = hit.iItem;
    m_nLastColumn = hit.iSubItem;
    if (hit.iItem < 0 || hit.iSubItem != CProgramList::kSegmentColumn) return std::string();
    SendMessageA(m_hWndTip, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    const CDeviceProgram* record = m_list.Record(hit.iItem);
    if (record == nullptr) return std::string();
    const std::string tmpl =
        LoadResourceString(mode == DEVICE_VIEW ? IDS_SEGMENT_TIP_ON_DEVICE : IDS_SEGMENT_TIP_AFTER_TRANSFER);
    return PaneTexts::SegmentTip(tmpl, deviceName, record->m_ProgramStart, record->m_TimeOnDevice,
                                 record->m_PlayBackPos, record->m_fCanProgramBeResized != 0);
}

bool CSegmentTooltip::OnGetDispInfo(NMHDR& header, DISPLAY_MODE mode, const std::string& deviceName) {
    if (m_hWndTip == nullptr || header.hwndFrom != m_hWndTip) return false;
    const std::string text = TextAtCursor(mode, deviceName);
    const size_t length = std::min(text.size(), sizeof m_szText - 1);
    std::memcpy(m_szText, text.data(), length);
    m_szText[length] = '\0';
    if (header.code == TTN_GETDISPINFOA) {
        auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
        info.lpszText = m_szText;
        info.hinst = nullptr;
    } else {
        if (MultiByteToWideChar(CP_ACP, 0, m_szText, -1, m_wszText, PaneTexts::kTooltipCapacity) == 0)
            m_wszText[0] = L'\0';
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        info.lpszText = m_wszText;
        info.hinst = nullptr;
    }
    return true;
}
