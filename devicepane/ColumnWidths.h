// Widths of the program list's columns, kept per user in the registry under
// the column titles of the device view in the current language (so a change
// of language starts from the defaults). Read when the list is created,
// written when the pane's window is destroyed; every registry failure falls
// back silently.
#ifndef KESTREL_COLUMN_WIDTHS_H
#define KESTREL_COLUMN_WIDTHS_H

#include <windows.h>

#include <string>

namespace ColumnWidths {

constexpr int kColumnCount = 4;
extern const wchar_t kKeyPath[];  // under HKEY_CURRENT_USER

// The value name of a column: its title in the device view (strings 105-108).
std::string ValueName(int column);
int DefaultWidth(int column);
// The stored width, or `defaultWidth` when it is missing, unreadable or 0.
int Read(const std::string& name, int defaultWidth);
// Stores each column's width, except widths of 0 and columns the list
// cannot report, which keep their stored value.
void Save(HWND list);

}  // namespace ColumnWidths

#endif
