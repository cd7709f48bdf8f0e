#pragma once
// Client interface of the font selector, window class "TarnFontSelect32": two drop-down lists
// (font family and point size) reported to the parent as commands. Every function takes the
// selector's window handle first and does nothing (returning 0, or the documented default) on a
// window that is not a font selector.

#include <windows.h>

/* Private messages (each does what the function of the same name does). */
#define FSM_GETFACECOLOR 0x400  /* the face colour as RGB; the panel paints with it */
#define FSM_SETFONTFAMILY 0x401 /* lParam: face name or its beginning */
#define FSM_SETFONTSIZE 0x402   /* wParam: font height (> 0 cell, < 0 character height) */
#define FSM_GETFONTFAMILY 0x403 /* wParam: buffer size, lParam: buffer */
#define FSM_GETFONTSIZE 0x404
#define FSM_SETFONTCOMMANDCODE 0x405 /* wParam: command identifier, 0 = the control's own */
#define FSM_SETSIZECOMMANDCODE 0x406
#define FSM_GETFONTPOINTSIZE 0x407
#define FSM_SETFONTPOINTSIZE 0x408 /* wParam: points */
#define FSM_SETBKCOLOR 0x409       /* lParam: colour */
#define FSM_SETFACECOLOR 0x40A
#define FSM_SETITEMHEIGHT 0x40B /* wParam: height in pixels */
#define FSM_SETTEXTCOLOR 0x40C

/* Colour indexes of fsSetColor. */
#define FSC_BACKGROUND 2
#define FSC_TEXT 4
#define FSC_FACE 8

/* Notification codes (high word of the posted WM_COMMAND's wParam to the parent). */
#define FSN_FAMILYCHANGED 1
#define FSN_SIZECHANGED 2

/* The panel (dialog resource 224) and its lists. */
#define FS_PANEL_DIALOG 224
#define FS_ID_FAMILYLIST 228
#define FS_ID_SIZELIST 229

#ifdef __cplusplus
extern "C" {
#endif

LRESULT CALLBACK TarnFontSelectWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK fnFontSelProc(HWND panel, UINT msg, WPARAM wParam, LPARAM lParam);
/* The family enumeration callback; lParam is the font selector's window handle. */
int CALLBACK EnumFamCallBack(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType,
                             LPARAM selector);

/* 1 when a family beginning with `face` was selected, 0 when none matches. */
int WINAPI fsSetFontFamily(HWND hwnd, LPCSTR face);
/* Copies the family's face name cut to `size` bytes; a single blank without state, selection
   or families. Returns the number of characters copied. */
int WINAPI fsGetFontFamily(HWND hwnd, LPSTR buffer, int size);
int WINAPI fsSetFontSize(HWND hwnd, int height);
/* The selected size as a character height (negative); that of 10 points without selection. */
int WINAPI fsGetFontSize(HWND hwnd);
int WINAPI fsSetFontPointSize(HWND hwnd, int points);
/* The selected size in points; 10 without selection or state. */
int WINAPI fsGetFontPointSize(HWND hwnd);
int WINAPI fsSetFontCommandCode(HWND hwnd, int code);
int WINAPI fsSetSizeCommandCode(HWND hwnd, int code);
/* Index 2 background, 4 text, 8 face; 0 for another index. */
int WINAPI fsSetColor(HWND hwnd, int index, DWORD color);
int WINAPI fsSetItemHeight(HWND hwnd, int height);

#ifdef __cplusplus
}
#endif
