#pragma once
// Client header of tarn32.dll: exported functions, private messages, style bits, records and
// notification codes of the library frame, the date edit and the time edit (the calendar's
// part comes from calendar/tarn32_calendar.h, the outline list's from
// outline/tarn32_outline.h). Every function takes the control's window handle first and
// returns its failure value on a window that is not such a control.

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Window classes ---------------------------------------------------------------------- */
#define TARN_CLASS_BUTTON "TarnButton32"
#define TARN_CLASS_NUMEDIT "TarnNumEdit32"
#define TARN_CLASS_DATEEDIT "TarnDateEdit32"
#define TARN_CLASS_TIMEEDIT "TarnTimeEdit32"
#define TARN_CLASS_FONTSELECT "TarnFontSelect32"
#define TARN_CLASS_DIAL "TarnDial32"
#define TARN_CLASS_UDLR "TarnUDLR32"
#define TARN_CLASS_PERCENTBAR "TarnPercentBar32"
#define TARN_CLASS_HIERLIST "TarnHierList32"
#define TARN_CLASS_CALCTL "TarnCalctl32"
#define TARN_CLASS_COMBOBOX "TarnComboBox32"

/* ---- Colour values: bit 28 set means NOT of a system colour index ------------------------ */
#define TARN_SYSCOLOR_FLAG 0x10000000UL
#define TARN_SYSCOLOR(index) ((DWORD) ~(DWORD)(index))

/* ---- Border kinds ----------------------------------------------------------------------- */
#define TARN_BORDER_NONE 0
#define TARN_BORDER_SINGLE 1
#define TARN_BORDER_RAISED 2
#define TARN_BORDER_SUNKEN 3

/* ---- Hooks and notifications common to the edit controls -------------------------------- */
#define TARN_MSG_CHANGED 0x590        /* sent or posted to itself after every value change */
#define TARN_MSG_DESIGNER_QUERY 0x5A4 /* asked of the parent by button and font selector */
#define TARN_DESIGNER_YES 99
#define TARN_EN_DROPDOWN 0x0103 /* the date edit's calendar is about to drop down */
#define TARN_EN_CLOSEUP 0x0102  /* the date edit's calendar closed */

/* Calendar-time record of the private message 0xD01 (the layout of the C library's tm). */
typedef struct TARNCALTIME {
    DWORD second, minute, hour;
    DWORD dayOfMonth; /* 1..31 */
    DWORD month;      /* 0..11 */
    DWORD year;       /* years since 1900 */
    DWORD dayOfWeek;  /* 0 = Sunday */
    DWORD dayOfYear;  /* 0..365 */
    DWORD daylight;
} TARNCALTIME;
#define TARN_MSG_SETNONNULL 0xD00
#define TARN_MSG_GETCALTIME 0xD01
#define TARN_MSG_VALIDATE 0xD05
#define TARN_MSG_CALTIMETYPE 0xD07 /* stores 36 at lParam, returns 11 */

/* ---- Library frame ---------------------------------------------------------------------- */
DWORD WINAPI GetLongVersion(void);
WORD WINAPI GetTarnVersion(void);
void WINAPI CenterLocalPopup(HWND hwnd);
HFONT WINAPI CreateLocalFont(LPCSTR faceName, short pointSize, LONG emphasis);

/* ---- Date edit -------------------------------------------------------------------------- */
#define DTS_CALENDARBUTTON 0x0004
#define DTS_NOERASE 0x0008
#define DTS_BITMAPDIGITS 0x0010
#define DTS_FIXEDCELLS 0x0020
#define DTS_READONLY 0x0800
#define DTS_BORDERSUNKEN 0x1000
#define DTS_BORDERRAISED 0x2000
#define DTS_BORDERSINGLE 0x4000

