#pragma once
// Client interface of the button, window class "TarnButton32": style bits, private messages,
// notification codes and the exported functions. Every function takes the button's window
// handle first and does nothing (returning 0) on a window that is not such a button.

#include <windows.h>

/* Style bits (low word of the window style). */
#define TBS_DEFAULT 0x0001    /* default button: thicker frame, WM_GETDLGCODE 0x2013 */
#define TBS_ALTSTRIP 0x0002   /* the alternate picture strip (223), no disabled strip */
#define TBS_PICTURE 0x0004    /* the picture is shown */
#define TBS_COLORCODE 0x0008  /* the colour swatch is shown (excludes the picture) */
#define TBS_NOREDRAW 0x0010   /* set and cleared by WM_SETREDRAW */
#define TBS_AUTOREPEAT 0x0200 /* clicks repeat while held */
#define TBS_PERSISTENT 0x0400 /* toggles: stays down until clicked again */
#define TBS_NOTIFY 0x4000     /* highlight notifications (codes 2 and 3) */

/* Private messages (each does what the function of the same name does). */
#define TBM_GETSTATE 0x402
#define TBM_SETSTATE 0x403 /* wParam: nonzero pushes */
#define TBM_SETSTYLE 0x404 /* wParam: style bits, lParam: nonzero repaints */
#define TBM_SETBITMAP 0x464
#define TBM_STOPREPEAT 0x465
#define TBM_SETPICTURE 0x467
#define TBM_GETBITMAP 0x468
#define TBM_SETCOLORCODE 0x469 /* lParam: colour */
#define TBM_SETICON 0x46A
#define TBM_GETICON 0x46B
#define TBM_SETMETAFILE 0x46C
#define TBM_GETMETAFILE 0x46D
#define TBM_SETPERSISTENTSTATE 0x46E

/* Notification codes (high word of WM_COMMAND's wParam to the parent). */
#define TBN_CLICKED 0
#define TBN_PUSHED 2   /* notify style: the button went down */
#define TBN_RELEASED 3 /* notify style: the button came up */

/* What btnGetState answers. */
#define TBST_PUSHED 4
#define TBST_FOCUS 8

/* Colour indexes of btnSetColor. */
#define TBC_HIGHLIGHT 0
#define TBC_SHADOW 1
#define TBC_FACE 2
#define TBC_DARKSHADOW 3 /* the outer bottom-right edge; black at first */
#define TBC_TEXT 4
#define TBC_DEFAULTFRAME 5 /* the outline of the default button; black at first */
#define TBC_COLORCODE 64

/* Picture strips: cells of 16 x 15 pixels. */
#define TB_STRIP_CELL_WIDTH 16
#define TB_STRIP_CELL_HEIGHT 15
#define TB_PIC_CHECK 0
#define TB_PIC_CROSS 1
#define TB_PIC_UP 2
#define TB_PIC_DOWN 3
#define TB_PIC_LEFT 4
#define TB_PIC_RIGHT 5
#define TB_PIC_PLUS 6
#define TB_PIC_MINUS 7
#define TB_PIC_QUESTION 8
#define TB_PIC_FOLDER 9
#define TB_PIC_CLOCK 10
#define TB_PIC_COUNT 11

#ifdef __cplusplus
extern "C" {
#endif

LRESULT CALLBACK TarnButtonWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

int WINAPI btnGetState(HWND hwnd); /* 0, 4, 8 or 12 */
int WINAPI btnSetState(HWND hwnd, int pushed);
int WINAPI btnSetStyle(HWND hwnd, DWORD style, int redraw);
int WINAPI btnSetBitmap(HWND hwnd, HBITMAP bitmap); /* the client keeps ownership */
int WINAPI btnSetIcon(HWND hwnd, HICON icon);
int WINAPI btnSetMetaFile(HWND hwnd, HANDLE metafile); /* a metafile or an enhanced metafile */
HBITMAP WINAPI btnGetBitmap(HWND hwnd);
HICON WINAPI btnGetIcon(HWND hwnd);
HANDLE WINAPI btnGetMetaFile(HWND hwnd);
int WINAPI btnSetPicture(HWND hwnd, int index);
int WINAPI btnSetColorCode(HWND hwnd, DWORD color);
int WINAPI btnSetColor(HWND hwnd, int index, DWORD color); /* 0 for an unknown index */
int WINAPI btnEnableColorCode(HWND hwnd, int enable);
int WINAPI btnEnablePicture(HWND hwnd, int enable);
int WINAPI btnStopRepeat(HWND hwnd);
int WINAPI btnSetPersistentState(HWND hwnd, int persistent);

#ifdef __cplusplus
}
#endif
