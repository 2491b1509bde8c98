// Identifiers of the module's resources, shared by the .rc files and the
// code. The numbers are part of the module's outside contract: hosts and
// older tools look resources up by them, so they never change.
#ifndef KESTREL_RESOURCE_H
#define KESTREL_RESOURCE_H

// String table (loaded through module/ResourceString.h).
#define IDS_SEGMENT_START_NOT_BEFORE_END 101
#define IDS_SEGMENT_START_BEYOND_PROGRAM 102
#define IDS_SEGMENT_TIP_ON_DEVICE 103
#define IDS_SEGMENT_TIP_AFTER_TRANSFER 104
#define IDS_COLUMN_TITLE 105
#define IDS_COLUMN_PLAYING_TIME 106
#define IDS_COLUMN_SEGMENT_ON_PLAYER 107
#define IDS_COLUMN_SIZE_ON_PLAYER 108
#define IDS_COLUMN_SEGMENT_ON_CD 109
#define IDS_COLUMN_CD_REQUIRED 110
#define IDS_LIST_WINDOW_TEXT 111
#define IDS_DEVICE_MEMORY_LABEL 112
#define IDS_ABOUT_DEVICE 113
#define IDS_NO_DEVICE 114
#define IDS_STATUS_CONNECTED 115
#define IDS_STATUS_NOT_CONNECTED 116
#define IDS_STATUS_READING 117
#define IDS_USED_MB 118
#define IDS_CD_USAGE_LABEL 119
#define IDS_ACC_DEVICE_STATUS 120
#define IDS_ACC_PROGRAMS_ON_DEVICE 121
#define IDS_ACC_NO_DEVICE_SELECTED 122
#define IDS_ACC_NOT_CONNECTED 123
#define IDS_ACC_PROGRAM_DESCRIPTION 124
#define IDS_USED_LABEL 125
#define IDS_FREE_LABEL 126
#define IDS_TOTAL_LABEL 127
#define IDS_FREE_MB 128
#define IDS_TOTAL_MB 129
#define IDS_SIZE_MB 130

#define IDS_FIRST IDS_SEGMENT_START_NOT_BEFORE_END
#define IDS_LAST IDS_SIZE_MB

// Segment selection dialog and its controls.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define IDD_SEGMENT 111
#define IDC_START_HOURS 1123
#define IDC_START_MINUTES 1124
#define IDC_END_HOURS 1125
#define IDC_END_MINUTES 1126
#define IDC_SLIDER_PLACE 208
#define IDC_SEGMENT_SIZE 209
#define IDC_SEGMENT_LENGTH 210
#define IDC_PLAY_STOP 202

// Context menu of the program list; the pane uses its first popup.
#define IDR_PROGRAM_MENU 204
#define ID_PROGRAM_DELETE 32768
#define ID_PROGRAM_SHOW_DETAILS 32769

// Details templates (resource type 23, RT_HTML).
#define IDH_SEGMENT_DETAILS 208
#define IDH_FILE_INFORMATION 215

// Pictures of the device pane.
#define IDB_USED_SWATCH 202
#define IDB_FREE_SWATCH 203
#define IDI_DEFAULT_DEVICE 214

// The list background is reached by name through the res: protocol
// ("res://Kestrel.dll/IMAGE/TRANSFER_LIST_BACKGROUND.GIF"), so it carries a
// string name and a custom type rather than numbers.
#define RES_TYPE_IMAGE "IMAGE"
#define RES_LIST_BACKGROUND "TRANSFER_LIST_BACKGROUND.GIF"

#endif
