// Resource, control, command and message numbers of the Windows program.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDS_APP_NAME 110
#define IDS_ALREADY_RUNNING 111
#define IDS_SKIN_FAILURE 112
#define IDD_MAIN 102
#define IDI_MAIN 128
#define IDB_TREE_FIRST 132  // tree images 132..161: image n is bitmap 132 + n
#define IDB_TREE_LAST 161

#define IDC_TREE 1004
#define IDC_APPLY 1016
#define IDC_SPLITTER 1053
#define IDC_ABOUT_TEXT 1064
#define IDC_ABOUT_LINE2 1065
#define IDC_ABOUT_LINE1 1066

#define IDM_ABOUTBOX 16  // system menu command; the low four bits are the system's
#define IDM_HISTORY 32   // "Change History..."

// Preview, undo, search and the change history.
#define IDD_PREVIEW 120
#define IDD_HISTORY 121
#define IDC_PREVIEW 1201
#define IDC_UNDO 1202
#define IDC_SEARCH 1203
#define IDC_PREVIEW_TEXT 1204
#define IDC_HISTORY_LIST 1211
#define IDC_HISTORY_UNDO 1212
#define IDC_HISTORY_EXPORT 1213
#define IDS_PREVIEW 2060
#define IDS_UNDO 2061
#define IDS_HISTORY 2062
#define IDS_HISTORY_TIME 2063
#define IDS_HISTORY_TWEAK 2064
#define IDS_HISTORY_CHANGES 2065
#define IDS_EXPORT_FILTER 2066
#define IDS_WOULD_SHOW 2067

// The main window's own messages.
#define WM_TREE_SELECT (WM_USER + 202)  // the tree's selection changed
#define WM_SHOW_HELP (WM_USER + 203)    // open the help file of the current language
