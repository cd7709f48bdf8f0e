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

// Button lists of the two tool bars (TOOLBAR resources, same numbers as their bitmaps).
#define IDR_MAIN_TOOLBAR 2
#define IDR_CHILD_TOOLBAR 152

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

// The user help page (RCDATA, plain text with CR LF line ends).
#define IDR_HELP_TEXT 100

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

// Commands of marking, sorting and the three rate lists.
#define ID_MARK_UNMARK 32800
#define ID_MARK_ALL 32801
#define ID_UNMARK_ALL 32802
#define ID_SELECT_MARKED 32803
#define ID_MARK_SPECIAL 32804
#define ID_SORT 32805
#define ID_EDIT_PROJECTS 32806
#define ID_EDIT_CATEGORIES 32807
#define ID_EDIT_CLIENTS 32808

// The framework's standard commands under the names the resource scripts use (the numbers of
// framework/command_ids.h; Select All is the platform's usual 57642).
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_CLOSE 57602
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_PRINT_SETUP 57606
#define ID_FILE_PRINT 57607
#define ID_FILE_PRINT_PREVIEW 57609
#define ID_FILE_MRU_FILE1 57616
#define ID_FILE_MRU_FILE2 57617
#define ID_FILE_MRU_FILE3 57618
#define ID_FILE_MRU_FILE4 57619
#define ID_EDIT_CLEAR 57632
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_SELECT_ALL 57642
#define ID_EDIT_UNDO 57643
#define ID_WINDOW_ARRANGE 57649
#define ID_WINDOW_CASCADE 57650
#define ID_WINDOW_TILE_HORZ 57651
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP_CONTENTS 57666
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393

// Dialog templates.
#define IDD_EDIT_TIME 106
#define IDD_RATE_LIST 109
#define IDD_PREF_STARTUP 122
#define IDD_PREF_COMPACT 123
#define IDD_PREF_MISC 124
#define IDD_PREF_TIME_ADJUST 125
#define IDD_EXPORT_PREFS 171
#define IDD_PRINT_PREFS 172
#define IDD_MARK_SPECIAL 173
#define IDD_SORT 183
#define IDD_PREF_COLUMNS 186
#define IDD_PREF_TIME_DISPLAY 187
#define IDD_PREF_DEFAULTS 196

// Controls standing for one record field or table column, shared by the Edit Time dialog
// (the field's editor), the export and print dialogs (the column's check box), the rate list
// editor (204 to 206: which list) and the Defaults page (204 to 206, 238: the defaults).
#define IDC_NOTES 145
#define IDC_START_DATE 198
#define IDC_STOP_DATE 199
#define IDC_START_TIME 200
#define IDC_STOP_TIME 201
#define IDC_PAUSED 202
#define IDC_ELAPSED 203
#define IDC_PROJECT 204
#define IDC_CATEGORY 205
#define IDC_CLIENT 206
#define IDC_HOURLY_RATE 222
#define IDC_CHARGE 223
#define IDC_MARK 238
#define IDC_EXPENSE 309

// Item choosers: sorted and list-order drop-down lists (Edit Time, Mark Special).
#define IDC_PROJECT_SORTED 292
#define IDC_CATEGORY_SORTED 293
#define IDC_CLIENT_SORTED 294
#define IDC_PROJECT_UNSORTED 295
#define IDC_CATEGORY_UNSORTED 296
#define IDC_CLIENT_UNSORTED 297

// Edit Time dialog (106).
#define IDC_CANCEL_REMAINING 3
#define IDC_RECALCULATE 146
#define IDC_NOTES_LENGTH 151
#define IDC_USE_OWN_RATE 223
#define IDC_AUTO_ADJUST 228
#define IDC_TARGET_ELAPSED 229
#define IDC_TARGET_PAUSED 230
#define IDC_TARGET_START 231
#define IDC_TARGET_STOP 232
#define IDC_PROJECT_BUTTON 289
#define IDC_CATEGORY_BUTTON 290
#define IDC_CLIENT_BUTTON 291

// Rate list editor (109).
#define IDC_ADD_ITEM 209
#define IDC_DELETE_ITEMS 210
#define IDC_EDIT_ITEM 211
#define IDC_SHOW_UNUSED 212
#define IDC_SORT_ITEMS 213
#define IDC_IMPORT_LIST 214
#define IDC_EXPORT_LIST 215
#define IDC_SHOW_DUPLICATES 216
#define IDC_INCLUDE_RATES 217
#define IDC_RATE_TABLE 218
#define IDC_RATES_FROM 219
#define IDC_ALWAYS_SORT 220

// Export Preferences dialog (171).
#define IDC_EXPORT_ALL_RECORDS 239
#define IDC_EXPORT_MARKED_RECORDS 240
#define IDC_EXPORT_REMOVE_CR 270
#define IDC_EXPORT_TOTALS_ROW 271
#define IDC_EXPORT_HEADER_ROW 272
#define IDC_EXPORT_NEW_FILE 282
#define IDC_EXPORT_APPEND 283
#define IDC_EXPORT_V1_LAYOUT 314

