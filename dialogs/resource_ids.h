// Identifiers of the dialog templates and controls both programs show, and of kyz424lx's
// menu. Plain #defines, since the resource scripts include this file too.
#pragma once

// Menu "IDM_MENU".
#define IDM_FILE_NEW 40001
#define IDM_FILE_OPEN 40002
#define IDM_FILE_SAVE 40003
#define IDM_FILE_SAVE_AS 40004
#define IDM_EXIT 150
#define IDM_TITLE 40010
#define IDM_SCROLL_SPEED 40011
#define IDM_CHAR_COLOUR 40012
#define IDM_BACKGROUND_FILL 40013
#define IDM_CHAR_LEVEL 40049
#define IDM_DISPLAY_POSITION 40014
#define IDM_FINE_POSITION 40015
#define IDM_SEQUENCE_PAGES 40016
#define IDM_CLOCK_DATE 40017
#define IDM_SCHEDULE 40018
#define IDM_OTHER_SETTINGS 40019
#define IDM_ALARM 40020
#define IDM_REMOTE 40021
#define IDM_INTERFACE 40006
#define IDM_SERIAL_PORT 40007
#define IDM_CLIENT_SERVER 40179
#define IDM_TCP_IP 40008
#define IDM_ALL_ITEMS 40009
#define IDM_READ_BACK 40180
#define IDM_VERSION 152

// Dialog templates.
#define IDD_TCP_SERVER 101
#define IDD_VERSION 102
#define IDD_INTERFACE 104
#define IDD_ALL_ITEMS 105
#define IDD_SERIAL_PORT 106
#define IDD_TITLE 107
#define IDD_SCROLL_SPEED 108
#define IDD_OTHER_SETTINGS 109
#define IDD_CHAR_LEVEL 110
#define IDD_BACKGROUND_FILL 111
#define IDD_CHAR_COLOUR 112
#define IDD_DISPLAY_POSITION 113
#define IDD_FINE_POSITION 114
#define IDD_SEQUENCE_PAGES 115
#define IDD_CLOCK_DATE 116
#define IDD_SCHEDULE 117
#define IDD_ALARM 118
#define IDD_REMOTE 119
#define IDD_READ_BACK 123
#define IDD_CLIENT_SERVER 124
#define IDD_TCP_CLIENT 126
#define IDD_SHEET_TITLE 127  // kyz424's title page

// Controls shared by the five page-group dialogs.
#define IDC_SEND 40025
#define IDC_PAGE_GROUP 40043
#define IDC_PAGE_BOX_FIRST 40035         // 40035..40042, rows 0..7
#define IDC_PAGE_BOX_SECOND_FIRST 40082  // colour dialog's second column, 40082..40089
#define IDC_SCROLL_SPEED_FIRST 40027     // 40027..40034
#define IDC_CHAR_LEVEL_FIRST 40050       // 40050..40057
#define IDC_BACKGROUND_FILL_FIRST 40058  // 40058..40065
#define IDC_CHAR_COLOUR_FIRST 40066      // 40066..40073
#define IDC_BORDER_COLOUR_FIRST 40074    // 40074..40081
#define IDC_DISPLAY_POSITION_FIRST 40090 // 40090..40097

// Link dialogs.
#define IDC_INTERFACE_LIST 1038
#define IDC_COM_PORT_LIST 1035
#define IDC_CLIENT_SERVER_LIST 1043

// Read-back dialog.
#define IDC_READ_BACK_START 1005
#define IDC_READ_BACK_STEP 1041
#define IDC_READ_BACK_PROGRESS 1042

// Clock and date dialog: each list with its own "設定" button.
#define IDC_CLOCK_YEAR 40134
#define IDC_CLOCK_YEAR_SEND 40135
#define IDC_CLOCK_MONTH 40136
#define IDC_CLOCK_MONTH_SEND 40137
#define IDC_CLOCK_DAY 40138
#define IDC_CLOCK_DAY_SEND 40139
#define IDC_CLOCK_HOUR 40140
#define IDC_CLOCK_HOUR_SEND 40141
#define IDC_CLOCK_MINUTE 40142
#define IDC_CLOCK_MINUTE_SEND 40143
#define IDC_CLOCK_SECOND 40144
#define IDC_CLOCK_SECOND_SEND 40145
#define IDC_CLOCK_ADJUST_SEND 40146
#define IDC_CLOCK_SIZE 40147
#define IDC_CLOCK_SIZE_SEND 40148
#define IDC_CLOCK_RANGE 40149
#define IDC_CLOCK_RANGE_SEND 40150

