// Resource and control ids of Gantry.exe, shared by its resource script and its window code.
#pragma once

#define IDD_GANTRY_ABOUT 100
#define IDS_ABOUT_ITEM 101
#define IDD_GANTRY 102
#define IDI_GANTRY 128
#define IDC_FLAT_BUTTON_CURSOR 130
#define IDI_EXIT 131
#define IDI_CLEAR 133
#define IDI_GET_ONLINE 136
#define IDI_PRINTER_MODE 137
#define IDI_API_MODE 138
#define IDI_ABOUT 139

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// System menu command of the About item.
#define IDM_ABOUT 16

#define IDC_PRINTER_MODE 1000
#define IDC_API_MODE 1001
#define IDC_GET_ONLINE 1002
#define IDC_PRINTER_MODE_LIST 1003
#define IDC_API_MODE_LIST 1006
#define IDC_INFORMATION 1007
#define IDC_CLEAR 1008
#define IDC_ABOUT 1013
#define IDC_TITLE 1016
#define IDC_PRINTER_MODE_LABEL 1017
#define IDC_API_MODE_LABEL 1018
