// Every resource and command identifier of the program, shared by the .rc
// files and the code. Plain macros, so that the resource compiler reads it.
#pragma once

// The base layer (storage/, document_commands/, settings/, framework/) is built
// with ZVK_BASE_LAYER: it takes the ids it needs from the program and never
// includes this file.
#ifdef ZVK_BASE_LAYER
#error "resources/resource.h is the program's: the base layer takes its ids as arguments"
#endif

// ---- Resources ----
#define IDR_MAINFRAME 128  // menu, accelerators, icon, toolbar, document template string
#define IDD_ABOUTBOX 100
#define IDD_EDITSUBMENUS 132
#define IDD_DATAENTRY 141

// Welcome page banners (468 x 60), named by the bitmap number.
#define IDB_BANNER_134 134
#define IDB_BANNER_136 136
#define IDB_BANNER_137 137
#define IDB_BANNER_138 138
#define IDB_BANNER_140 140

// ---- Controls of the Edit SubMenus dialog ----
#define IDC_LIST_SUBMENUS 1001
#define IDC_LIST_ITEMS 1005
#define IDC_DELETE_SUB 1006
#define IDC_DELETE_ITEM 1007
#define IDC_NEW_SUB 1008
#define IDC_NEW_ITEM 1009
#define IDC_EDIT_SUBMENU_NAME 1011
#define IDC_EDIT_ITEM_NAME 1012
#define IDC_EDIT_ITEM_TEXT 1013
#define IDC_CHECK_CHAIN 1016
#define IDC_HELP_BUTTON 1021

// A control that is never addressed.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// ---- Controls of the data entry box ----
#define IDC_EDIT_MULTILINE 1017
#define IDC_STATIC_PROMPT 1018
#define IDC_EDIT_SINGLELINE 1020

// ---- The program's own commands ----
#define ID_EDIT_SUBMENUS 32775
#define ID_HIDE_MAIN_WINDOW 32779
#define ID_WIN_MONEY 32782
#define ID_SEARCH_ITEMS 32783

// ---- Standard commands ----
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_MRU_FILE1 57616
#define ID_FILE_MRU_FILE2 57617
#define ID_FILE_MRU_FILE3 57618
#define ID_FILE_MRU_FILE4 57619
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP_INDEX 57666
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393

// Status bar panes: the message pane and the key-state indicators.
#define ID_SEPARATOR 0
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139

// ---- Strings the Windows shell loads ----
#define IDS_IDLEMESSAGE 57345
#define IDS_TOOLBAR_TITLE 57346  // the floating toolbar's caption
#define IDP_FAILED_TO_CREATE_DOC 61700

// ---- Tray icon ----
#define TRAY_ICON_ID 123
#define WM_TRAY_NOTIFY 1066  // WM_USER + 42
