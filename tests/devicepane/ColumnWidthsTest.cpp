#include "support/PaneHost.h"

#include "devicepane/ColumnWidths.h"
#include "res/resource.h"

namespace {

using ColumnWidthsTest = PaneTest;

// A report column's width, whatever the view type, after setting it to
// `set` when that is not -1.
int Width(HWND list, int column, int set = -1) {
    LVCOLUMNA info{};
    info.mask = LVCF_WIDTH;
    info.cx = set;
    if (set != -1) SendMessageA(list, LVM_SETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
    SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
    return info.cx;
}

// The stored width; -1 when there is none.
constexpr char kColumns[] = "Software\\Tessaly\\Manager\\Settings\\DevicePane\\Columns";
int Stored(UINT titleId) {
    DWORD value = 0, size = sizeof value;
    const LSTATUS status =
        RegGetValueA(HKEY_CURRENT_USER, kColumns, Text(titleId).c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size);
    return status == ERROR_SUCCESS ? static_cast<int>(value) : -1;
}

void Store(UINT titleId, const void* data, DWORD size, DWORD type = REG_DWORD) {
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueA(HKEY_CURRENT_USER, kColumns, Text(titleId).c_str(), type, data, size));
}

// Without a key the pane shows its defaults and writes them at destruction;
// stored widths come back, and a zero width (or one of another type) is
// neither read nor saved.
TEST_F(ColumnWidthsTest, StoredWidthsComeBackAndZeroWidthsAreNeitherReadNorSaved) {
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, ColumnWidths::kKeyPath));
    int defaults[4];
    for (int column = 0; column < 4; ++column) defaults[column] = Width(List(), column);
    ClosePane();
    for (int column = 0; column < 4; ++column) EXPECT_EQ(defaults[column], Stored(IDS_COLUMN_TITLE + column));

    const DWORD title = 111, zero = 0, segment = 333;
    const ULONGLONG tooLong = 444;
    Store(IDS_COLUMN_TITLE, &title, sizeof title);
    Store(IDS_COLUMN_PLAYING_TIME, &zero, sizeof zero);
    Store(IDS_COLUMN_SEGMENT_ON_PLAYER, &segment, sizeof segment);
    Store(IDS_COLUMN_SIZE_ON_PLAYER, &tooLong, sizeof tooLong, REG_QWORD);
    OpenPane();
    EXPECT_EQ(111, Width(List(), 0));
    EXPECT_EQ(defaults[1], Width(List(), 1));
    EXPECT_EQ(333, Width(List(), 2));
    EXPECT_EQ(defaults[3], Width(List(), 3));

    // Closed in the CD view, with one column dragged shut: the device view's
    // titles hold the widths, and the shut column keeps its stored value.
    ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(CDBURN_VIEW));
    Width(List(), 0, 150);
    Width(List(), 2, 0);
    ClosePane();
    EXPECT_EQ(150, Stored(IDS_COLUMN_TITLE));
    EXPECT_EQ(333, Stored(IDS_COLUMN_SEGMENT_ON_PLAYER));
    EXPECT_EQ(-1, Stored(IDS_COLUMN_SEGMENT_ON_CD));
    EXPECT_EQ(defaults[3], Stored(IDS_COLUMN_SIZE_ON_PLAYER));
}

}  // namespace