// Print Preferences dialog (172).
#define IDC_PRINT_NOTES_NEXT_LINE 193
#define IDC_PRINT_ALL_RECORDS 241
#define IDC_PRINT_MARKED_RECORDS 242
#define IDC_PRINT_BLANK_LINES 299
#define IDC_PRINT_TOTALS 300
#define IDC_PRINT_PAGE_HEADER 301
#define IDC_PRINT_COLUMN_NAMES 302
#define IDC_FONT_NAME 303
#define IDC_CHANGE_FONT 304
#define IDC_FONT_DESCRIPTION 305
#define IDC_PAGE_HEADER_FILE_NAME 306
#define IDC_PAGE_HEADER_CUSTOM 307
#define IDC_CUSTOM_HEADER_TEXT 308

// Mark Special dialog (173).
#define IDC_END_START_DATE 199
#define IDC_END_STOP_DATE 200
#define IDC_UNMARK_OTHERS 243
#define IDC_ANY_PROJECT 247
#define IDC_ANY_CATEGORY 248
#define IDC_ANY_CLIENT 249
#define IDC_ANY_START_DATE 250
#define IDC_BEGIN_START_DATE 251
#define IDC_ANY_STOP_DATE 252
#define IDC_BEGIN_STOP_DATE 253

// Sort dialog (183), one set per level.
#define IDC_SORT1_ASCENDING 254
#define IDC_SORT1_DESCENDING 255
#define IDC_SORT1_CASE_INSENSITIVE 256
#define IDC_SORT1_COLUMN 257
#define IDC_SORT1_USE 258
#define IDC_SORT2_ASCENDING 259
#define IDC_SORT2_DESCENDING 260
#define IDC_SORT2_CASE_INSENSITIVE 261
#define IDC_SORT2_COLUMN 262
#define IDC_SORT2_USE 263
#define IDC_SORT3_ASCENDING 264
#define IDC_SORT3_DESCENDING 265
#define IDC_SORT3_CASE_INSENSITIVE 266
#define IDC_SORT3_COLUMN 267
#define IDC_SORT3_USE 268

// General Preferences pages: Misc (124), Compact (123), Startup (122), Time Adjust (125).
#define IDC_AUTO_SAVE 103
#define IDC_AUTO_SAVE_MINUTES 104
#define IDC_CONFIRM_DELETE 288
#define IDC_HIDE_TOOLBAR 180
#define IDC_HIDE_STATUS_BAR 181
#define IDC_STARTUP_NEW_DOCUMENT 225
#define IDC_STARTUP_REOPEN 226
#define IDC_STARTUP_NOTHING 227
#define IDC_RESTORE_ADJUST_DEFAULTS 233
#define IDC_START_ADJUST 234
#define IDC_STOP_ADJUST 235
#define IDC_ELAPSED_ADJUST 236
#define IDC_PAUSED_ADJUST 237

// Document Preferences pages: Time Display (187), Column Settings (186), Defaults (196).
#define IDC_INCREMENT_SECOND 186
#define IDC_INCREMENT_MINUTE 187
#define IDC_INCREMENT_6_MINUTES 188
#define IDC_INCREMENT_15_MINUTES 189
#define IDC_INCREMENT_HUNDREDTHS 190
#define IDC_DECIMAL_NOTATION 191
#define IDC_HUNDREDTHS_COUNT 192
#define IDC_COLUMN_LIST 272
#define IDC_HIDE_COLUMN 273
#define IDC_DATA_LEFT 274
#define IDC_DATA_CENTER 275
#define IDC_DATA_RIGHT 276
#define IDC_HEADER_LEFT 277
#define IDC_HEADER_CENTER 278
#define IDC_HEADER_RIGHT 279
#define IDC_COLUMN_HEADER_TEXT 280
#define IDC_COLUMN_DEFAULTS 281
#define IDC_DEFAULTS_PREVIOUS_RECORD 315
#define IDC_DEFAULTS_ITEMS_BELOW 316

// Strings.
#define IDS_APP_VERSION 25
#define IDS_START 47
#define IDS_PAUSE 49
#define IDS_DLL_LOAD_FAILED 86
#define IDS_PREFERENCES_CAPTION 87
#define IDS_OPEN_FILTER 123

// Strings: the application's name (shown in the main window's caption).
#define IDS_APP_NAME 2

// Strings: messages.
#define IDS_START_DATE_INVALID 6
#define IDS_STOP_DATE_INVALID 7
#define IDS_PAUSE_TIME_INVALID 85
#define IDS_LOW_MEMORY 113
#define IDS_EDIT_TIME_INIT_FAILED 114
#define IDS_ELAPSED_TIME_INVALID 116
#define IDS_CONFIRM_DELETE_ROWS 126
#define IDS_NOTHING_TO_PRINT 143

