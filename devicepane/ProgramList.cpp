#include "devicepane/ProgramList.h"

#include <cstring>
#include <string>

#include "devicepane/ColumnWidths.h"
#include "devicepane/PaneTexts.h"
#include "devicepane/ReadableString.h"
#include "format/TextFormat.h"
#include "module/ResourceString.h"
#include "res/resource.h"
#include "segment/RangeCell.h"
#include "segment/RangeMath.h"

namespace {

// Items past the hundredth all go in at this index (the list appends an
// index beyond its count): hosts have come to rely on that order.
constexpr int kInsertionIndex = 100;
// Notify item draw and notify post-erase.
constexpr LRESULT kWantItemNotifications = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTERASE;
constexpr DWORD kExtendedStyles = LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;
const char kBackgroundAddress[] = "res://Kestrel.dll/" RES_TYPE_IMAGE "/" RES_LIST_BACKGROUND;

UINT ColumnTitleId(int column, DISPLAY_MODE mode) {
    if (mode == CDBURN_VIEW && column == 2) return IDS_COLUMN_SEGMENT_ON_CD;
    if (mode == CDBURN_VIEW && column == 3) return IDS_COLUMN_CD_REQUIRED;
    return IDS_COLUMN_TITLE + column;
}

}  // namespace

bool CProgramList::Create(HWND pane) {
    const std::string text = LoadResourceString(IDS_LIST_WINDOW_TEXT);
    m_hWndList = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, text.c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LVS_LIST, 0, 0, 0, 0,
                                 pane, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), nullptr, nullptr);
    if (m_hWndList == nullptr) return false;
    m_pfnListProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(m_hWndList, GWLP_WNDPROC));
    m_bDirectCalls = IsWindowUnicode(m_hWndList) != FALSE;
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, kExtendedStyles, kExtendedStyles);
    for (int column = 0; column < ColumnWidths::kColumnCount; ++column) {
        std::string title = ColumnWidths::ValueName(column);
        LVCOLUMNA info{};
        info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        info.fmt = LVCFMT_LEFT;
        info.cx = ColumnWidths::Read(title, ColumnWidths::DefaultWidth(column));
        info.pszText = title.data();
        Send(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
    }
    return true;
}

void CProgramList::Detach() {
    m_hWndList = nullptr;
    m_pfnListProc = nullptr;
    m_Records.FreeAll();
}

LRESULT CProgramList::Send(UINT message, WPARAM wp, LPARAM lp) const {
    // The procedure of a Unicode window, read with GetWindowLongPtrW, is the
    // function itself; CallWindowProcW costs Wine a round trip to its server.
    if (m_bDirectCalls) return m_pfnListProc(m_hWndList, message, wp, lp);
    return CallWindowProcW(m_pfnListProc, m_hWndList, message, wp, lp);
}

long CProgramList::Count() const { return m_hWndList ? static_cast<long>(Send(LVM_GETITEMCOUNT, 0, 0)) : 0; }

void CProgramList::SetCellText(int item, int column, const std::string& text) {
    std::string cell = text;
    LVITEMA info{};
    info.iSubItem = column;
    info.pszText = cell.data();
    Send(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&info));
}

HRESULT CProgramList::Add(const CDeviceProgram& program, DISPLAY_MODE mode, INT64 cdCapacity) {
    if (m_hWndList == nullptr) return E_FAIL;
    CDeviceProgram* copy = m_Records.Add(program);
    if (copy == nullptr) return E_OUTOFMEMORY;
    std::string title = PaneTexts::ArrayText(program.m_szTitle);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = kInsertionIndex;
    item.pszText = title.data();
    item.iImage = program.m_CodecIconIndex;
    item.lParam = reinterpret_cast<LPARAM>(copy);
    const int index = static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0) {
        m_Records.Free(copy);
        return E_FAIL;
    }

    Send(LVM_ENSUREVISIBLE, index, FALSE);
    SetCellText(index, 1, PaneTexts::AddedTimeCell(program.m_TimeOnDevice));
    SetCellText(index, 3,
                mode == CDBURN_VIEW ? PaneTexts::CdCountCell(program.m_TotalTime, cdCapacity)
                                    : FormatSize(program.m_SizeOnDevice));
    EnsureFocusedItemVisible();
    return S_OK;
}