#define DEM_GETEDITPARAMS 0x487
#define DEM_SETEDITPARAMS 0x488
#define DEM_GETDATE 0x489
#define DEM_GETMONTH 0x48A
#define DEM_GETDAY 0x48B
#define DEM_GETYEAR 0x48C
#define DEM_SETDATE 0x48F
#define DEM_SETBUTTONCOLOR 0x490
#define DEM_ENABLEERASE 0x491
#define DEM_SETDISPLAYSTYLE 0x494
#define DEM_ENABLECALENDAR 0x495
#define DEM_SETNULL 0x497
#define DEM_ISNULL 0x498
#define DEM_GETDATESTRING 0x499
#define DEM_SETDATESTRING 0x49A
#define DEM_GETMINHEIGHT 0x49B
#define DEM_GETMINWIDTH 0x49C
#define DEM_SETBKCOLOR 0x49D
#define DEM_SETTEXTCOLOR 0x49E
#define DEM_OKTOCHANGE 0x49F
#define DEM_SETMONTHLITERALS 0x4A0
#define DEM_SETDAYLITERALS 0x4A1
#define DEM_SETBORDERSTYLE 0x4A2
#define DEM_SETBUTTONSTYLE 0x4A3
#define DEM_DROPDOWNCALENDAR 0x4A4
#define DEM_CALENDARCLOSED 0x593

/* Colour indexes of dtSetColor and tmSetColor. */
#define TARN_COLOR_HIGHLIGHT 0
#define TARN_COLOR_SHADOW 1
#define TARN_COLOR_BACKGROUND 2
#define TARN_COLOR_TEXT 4
#define TARN_COLOR_FACE 8
#define TARN_COLOR_BUTTONFACE 16 /* date edit only */

/* Field kinds of the date's field order. */
#define DT_FIELD_DAY 1
#define DT_FIELD_MONTH 2
#define DT_FIELD_YEAR 3

typedef struct DTEDITPARAMS {
    WORD size; /* must be sizeof(DTEDITPARAMS), 48 */
    DWORD setDate;
    WORD year; /* 0 = today */
    WORD month;
    WORD day;
    DWORD useSystemFormat;
    WORD separator; /* 0 = the system's */
    DWORD twoDigitMonth;
    DWORD twoDigitDay;
    DWORD fourDigitYear;
    DWORD order[3]; /* field kinds; order[0] == 0 = the system's order */
} DTEDITPARAMS;

int WINAPI dtGetEditParams(HWND hwnd, DTEDITPARAMS* params);
int WINAPI dtSetEditParams(HWND hwnd, const DTEDITPARAMS* params);
LONG WINAPI dtGetDate(HWND hwnd, WORD* monthDayYear);
int WINAPI dtGetMonth(HWND hwnd);
int WINAPI dtGetDay(HWND hwnd);
int WINAPI dtGetYear(HWND hwnd);
int WINAPI dtSetDate(HWND hwnd, const WORD* monthDayYear);
int WINAPI dtSetColor(HWND hwnd, int index, DWORD color);
int WINAPI dtEnableErase(HWND hwnd, int enable);
int WINAPI dtSetDisplayStyle(HWND hwnd, int style);
int WINAPI dtEnableCalendar(HWND hwnd, int enable);
int WINAPI dtSetNull(HWND hwnd);
int WINAPI dtIsNull(HWND hwnd);
LPSTR WINAPI dtGetDateString(HWND hwnd, LPSTR buffer); /* buffer of at least 32 bytes */
int WINAPI dtSetDateString(HWND hwnd, LPCSTR text);
int WINAPI dtGetMinHeight(HWND hwnd);
int WINAPI dtGetMinWidth(HWND hwnd);
int WINAPI dtOkToChange(HWND hwnd);
int WINAPI dtSetMonthLiterals(HWND hwnd, LPCSTR twelveNames);
int WINAPI dtSetDayLiterals(HWND hwnd, LPCSTR sevenLetters);
int WINAPI dtSetBorderStyle(HWND hwnd, int kind);
int WINAPI dtSetButtonStyle(HWND hwnd, int style);
int WINAPI dtDropDownCalendar(HWND hwnd);
LPSTR WINAPI dtSetButtonText(HWND hwnd, int index, LPCSTR text);
int WINAPI dtIsDateValid(HWND hwnd);