// Other settings dialog.
#define IDC_PAGE_NUMBER 40023
#define IDC_PAGE_NUMBER_SEND 40044
#define IDC_SCROLL_STOP 40045
#define IDC_SCROLL_STOP_SEND 40046
#define IDC_DISPLAY_ON_OFF 40047
#define IDC_DISPLAY_ON_OFF_SEND 40048
#define IDC_TERMINAL_INPUT 40158
#define IDC_TERMINAL_INPUT_SEND 40159

// Fine position dialog.
#define IDC_TOP_VALUE 40098
#define IDC_TOP_VALUE_SEND 40099
#define IDC_BOTTOM_VALUE 40100
#define IDC_BOTTOM_VALUE_SEND 40101

// Alarm and remote dialogs: the eight terminal rows, then each dialog's own lists.
#define IDC_TERMINAL_SEND 1006
#define IDC_TERMINAL_NUMBER_FIRST 1007  // 1007..1014, inputs 1..8
#define IDC_TERMINAL_PAGE_FIRST 1015    // 1015..1022, inputs 1..8
#define IDC_ALARM_MODE 40168
#define IDC_ALARM_POLARITY 40169
#define IDC_ALARM_HOLD_TIME 40170
#define IDC_ALARM_RETURN 40171
#define IDC_ALARM_MODE_SEND 40172
#define IDC_ALARM_POLARITY_SEND 40173
#define IDC_ALARM_HOLD_TIME_SEND 40174
#define IDC_ALARM_RETURN_SEND 40175
#define IDC_REMOTE_MODE 40177
#define IDC_REMOTE_MODE_SEND 40178

// TCP/IP client dialog.
#define IDC_TCP_ADDRESS 1044
#define IDC_TCP_HOST_LIST 1045
#define IDC_TCP_CLIENT_PORT 1046
#define IDC_TCP_ADD 1005
#define IDC_TCP_DELETE 1047
#define IDC_TCP_CONNECT 1049
#define IDC_TCP_DISCONNECT 1048

// TCP/IP server dialog ("接続" is IDOK, "閉じる" IDCANCEL).
#define IDC_SERVER_STOP 1000
#define IDC_SERVER_CLIENT_LIST 1002
#define IDC_SERVER_DESTINATION 1003
#define IDC_SERVER_PORT 1004

// Title dialog ("Not memory", "設定" = IDC_SEND, "全Page設定", run step box, progress bar).
#define IDC_TITLE_TEXT 40022
#define IDC_TITLE_PAGE 40023
#define IDC_TITLE_SHOW_ONLY 40024
#define IDC_TITLE_ALL_PAGES 40026
#define IDC_TITLE_STEP 1037
#define IDC_TITLE_PROGRESS 1040
// kyz424's title page: the same controls without the progress bar and "閉じる"; the page
// being sent during "全Page設定" shows in a box of its own.
#define IDC_SHEET_TITLE_STEP 1006

// Schedule dialog.
#define IDC_SCHEDULE_DAY 40151
#define IDC_SCHEDULE_HOUR_FIRST 40152      // 40152..40155, slots 1..4
#define IDC_SCHEDULE_PAGE_FIRST 1031       // 1031..1034, slots 1..4
#define IDC_SCHEDULE_HOUR_SLOT_FIRST 1023  // slot-number boxes of the hour column, 1023..1026
#define IDC_SCHEDULE_PAGE_SLOT_FIRST 1027  // slot-number boxes of the page column, 1027..1030
#define IDC_SCHEDULE_SEND_HOURS 40156
#define IDC_SCHEDULE_SEND_PAGES 40026

// Sequence-page dialog.
#define IDC_SEQUENCE_PAGE_FIRST 40102  // 40102..40133, pages 1..32

// All-items dialog.
#define IDC_ALL_ITEMS_START 1036
#define IDC_ALL_ITEMS_STEP 1037
#define IDC_ALL_ITEMS_PROGRESS 1039