void CProgramList::Update(int index, const CDeviceProgram& program, bool repaint, DISPLAY_MODE mode) {
    if (index < 0 || index >= Count()) return;
    SetCellText(index, 1, PaneTexts::UpdatedTimeCell(program.m_TimeOnDevice));
    if (mode != CDBURN_VIEW)
        SetCellText(index, 3, PaneTexts::MegabyteCell(program.m_SizeOnDevice, LoadResourceString(IDS_SIZE_MB)));
    if (!repaint) return;
    CDeviceProgram* stored = Record(index);
    if (stored != nullptr && stored != &program) std::memmove(stored, &program, sizeof program);
    RECT cell{};
    cell.top = kSegmentColumn;
    cell.left = LVIR_BOUNDS;
    Send(LVM_GETSUBITEMRECT, index, reinterpret_cast<LPARAM>(&cell));
    UpdateWindow(m_hWndList);
    InvalidateRect(m_hWndList, &cell, TRUE);
}

HRESULT CProgramList::Remove(int index) {
    if (index >= Count()) return S_FALSE;
    if (index < 0) return S_OK;
    m_Records.Free(Record(index));
    Send(LVM_DELETEITEM, index, 0);
    return S_OK;
}

void CProgramList::RemoveAll() {
    if (Count() == 0) return;
    m_Records.FreeAll();
    Send(LVM_DELETEALLITEMS, 0, 0);
}

CDeviceProgram* CProgramList::Record(int index) const {
    if (m_hWndList == nullptr) return nullptr;
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<CDeviceProgram*>(item.lParam);
}

long CProgramList::SelectedCount() const {
    if (m_hWndList == nullptr || GetFocus() != m_hWndList) return 0;
    return static_cast<long>(Send(LVM_GETSELECTEDCOUNT, 0, 0));
}

void CProgramList::SelectedItems(int* items, int size) const {
    if (m_hWndList == nullptr) return;
    int written = 0;
    int item = -1;
    while (written < size && (item = static_cast<int>(Send(LVM_GETNEXTITEM, item, LVNI_SELECTED))) >= 0)
        items[written++] = item;
}