/* ---- Time edit -------------------------------------------------------------------------- */
#define TMS_BITMAPDIGITS 0x0010
#define TMS_FIXEDCELLS 0x0020
#define TMS_SECONDS 0x0040
#define TMS_READONLY 0x0800
#define TMS_BORDERRAISED 0x1000
#define TMS_BORDERSUNKEN 0x2000
#define TMS_BORDERSINGLE 0x4000

#define TEM_GETEDITPARAMS 0x487
#define TEM_SETEDITPARAMS 0x488
#define TEM_GETTIME 0x489
#define TEM_GETHOUR 0x48A
#define TEM_GETMINUTE 0x48B
#define TEM_GETSECOND 0x48C
#define TEM_SETTIME 0x48F
#define TEM_SETDISPLAYSTYLE 0x494
#define TEM_SETNULL 0x497
#define TEM_ISNULL 0x498
#define TEM_GETTIMESTRING 0x499
#define TEM_SETTIMESTRING 0x49A
#define TEM_GETMINHEIGHT 0x49B
#define TEM_GETMINWIDTH 0x49C
#define TEM_SETBKCOLOR 0x49D
#define TEM_SETTEXTCOLOR 0x49E
#define TEM_OKTOCHANGE 0x49F
#define TEM_STARTCLOCK 0x4A0
#define TEM_STOPCLOCK 0x4A1
#define TEM_SETHOUR 0x4A2
#define TEM_SETMINUTE 0x4A3
#define TEM_SETSECOND 0x4A4
#define TM_CLOCK_TIMER 567

typedef struct TMEDITPARAMS {
    DWORD setTime;
    WORD hour, minute, second;
    DWORD useSystemFormat;
    DWORD separator; /* 0 keeps the current one */
    DWORD leadingZero;
    DWORD hour24;
    DWORD seconds;
    char amDesignator[9];
    char pmDesignator[9];
} TMEDITPARAMS;

LPSTR WINAPI tmGetEditParams(HWND hwnd, TMEDITPARAMS* params);
int WINAPI tmSetEditParams(HWND hwnd, const TMEDITPARAMS* params);
int WINAPI tmGetTime(HWND hwnd, WORD* hourMinuteSecond);
int WINAPI tmGetHour(HWND hwnd);
int WINAPI tmGetMinute(HWND hwnd);
int WINAPI tmGetSecond(HWND hwnd);
int WINAPI tmSetTime(HWND hwnd, const WORD* hourMinuteSecond);
int WINAPI tmSetDisplayStyle(HWND hwnd, int style);
int WINAPI tmSetNull(HWND hwnd);
int WINAPI tmIsNull(HWND hwnd);
LPSTR WINAPI tmGetTimeString(HWND hwnd, LPSTR buffer); /* buffer of at least 32 bytes */
int WINAPI tmSetTimeString(HWND hwnd, LPCSTR text);
int WINAPI tmGetMinHeight(HWND hwnd);
int WINAPI tmGetMinWidth(HWND hwnd);
int WINAPI tmSetColor(HWND hwnd, int index, DWORD color);
int WINAPI tmOkToChange(HWND hwnd);
int WINAPI tmStartClock(HWND hwnd);
int WINAPI tmStopClock(HWND hwnd);
int WINAPI tmSetHour(HWND hwnd, int hour);
int WINAPI tmSetMinute(HWND hwnd, int minute);
int WINAPI tmSetSecond(HWND hwnd, int second);
int WINAPI tmSetBorderStyle(HWND hwnd, int kind);

#ifdef __cplusplus
}
#endif

#if defined(__has_include)
#if __has_include("calendar/tarn32_calendar.h")
#include "calendar/tarn32_calendar.h"
#endif
#include "button/tarn32_button.h"
#include "combo/tarn32_combo.h"
#include "fontsel/tarn32_fontsel.h"
#include "numedit/tarn32_numedit.h"
#endif
#include "outline/tarn32_outline.h"
#include "percent/tarn32_percent.h"
#include "dial/tarn32_dial.h"
#include "spin/tarn32_spin.h"