// Strings: file dialogs of export and the rate lists.
#define IDS_TEXT_EXTENSION 9
#define IDS_TEXT_FILTER 10
#define IDS_EXPORT_AS 11
#define IDS_IMPORT 122

// Strings: printing and the print font's description.
#define IDS_PAGE 13
#define IDS_TOTAL 63
#define IDS_FONT_BOLD 139
#define IDS_FONT_REGULAR 140
#define IDS_FONT_BOLD_ITALIC 141
#define IDS_FONT_ITALIC 142

// Strings: default column titles of the time table (and of export and printing).
#define IDS_TITLE_START_DATE 14
#define IDS_TITLE_START_TIME 15
#define IDS_TITLE_STOP_TIME 16
#define IDS_TITLE_ELAPSED_TIME 17
#define IDS_TITLE_CHARGE 18
#define IDS_TITLE_NOTES 19
#define IDS_TITLE_POSITION 66
#define IDS_TITLE_STOP_DATE 74
#define IDS_TITLE_PAUSED_TIME 75
#define IDS_TITLE_MARK 93
#define IDS_TITLE_PROJECT 100
#define IDS_TITLE_CATEGORY 102
#define IDS_TITLE_CLIENT 104
#define IDS_TITLE_HOURLY_RATE 109
#define IDS_TITLE_EXPENSE 144

// Strings: the rate list grid's titles and column names, the brackets around an item's rate.
#define IDS_COLUMN_POSITION 67
#define IDS_TITLE_NAME 107
#define IDS_COLUMN_NAME 108
#define IDS_COLUMN_HOURLY_RATE 110
#define IDS_RATE_OPEN 111
#define IDS_RATE_CLOSE 112

// Strings: the Document Preferences sheet's caption (the document's title follows).
#define IDS_DOC_PREFERENCES_CAPTION 130

// Strings: clock command texts of the system menus.
#define IDS_RESTART 200
#define IDS_STOP 201
#define IDS_RESUME 202
#define IDS_EDIT_ACTIVE_RECORD 203
#define IDS_SET_ACTIVE_DOCUMENT 204

// Strings: totals labels by totals mode.
#define IDS_TOTAL_ACTIVE_TIME 210
#define IDS_TOTAL_ACTIVE_CHARGE 211
#define IDS_TOTAL_ACTIVE_EXPENSE 212
#define IDS_TOTAL_ALL_TIME 213
#define IDS_TOTAL_ALL_CHARGE 214
#define IDS_TOTAL_ALL_EXPENSE 215
#define IDS_TOTAL_MARK_TIME 216
#define IDS_TOTAL_MARK_CHARGE 217
#define IDS_TOTAL_MARK_EXPENSE 218

// Strings: grid column names of the time table (POSITION is 67, HOURLY_RATE is 110).
#define IDS_COLUMN_START_DATE 220
#define IDS_COLUMN_START_TIME 221
#define IDS_COLUMN_STOP_DATE 222
#define IDS_COLUMN_STOP_TIME 223
#define IDS_COLUMN_ELAPSED_TIME 224
#define IDS_COLUMN_PAUSED_TIME 225
#define IDS_COLUMN_CHARGE 226
#define IDS_COLUMN_PROJECT 227
#define IDS_COLUMN_CATEGORY 228
#define IDS_COLUMN_CLIENT 229
#define IDS_COLUMN_EXPENSE 230
#define IDS_COLUMN_MARK 231
#define IDS_COLUMN_NOTES 232

// Strings: names of new items in the rate list editor.
#define IDS_NEW_PROJECT_NAME 240
#define IDS_NEW_CATEGORY_NAME 241
#define IDS_NEW_CLIENT_NAME 242

// Strings: checks of typed dates and times, and of record edits.
#define IDS_YEAR_TOO_SMALL 250
#define IDS_YEAR_TOO_LARGE 251
#define IDS_MONTH_TOO_SMALL 252
#define IDS_MONTH_TOO_LARGE 253
#define IDS_DAY_TOO_SMALL 254
#define IDS_DAY_TOO_LARGE 255
#define IDS_HOUR_TOO_SMALL 256
#define IDS_HOUR_TOO_LARGE 257
#define IDS_MINUTE_TOO_SMALL 258
#define IDS_MINUTE_TOO_LARGE 259
#define IDS_SECOND_TOO_SMALL 260
#define IDS_SECOND_TOO_LARGE 261
#define IDS_ACTIVE_RECORD_NOT_EDITABLE 262
#define IDS_START_PAUSED_AFTER_STOP 263

// Strings: a file that is not a document.
#define IDS_OPEN_NOT_A_DOCUMENT 270

// Strings: the size part of the print font's description (", %d point").
#define IDS_FONT_POINT_SIZE 275
