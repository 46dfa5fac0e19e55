// Identifiers of kyz424's menu, strings, dialog templates and controls. Plain #defines,
// since the resource script includes this file too.
#pragma once

// Menu, icon and document string of the frame.
#define IDR_MAINFRAME 128
// The property sheet's caption before its title is set.
#define IDS_SHEET_CAPTION 102

// Menu 128.
#define ID_KYZ_SETTINGS 32771
#define ID_SERIAL_PORT 32772
#define ID_FILE_NEW_SETTINGS 32773
#define ID_FILE_OPEN_SETTINGS 32774
#define ID_FILE_SAVE_SETTINGS 32775
#define ID_FILE_SAVE_SETTINGS_AS 32776
#define ID_ALL_ITEMS 32777
#define ID_INTERFACE 32778
#define ID_TCP_IP 32779
#define ID_READ_BACK 32780
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_MFC_INTERFACE 129
#define IDD_MFC_SERIAL_PORT 130
#define IDD_MFC_TCP_IP 131

// Interface and RS-232C dialogs.
#define IDC_MFC_COM_PORT_LIST 1285
#define IDC_MFC_INTERFACE_LIST 1286

// TCP/IP dialog.
#define IDC_HOST_ADDRESS 1072
#define IDC_HOST_LIST 1073
#define IDC_PORT_BOX 1074
#define IDC_ADD_HOST 1075
#define IDC_DELETE_HOST 1076
#define IDC_DISCONNECT 1077
#define IDC_CONNECT 1078
