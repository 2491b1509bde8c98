#include "devicepane/ColumnWidths.h"

#include <commctrl.h>

#include "module/RegKey.h"
#include "module/ResourceString.h"
#include "res/resource.h"

namespace ColumnWidths {

const wchar_t kKeyPath[] = L"Software\\Tessaly\\Manager\\Settings\\DevicePane\\Columns";

std::string ValueName(int column) { return LoadResourceString(IDS_COLUMN_TITLE + column); }

int DefaultWidth(int column) {
    static const int kDefaults[kColumnCount] = {280, 80, 240, 30};
    return column >= 0 && column < kColumnCount ? kDefaults[column] : 0;
}

int Read(const std::string& name, int defaultWidth) {
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, kKeyPath, KEY_READ) != ERROR_SUCCESS) return defaultWidth;
    // A value longer than 4 bytes fails to fit and leaves the buffer at 0.
    DWORD width = 0;
    DWORD size = sizeof width;
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&width), &size) !=
        ERROR_SUCCESS)
        width = 0;
    return width != 0 ? static_cast<int>(width) : defaultWidth;
}

void Save(HWND list) {
    CRegKey key;
    if (key.Create(HKEY_CURRENT_USER, kKeyPath, KEY_WRITE) != ERROR_SUCCESS) return;
    for (int column = 0; column < kColumnCount; ++column) {
        // The column's own width: LVM_GETCOLUMNWIDTH answers the item width
        // of the list view type, which the pane shows while not connected.
        LVCOLUMNA info{};
        info.mask = LVCF_WIDTH;
        if (!SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info)) || info.cx <= 0) continue;
        const DWORD width = static_cast<DWORD>(info.cx);
        RegSetValueExA(key.Get(), ValueName(column).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&width),
                       sizeof width);
    }
}

}  // namespace ColumnWidths