void CProgramList::SetImageList(HIMAGELIST images) {
    if (m_hWndList) Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

HRESULT CProgramList::SetRedraw(bool redraw) {
    if (m_hWndList == nullptr) return E_FAIL;
    SendMessageA(m_hWndList, WM_SETREDRAW, redraw, 0);
    if (redraw) InvalidateRect(m_hWndList, nullptr, TRUE);
    return S_OK;
}

void CProgramList::RedrawRow(int item) { Send(LVM_REDRAWITEMS, item, item); }

void CProgramList::SetTransferProgram(const char* name) {
    int found = -1;
    if (IsReadableString(name)) {
        const long count = Count();
        for (int i = 0; i < count && found < 0; ++i) {
            const CDeviceProgram* record = Record(i);
            if (record != nullptr && lstrcmpiA(PaneTexts::ArrayText(record->m_szTitle).c_str(), name) == 0) found = i;
        }
    }
    if (found == m_nTransferProgramIndex) return;
    const int old = m_nTransferProgramIndex;
    m_nTransferProgramIndex = found;
    if (m_hWndList == nullptr) return;
    if (old != -1) RedrawRow(old);
    if (found != -1) {
        Send(LVM_ENSUREVISIBLE, found, FALSE);
        RedrawRow(found);
    }
}

void CProgramList::EnsureFocusedItemVisible() {
    if (m_hWndList == nullptr) return;
    int item = static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    LVITEMA state{};
    if (item < 0) {
        if (Count() == 0) return;
        item = 0;
        state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    } else {
        state.state = state.stateMask = LVIS_FOCUSED;
    }
    Send(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
    Send(LVM_ENSUREVISIBLE, item, FALSE);
}

void CProgramList::SetColumnTitles(DISPLAY_MODE mode) {
    if (m_hWndList == nullptr) return;
    for (int column = 0; column < ColumnWidths::kColumnCount; ++column) {
        std::string title = LoadResourceString(ColumnTitleId(column, mode));
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT;
        info.pszText = title.data();
        Send(LVM_SETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
    }
}

void CProgramList::SetBackground(DISPLAY_MODE mode) {
    if (m_hWndList == nullptr) return;
    char address[sizeof kBackgroundAddress];
    std::memcpy(address, kBackgroundAddress, sizeof address);
    LVBKIMAGEA image{};
    if (mode == TRANSFER_LIST_VIEW) {
        image.ulFlags = LVBKIF_SOURCE_URL | LVBKIF_STYLE_NORMAL;
        image.pszImage = address;
        image.xOffsetPercent = 50;
        image.yOffsetPercent = 50;
    } else {
        image.ulFlags = LVBKIF_SOURCE_NONE;
    }
    Send(LVM_SETBKIMAGEA, 0, reinterpret_cast<LPARAM>(&image));
}

void CProgramList::SetConnectedView(bool connected) {
    if (m_hWndList == nullptr) return;
    LONG_PTR style = GetWindowLongPtrA(m_hWndList, GWL_STYLE);
    style = connected ? ((style & ~LONG_PTR{2}) | 1) : (style | LVS_TYPEMASK);
    SetWindowLongPtrA(m_hWndList, GWL_STYLE, style);
}

LRESULT CProgramList::OnCustomDraw(NMLVCUSTOMDRAW& draw, DISPLAY_MODE mode) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return kWantItemNotifications;
        case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            const int item = static_cast<int>(draw.nmcd.dwItemSpec);
            if (draw.iSubItem != kSegmentColumn) {
                if (item != m_nTransferProgramIndex || m_hFontBold == nullptr) return CDRF_DODEFAULT;
                SelectObject(draw.nmcd.hdc, m_hFontBold);
                return CDRF_NEWFONT;
            }
            const CDeviceProgram* record = Record(item);
            if (record == nullptr || record->m_TimeOnDevice == 0 || record->m_fCanProgramBeResized == 0)
                return CDRF_DODEFAULT;
            const RECT bar = SegmentCellRect(item);
            DrawRangeCell(draw.nmcd.hdc, bar.left, bar.top, bar.right, bar.bottom, record->m_ProgramStart,
                          record->m_TimeOnDevice, record->m_TotalTime,
                          range::SegmentEnd(record->m_ProgramStart, record->m_PlayBackPos), mode != DEVICE_VIEW);
            return CDRF_SKIPDEFAULT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

void CProgramList::OnKillFocus() {
    const int item = static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (item >= 0) RedrawRow(item);
}

LVHITTESTINFO CProgramList::HitTest(POINT point) const {
    LVHITTESTINFO hit{};
    hit.pt = point;
    hit.iItem = -1;
    if (m_hWndList == nullptr || Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0) hit.iItem = -1;
    return hit;
}

RECT CProgramList::SegmentCellRect(int item) const {
    // The list reports cells in client coordinates, horizontal scrolling
    // included.
    RECT cell{};
    cell.top = kSegmentColumn;
    cell.left = LVIR_BOUNDS;
    Send(LVM_GETSUBITEMRECT, item, reinterpret_cast<LPARAM>(&cell));
    RECT row{};
    row.left = LVIR_BOUNDS;
    Send(LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&row));
    RECT bar{cell.left, row.top, cell.right, row.bottom};
    InflateRect(&bar, -1, -1);
    return bar;
}
