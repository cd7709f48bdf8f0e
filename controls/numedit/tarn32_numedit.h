#pragma once
// Client interface of the numeric edit, window class "TarnNumEdit32": style bits, private
// messages, the edit-params record, notifications and the exported functions. Every function
// takes the control's window handle first; on a window that is not a numeric edit, and for a
// null pointer where a record or variable is expected, it does nothing and returns 0 (nmIsNull
// 1, nmGetMinHeight 24, nmGetMinWidth 80, nmGetLastGoodNumber null).

#include <windows.h>

#define TARN_NUMEDIT_CLASS "TarnNumEdit32"

/* Style bits (low word of the window style). */
#define NMS_CENTER 0x0001
#define NMS_RIGHT 0x0002
#define NMS_SPINBUTTONS 0x0004
#define NMS_FORMATTED 0x0008 /* the number formats' display form while unfocused */
#define NMS_BITMAPDIGITS 0x0010
#define NMS_FIXEDCELLS 0x0020
#define NMS_READONLY 0x0800
#define NMS_BORDERSUNKEN 0x1000
#define NMS_BORDERRAISED 0x2000
#define NMS_BORDERSINGLE 0x4000
#define NMS_NOREDRAWONSET 0x8000 /* the setters do not repaint */

/* Private messages; each does what the function named beside it does. */
#define NEM_GETEDITPARAMS 0x487     /* lParam: NMEDITPARAMS*   nmGetEditParams */
#define NEM_SETEDITPARAMS 0x488     /* lParam: NMEDITPARAMS*   nmSetEditParams */
#define NEM_GETLASTGOODNUMBER 0x489 /* lParam: buffer          nmGetLastGoodNumber */
#define NEM_GETINTEGER 0x48A
#define NEM_GETLONGINTEGER 0x48B
#define NEM_GETFLOAT 0x48C          /* lParam: float*  */
#define NEM_GETDOUBLE 0x48D         /* lParam: double* */
#define NEM_GETLONGDOUBLE 0x48E     /* lParam: double* (8 bytes) */
#define NEM_SETINTEGER 0x48F        /* wParam: int */
#define NEM_SETLONGINTEGER 0x490    /* lParam: LONG */
#define NEM_SETFLOAT 0x491          /* lParam: const float*  */
#define NEM_SETDOUBLE 0x492         /* lParam: const double* */
#define NEM_SETLONGDOUBLE 0x493     /* lParam: const double* (8 bytes) */
#define NEM_SETDISPLAYSTYLE 0x494   /* wParam: 0 plain, 1 bitmap digits, 2 fixed cells */
#define NEM_ENABLESPINBUTTONS 0x495 /* wParam: flag */
#define NEM_SETALIGNMENT 0x496      /* wParam: 0 left, 1 centred, 2 right */
#define NEM_SETNULL 0x497
#define NEM_ISNULL 0x498
#define NEM_GETMINHEIGHT 0x49B
#define NEM_GETMINWIDTH 0x49C
#define NEM_SETBKCOLOR 0x49D   /* lParam: colour */
#define NEM_SETTEXTCOLOR 0x49E /* lParam: colour */
#define NEM_OKTOCHANGE 0x49F
#define NEM_SETUNSIGNEDINTEGER 0x4A0 /* wParam: UINT */
#define NEM_SETUNSIGNEDLONG 0x4A1    /* lParam: ULONG */
#define NEM_GETUNSIGNEDINTEGER 0x4A2
#define NEM_GETUNSIGNEDLONG 0x4A3
#define NEM_SETBORDERSTYLE 0x4A4 /* wParam: kind 0..3 */
#define NEM_SETDELTAVALUE 0x4A5  /* lParam: const double* */
#define NEM_GETDELTAVALUE 0x4A6  /* lParam: double* */
#define NEM_SETRANGETEXT 0x4A7   /* wParam: minimum text, lParam: maximum text */
#define NEM_GETRANGETEXT 0x4A8   /* wParam, lParam: buffers of NM_RANGETEXT_SIZE bytes */
#define NEM_SETVALUE 0xD00       /* lParam: const double* */
#define NEM_GETVALUE 0xD01       /* lParam: double*, the value clamped to the range */

/* Buffer sizes: the last good number (the text block) and a range end ("%.7g"). */
#define NM_NUMBERTEXT_SIZE 64
#define NM_RANGETEXT_SIZE 16

