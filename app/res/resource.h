// Resource and command ids of tallyw.exe. Included by the resource scripts and by the code, so
// it holds #define lines only. The framework's standard commands (file, edit, view, window,
// help: 57600 and up, 59392 and up) are in framework/command_ids.h.
#pragma once

// Menus, icons, accelerators and the document type (string 3) of the program.
#define IDR_MAINFRAME 2  // menu without a document, main icon, accelerators, main tool bar
#define IDR_TALLYTYPE 3  // menu with a document, document icon, document type string

// Tool bar bitmaps.
#define IDB_MAIN_TOOLBAR 2
#define IDB_CHILD_TOOLBAR 152

// Clock state pictures: the form's STATUS button and the system-menu popup's check mark.
#define IDB_STATUS_IDLE 164
#define IDB_STATUS_RUNNING 165
#define IDB_STATUS_PAUSED 166
#define IDB_CHECK_PAUSED 167
#define IDB_CHECK_RUNNING 168
#define IDB_CHECK_IDLE 169

// Icons of a minimized window by clock state.
#define IDI_CLOCK_IDLE 189
#define IDI_CLOCK_RUNNING 190
#define IDI_CLOCK_PAUSED 191

// The time table form (dialog template 121) and its controls.
#define IDD_TIME_TABLE_FORM 121
#define IDC_TOTAL_TIME 112
#define IDC_TOTAL_CHARGE 113
#define IDC_TOTAL_EXPENSE 114
#define IDC_ACTIVE_ELAPSED 116
#define IDC_COMPACT_AREA 196
#define IDC_TIME_TABLE 197
#define IDC_STATUS_PICTURE 224
#define IDC_SORTED_CHOICES 295
#define IDC_TOTAL_TIME_LABEL 297
#define IDC_TOTAL_CHARGE_LABEL 298
#define IDC_TOTAL_EXPENSE_LABEL 299

// Commands of the time table, its clock and the frames.
#define ID_PAUSE_RESUME 115
#define ID_COMPACT_RESTORE 118
#define ID_DELETE_ROWS 124
#define ID_PRINT_TABLE 159
#define ID_EXPORT 32768
#define ID_EDIT_TIME_ROW 32770
#define ID_SYS_START_STOP 32772
#define ID_START_STOP 32773
#define ID_SYS_PAUSE_RESUME 32774
#define ID_COMPACT_ALL_TOGGLE 32775
#define ID_COMPACT_ALL 32776
#define ID_RESTORE_ALL 32777
#define ID_HELP_CONTENTS_TABLE 32778
#define ID_SELECT_NONE 32782
#define ID_DOCUMENT_PREFERENCES 32783
#define ID_GENERAL_PREFERENCES 32784
#define ID_EDIT_CELL 32785
#define ID_ADD_ROW 32786
#define ID_START 32794
#define ID_STOP 32795
#define ID_PAUSE 32796
#define ID_RESUME 32797
#define ID_RESTART 32798
#define ID_UNDELETE_ROWS 32811
#define ID_TOTAL_MARKED 32814
#define ID_TOTAL_ALL 32815
#define ID_TOTAL_ACTIVE 32816

// Strings.
#define IDS_APP_VERSION 25
#define IDS_START 47
#define IDS_PAUSE 49
#define IDS_DLL_LOAD_FAILED 86
#define IDS_PREFERENCES_CAPTION 87
#define IDS_OPEN_FILTER 123
