#include "devicepane/ProgramActions.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "devicepane/DeviceTransfer.h"
#include "devicepane/PaneSegmentDialog.h"
#include "draw/GdiHandles.h"
#include "format/DetailsDocument.h"
#include "module/Module.h"
#include "res/resource.h"

namespace ProgramActions {
namespace {

struct CMenuTraits {
    using Handle = HMENU;
    static void Close(HMENU menu) { ::DestroyMenu(menu); }
};
using LoadedMenu = CUniqueHandle<CMenuTraits>;

int FocusedSelectedItem(HWND list) {
    return static_cast<int>(
        ::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED | LVNI_SELECTED, 0)));
}

// The record an item stores: the pane's own copy.
CDeviceProgram* RecordOf(HWND list, int item) {
    LVITEMA entry{};
    entry.mask = LVIF_PARAM;
    entry.iItem = item;
    if (!::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry))) return nullptr;
    return reinterpret_cast<CDeviceProgram*>(entry.lParam);
}

// Any column of an item counts.
int ItemAt(HWND list, POINT client) {
    LVHITTESTINFO hit{};
    hit.pt = client;
    return static_cast<int>(::SendMessageA(list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

bool IsTransferMode(CDeviceTransfer& pane) {
    const long mode = pane.GetDisplayMode();
    return mode == TRANSFER_LIST_VIEW || mode == CDBURN_VIEW;
}

// The screen position packs x and y as signed 16-bit values: a monitor
// left of or above the primary one gives negative coordinates.
bool OnContextMenu(CDeviceTransfer& pane, HWND list, LPARAM position) {
    const POINT screen{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    POINT client = screen;
    ::ScreenToClient(list, &client);
    const int item = ItemAt(list, client);
    if (item == -1) return false;

    const LoadedMenu menu(::LoadMenuA(Module::Instance(), MAKEINTRESOURCEA(IDR_PROGRAM_MENU)));
    const HMENU popup = ::GetSubMenu(menu.Get(), 0);
    if (popup == nullptr) return true;
    if (IsTransferMode(pane)) {
        const CDeviceProgram* record = RecordOf(list, item);
        if (record == nullptr || record->m_fCanProgramBeResized == 0)
            ::DeleteMenu(popup, ID_PROGRAM_SHOW_DETAILS, MF_BYCOMMAND);
    }
    if (::GetMenuState(popup, ID_PROGRAM_SHOW_DETAILS, MF_BYCOMMAND) != static_cast<UINT>(-1))
        ::SetMenuDefaultItem(popup, ID_PROGRAM_SHOW_DETAILS, FALSE);
    const UINT command = static_cast<UINT>(::TrackPopupMenu(
        popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x, screen.y, 0, list, nullptr));
    if (command == ID_PROGRAM_SHOW_DETAILS)
        ShowDetails(pane, list, true);
    else if (command == ID_PROGRAM_DELETE)
        pane.FireDeleteSelectedProgramsRequest();
    return true;
}

// The menu key opens the menu just inside the lower left corner of the
// focused item.
bool OnMenuKey(CDeviceTransfer& pane, HWND list) {
    const int item = FocusedSelectedItem(list);
    if (item == -1) return false;
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    if (!::SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&bounds)))
        return false;
    ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
    return OnContextMenu(pane, list,
                         MAKELPARAM(static_cast<WORD>(bounds.left + 2), static_cast<WORD>(bounds.bottom - 2)));
}

bool OnKeyDown(CDeviceTransfer& pane, HWND list, WPARAM key) {
    switch (key) {
        case VK_RETURN:
            ShowDetails(pane, list, true);
            return true;
        case VK_DELETE:
            pane.FireDeleteSelectedProgramsRequest();
            return true;
        case VK_APPS:
            return OnMenuKey(pane, list);
        case VK_F5:
            pane.FireOnRefreshRequest();
            return true;
        default:
            return false;
    }
}

bool OnDoubleClick(CDeviceTransfer& pane, HWND list, LPARAM position) {
    const POINT client{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    if (ItemAt(list, client) == -1) return false;
    ShowDetails(pane, list, true);
    return true;
}

}  // namespace

bool OnListMessage(CDeviceTransfer& pane, HWND list, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
        case WM_CONTEXTMENU:
            return OnContextMenu(pane, list, lp);
        case WM_LBUTTONDBLCLK:
            return OnDoubleClick(pane, list, lp);
        case WM_KEYDOWN:
            return OnKeyDown(pane, list, wp);
        default:
            return false;
    }
}

void ShowDetails(CDeviceTransfer& pane, HWND list, bool byUser) {
    if (list == nullptr) return;
    const int item = FocusedSelectedItem(list);
    if (item == -1) return;
    CDeviceProgram* record = RecordOf(list, item);
    if (record == nullptr) return;
    if (!IsTransferMode(pane)) {
        const std::optional<std::string> document =
            BuildProgramDetails(record, pane.Status().m_DeviceNameText.GetText().c_str());
        if (document) pane.FireOnProgramDetailes(document->c_str(), byUser);
    } else if (byUser) {
        RunSegmentDialog(pane, record, item);
        // The segment cell shows what the dialog left in the record.
        ::SendMessageA(list, LVM_REDRAWITEMS, static_cast<WPARAM>(item), static_cast<LPARAM>(item));
    }
}

}  // namespace ProgramActions