/* Number formats of the edit-params record. */
#define NM_FORMAT_FIXED 0                  /* fixed-point with the set decimals (also 5 and 9) */
#define NM_FORMAT_INTEGER 1                /* -1234 */
#define NM_FORMAT_THOUSANDS 2              /* -1,234 */
#define NM_FORMAT_PARENS 3                 /* (1234) */
#define NM_FORMAT_THOUSANDS_PARENS 4       /* (1,234) */
#define NM_FORMAT_FIXED_THOUSANDS 6        /* -1,234.50 */
#define NM_FORMAT_FIXED_PARENS 7           /* (1234.50) */
#define NM_FORMAT_FIXED_THOUSANDS_PARENS 8 /* (1,234.50) */
#define NM_SYSTEM_DIGITS (-1)              /* decimals: the system's iDigits */

/* Notifications: EN_ERRSPACE (0x0500) by WM_COMMAND when a text is cut at the limit; a press
   of a spin button by WM_NOTIFY with this code. The spin timers' identifiers. */
#define NMN_SPINPRESSED (-901)
#define NM_SPIN_DELAY_TIMER 1
#define NM_SPIN_REPEAT_TIMER 2

typedef struct NMEDITPARAMS {
    DWORD format;  /* 0..9; a record with a larger one is refused */
    DWORD rangeOn; /* clamp values to minimum..maximum */
    LONG decimals; /* 0..12 (others are brought into it); NM_SYSTEM_DIGITS */
    DWORD reserved;
    double minimum;
    double maximum;
    DWORD useSystemSeparators; /* separators and leading zero from the intl settings */
    WORD thousandsSeparator;   /* 0 = the system's */
    WORD decimalSeparator;     /* 0 = the system's */
    DWORD leadingZero;
} NMEDITPARAMS;

#ifdef __cplusplus
extern "C" {
#endif

LRESULT CALLBACK TarnNumEditWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

int WINAPI nmGetEditParams(HWND hwnd, NMEDITPARAMS* params);
int WINAPI nmSetEditParams(HWND hwnd, const NMEDITPARAMS* params);
/* The value, clamped when the range is on, in the edit form (at most NM_NUMBERTEXT_SIZE bytes
   with the terminator); returns the buffer. */
LPSTR WINAPI nmGetLastGoodNumber(HWND hwnd, LPSTR buffer);
/* The value clamped when the range is on, cut toward zero; out of the type's range it
   saturates; a text that is not a number gives 0. */
int WINAPI nmGetInteger(HWND hwnd);
LONG WINAPI nmGetLongInteger(HWND hwnd);
UINT WINAPI nmGetUnsignedInteger(HWND hwnd);
ULONG WINAPI nmGetUnsignedLong(HWND hwnd);
short WINAPI nmGetShort(HWND hwnd);
WORD WINAPI nmGetUnsignedShort(HWND hwnd);
int WINAPI nmGetFloat(HWND hwnd, float* value);
int WINAPI nmGetDouble(HWND hwnd, double* value);
/* A long double of 8 bytes: the value is written as a double. */
int WINAPI nmGetLongDouble(HWND hwnd, double* value);
/* Setters ask permission (0x49F) and return 1, or 0 when refused; a value that is not a
   finite number is refused. */
int WINAPI nmSetInteger(HWND hwnd, int value);
int WINAPI nmSetLongInteger(HWND hwnd, LONG value);
int WINAPI nmSetUnsignedInteger(HWND hwnd, UINT value);
int WINAPI nmSetUnsignedLong(HWND hwnd, ULONG value);
int WINAPI nmSetShort(HWND hwnd, short value);
int WINAPI nmSetUnsignedShort(HWND hwnd, WORD value);
int WINAPI nmSetFloat(HWND hwnd, float value);
int WINAPI nmSetDouble(HWND hwnd, double value);
int WINAPI nmSetLongDouble(HWND hwnd, double value);
int WINAPI nmSetDisplayStyle(HWND hwnd, int style);
int WINAPI nmEnableSpinButtons(HWND hwnd, int enable);
int WINAPI nmSetAlignment(HWND hwnd, int alignment);
int WINAPI nmSetNull(HWND hwnd);
int WINAPI nmIsNull(HWND hwnd);
int WINAPI nmGetMinHeight(HWND hwnd);
int WINAPI nmGetMinWidth(HWND hwnd);
/* Colour indexes as tmSetColor: 0 highlight, 1 shadow, 2 background, 4 text, 8 face. */
int WINAPI nmSetColor(HWND hwnd, int index, DWORD color);
int WINAPI nmOkToChange(HWND hwnd);
int WINAPI nmSetBorderStyle(HWND hwnd, int kind);
int WINAPI nmSetDeltaValue(HWND hwnd, const double* delta);
int WINAPI nmGetDeltaValue(HWND hwnd, double* delta);

#ifdef __cplusplus
}
#endif
