#pragma once
// Client interface of the outline list, window class "TarnHierList32": an owner-painted list
// box that shows a tree of items as an indented outline. Items are addressed by their row
// among the visible rows (0 = first; -1 where a parent is asked for means the top level) or,
// in the functions ending in Ex, by an item handle that stays valid while the item exists (0
// means none or the top level). Every function takes the list's window first.
//
// Failure values: a window that is not an outline list, a row that does not exist and a
// handle that names no live item (stale or made up) give -1 (OLB_ERR, or OLB_BADITEM for
// handle results), never a fault.

#include <windows.h>

#define TARN_OUTLINE_CLASS "TarnHierList32"

typedef DWORD HOLBITEM;
#define OLB_ERR (-1)
#define OLB_NOITEM ((HOLBITEM)0)
#define OLB_BADITEM ((HOLBITEM)-1)
#define OLB_TOPLEVEL (-1) /* the parent row of top-level items */
#define OLB_ATEND 0xFFFF  /* insertion position: after the last child */

/* Style bits: those of the system list box, plus the border kinds. */
#define OLBS_NOTIFY 0x0001
#define OLBS_NOREDRAW 0x0004
#define OLBS_MULTIPLESEL 0x0008
#define OLBS_OWNERDRAWFIXED 0x0010
#define OLBS_OWNERDRAWVARIABLE 0x0020
#define OLBS_HASSTRINGS 0x0040
#define OLBS_USETABSTOPS 0x0080
#define OLBS_MULTICOLUMN 0x0200
#define OLBS_WANTKEYBOARDINPUT 0x0400
#define OLBS_BORDERSUNKEN 0x4000
#define OLBS_BORDERRAISED 0x8000

/* Item flags, as the notifications report them. */
#define OLBF_OPEN 0x0001
#define OLBF_SELECTED 0x0002
#define OLBF_CARET 0x0004
#define OLBF_LOCKED 0x0008

/* Option flags (olbSetFlags). */
#define OLBO_LINES 0x0004
#define OLBO_PARENTBRUSH 0x0008 /* background brush from the parent's WM_CTLCOLORLISTBOX */
#define OLBO_FULLSELECT 0x0010
#define OLBO_MICROBITMAPS 0x0080

/* Bitmap index bit of a directory, and "none" for olbSetLevelIndex. */
#define OLB_DIRECTORYIMAGE 0x8000
#define OLB_NOIMAGE 0xFFFF
#define OLB_NOLEVELIMAGE 0xFFFFFFFF
#define OLB_LEVELPICTURES 20

/* olbDir attribute bits: the list box's DDL_ bits, and one of ours. */
#define OLBDIR_RECURSE 0x1000 /* list each directory's contents beneath it */

/* Colour indexes of olbSetColor (the library's indexes). */
#define OLB_COLOR_3DHIGHLIGHT 0
#define OLB_COLOR_3DSHADOW 1
#define OLB_COLOR_BACKGROUND 2
#define OLB_COLOR_TEXT 4
#define OLB_COLOR_3DFACE 8
#define OLB_COLOR_LINES 16
#define OLB_COLOR_LOCKEDTEXT 32
#define OLB_COLOR_SELECTEDTEXT 64

/* Notifications: WM_NOTIFY codes with an NMOUTLINE record ... */
#define OLBN_CLICK (-2)
#define OLBN_DBLCLK (-3)
#define OLBN_SELECTING (-801) /* clear allow to refuse */
#define OLBN_UNSELECTED (-802)
#define OLBN_OPENING (-803) /* clear allow to refuse */
#define OLBN_OPENED (-804)
#define OLBN_DELETING (-805)
#define OLBN_CLOSING (-807) /* clear allow to refuse */
#define OLBN_CLOSED (-808)
/* ... and WM_COMMAND codes (style OLBS_NOTIFY). */
#define OLBN_CMD_DBLCLK 2
#define OLBN_CMD_SELCANCEL 3
#define OLBN_CMD_SETFOCUS 4
#define OLBN_CMD_KILLFOCUS 5
#define OLBN_CMD_OPENED 6
#define OLBN_CMD_CLOSED 7

typedef struct NMOUTLINE {
    NMHDR hdr;
    HOLBITEM item;
    DWORD oldFlags;
    DWORD newFlags;
    DWORD itemData;
    LONG level;
    POINT point; /* client coordinates of the mouse; 0, 0 when no mouse was involved */
    BOOL allow;  /* 1 on the way in */
} NMOUTLINE;

/* Records of the private messages that carry more than two values. */
typedef struct OLBTEXTBUFFER {
    LPSTR buffer;
    LONG size; /* bytes the buffer holds, terminator included */
} OLBTEXTBUFFER;

typedef struct OLBINSERT {
    LONG position; /* child position to insert before; OLB_ATEND for the end */
    LPCSTR text;
} OLBINSERT;

/* Timer of the automatic scrolling while the mouse is dragged beyond the rows. */
#define OLB_SCROLL_TIMER 101

/* Private messages, 0x52C to 0x583 (wParam, lParam as noted; the result as the function's). */
#define OLBM_ADDCHILDSTRING 0x52C    /* parent row, text */
#define OLBM_ADDCHILDSTRINGEX 0x52D  /* parent handle, text */
#define OLBM_ADDSTRING 0x52E         /* -, text */
#define OLBM_CHANGESTYLE 0x52F       /* bits to remove, bits to add */
#define OLBM_CLOSEITEM 0x530         /* row */
#define OLBM_COPYCHILDREN 0x531      /* row, new parent row */
#define OLBM_COPYCHILDRENEX 0x532    /* handle, new parent handle */
#define OLBM_COPYITEM 0x533          /* row, new parent row */
#define OLBM_COPYITEMEX 0x534        /* handle, new parent handle */
#define OLBM_DELETESTRING 0x535      /* row */
#define OLBM_DELETESTRINGEX 0x536    /* handle */
#define OLBM_DELETESUBTREE 0x537     /* row */
#define OLBM_DELETESUBTREEEX 0x538   /* handle */
#define OLBM_DIREX 0x539             /* attributes, drive */
#define OLBM_FINDSTRING 0x53A        /* start row, text */
#define OLBM_FINDSTRINGEX 0x53B      /* parent handle, text */
#define OLBM_FINDSTRINGEXACT 0x53C   /* start row, text */
#define OLBM_FINDSTRINGEXACTEX 0x53D /* parent handle, text */
#define OLBM_GETBOTTOMINDEX 0x53E    /* -, - */
#define OLBM_GETCHILDHANDLE 0x53F    /* parent row, child position */
#define OLBM_GETCHILDHANDLEEX 0x540  /* parent handle, child position */
#define OLBM_GETCOUNT 0x541          /* -, - */
#define OLBM_GETCURSEL 0x542         /* -, - */
#define OLBM_GETCURSELEX 0x543       /* -, - */
#define OLBM_GETFULLPATH 0x544       /* row, OLBTEXTBUFFER* */
#define OLBM_GETFULLPATHEX 0x545     /* handle, OLBTEXTBUFFER* */
#define OLBM_GETITEMDATA 0x546       /* row */
#define OLBM_GETITEMDATAEX 0x547     /* handle */
#define OLBM_GETITEMHEIGHT 0x548     /* row */
#define OLBM_GETITEMHEIGHTEX 0x549   /* handle */
#define OLBM_GETITEMRECT 0x54A       /* row, RECT* */
#define OLBM_GETPATHSEPARATOR 0x54B  /* -, - */
#define OLBM_GETSEL 0x54C            /* row */
#define OLBM_GETSELITEMS 0x54D       /* room, LONG* rows */
#define OLBM_GETTEXT 0x54E           /* row, OLBTEXTBUFFER* */
#define OLBM_GETTEXTEX 0x54F         /* handle, OLBTEXTBUFFER* */
#define OLBM_GETTEXTLENGTH 0x550     /* row */
#define OLBM_GETTEXTLENGTHEX 0x551   /* handle */
#define OLBM_GETTOPINDEX 0x552       /* -, - */
#define OLBM_GETVISIBLECOUNT 0x553   /* -, - */
#define OLBM_HANDLETOINDEX 0x554     /* handle */
#define OLBM_INDEXTOHANDLE 0x555     /* row */
#define OLBM_INSERTSTRING 0x556      /* parent row, OLBINSERT* */
#define OLBM_INSERTSTRINGEX 0x557    /* parent handle, OLBINSERT* */
#define OLBM_LOCKITEM 0x558          /* row, lock */
#define OLBM_LOCKITEMEX 0x559        /* handle, lock */
#define OLBM_MOVECHILDREN 0x55A      /* row, new parent row */
#define OLBM_MOVECHILDRENEX 0x55B    /* handle, new parent handle */
#define OLBM_MOVEITEM 0x55C          /* row, new parent row */
#define OLBM_MOVEITEMEX 0x55D        /* handle, new parent handle */
#define OLBM_OPENITEM 0x55E          /* row */
#define OLBM_OPENALL 0x55F           /* row, or -1 for every top-level item */
#define OLBM_ISAUTOOPEN 0x560        /* -, - */
#define OLBM_HASCHILDREN 0x561       /* row */
#define OLBM_HASCHILDRENEX 0x562     /* handle */
#define OLBM_QUERYLEVEL 0x563        /* row */
#define OLBM_QUERYLEVELEX 0x564      /* handle */
#define OLBM_QUERYLOCK 0x565         /* row */
#define OLBM_QUERYLOCKEX 0x566       /* handle */
#define OLBM_QUERYOPEN 0x567         /* row */
#define OLBM_QUERYOPENEX 0x568       /* handle */
#define OLBM_QUERYPARENT 0x569       /* row */
#define OLBM_QUERYPARENTEX 0x56A     /* handle */
#define OLBM_QUERYVISIBLE 0x56B      /* handle */
#define OLBM_SELECTSTRING 0x56C      /* start row, text */
#define OLBM_SETAUTOOPEN 0x56D       /* flag */
#define OLBM_SETBITMAPINDEX 0x56E    /* row (-1: the control), image index */
#define OLBM_SETBITMAPINDEXEX 0x56F  /* handle (0: the control), image index */
#define OLBM_SETBITMAPS 0x570        /* row (-1: the control), HBITMAP */
#define OLBM_SETBITMAPSEX 0x571      /* handle (0: the control), HBITMAP */
#define OLBM_SETBORDERSTYLE 0x572    /* kind 0..3 */
#define OLBM_SETCURSEL 0x573         /* row */
#define OLBM_SETFULLSELECTRECT 0x574 /* flag */
#define OLBM_SETINDENT 0x575         /* pixels */
#define OLBM_SETITEMDATA 0x576       /* row, data */
#define OLBM_SETITEMDATAEX 0x577     /* handle, data */
#define OLBM_SETITEMHEIGHT 0x578     /* row, height */
#define OLBM_SETITEMHEIGHTEX 0x579   /* handle, height */
#define OLBM_SETITEMTEXT 0x57A       /* row, text */
#define OLBM_SETITEMTEXTEX 0x57B     /* handle, text */
#define OLBM_SETLEVELBITMAP 0x57C    /* level, HBITMAP */
#define OLBM_SETLEVELINDEX 0x57D     /* level, image index */
#define OLBM_SETPATHSEPARATOR 0x57E  /* character */
#define OLBM_SETPROPSCROLLBARS 0x57F /* flag */
#define OLBM_SETSEL 0x580            /* select, row (-1: every row) */
#define OLBM_SETTOPINDEX 0x581       /* row */
#define OLBM_SHOWLINES 0x582         /* flag */
#define OLBM_SETNOHIDESEL 0x583      /* flag */

#ifdef __cplusplus
extern "C" {
#endif

LRESULT CALLBACK TarnHierListWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

/* Addressing: the handle of a row (0 past the rows), the row of a handle (-1 while hidden). */
HOLBITEM WINAPI olbIndexToHandle(HWND hwnd, LONG row);
LONG WINAPI olbHandleToIndex(HWND hwnd, HOLBITEM item);

/* Adding: the new row, or the row of its nearest visible ancestor while the new item is hidden
   in a closed parent; Ex forms give the new handle. Texts are the item's 32-bit value in lists
   without strings (owner draw without OLBS_HASSTRINGS). */
LONG WINAPI olbAddString(HWND hwnd, LPCSTR text);
LONG WINAPI olbAddChildString(HWND hwnd, LONG parentRow, LPCSTR text);
HOLBITEM WINAPI olbAddChildStringEx(HWND hwnd, HOLBITEM parent, LPCSTR text);
LONG WINAPI olbInsertString(HWND hwnd, LONG parentRow, LONG position, LPCSTR text);
HOLBITEM WINAPI olbInsertStringEx(HWND hwnd, HOLBITEM parent, LONG position, LPCSTR text);
LONG WINAPI olbAddFile(HWND hwnd, LPCSTR fileName);

/* Deleting: the number of rows left. */
LONG WINAPI olbDeleteString(HWND hwnd, LONG row);
LONG WINAPI olbDeleteStringEx(HWND hwnd, HOLBITEM item);
LONG WINAPI olbDeleteSubTree(HWND hwnd, LONG row);
LONG WINAPI olbDeleteSubTreeEx(HWND hwnd, HOLBITEM item);
LONG WINAPI olbResetContent(HWND hwnd);

/* Moving and copying under another parent (at the end of its children); a target inside the
   item's own subtree is refused. Items: where the item shows (as adding); children: how many
   moved or were copied. */
LONG WINAPI olbMoveItem(HWND hwnd, LONG row, LONG newParentRow);
HOLBITEM WINAPI olbMoveItemEx(HWND hwnd, HOLBITEM item, HOLBITEM newParent);
LONG WINAPI olbMoveChildren(HWND hwnd, LONG row, LONG newParentRow);
LONG WINAPI olbMoveChildrenEx(HWND hwnd, HOLBITEM item, HOLBITEM newParent);
LONG WINAPI olbCopyItem(HWND hwnd, LONG row, LONG newParentRow);
HOLBITEM WINAPI olbCopyItemEx(HWND hwnd, HOLBITEM item, HOLBITEM newParent);
LONG WINAPI olbCopyChildren(HWND hwnd, LONG row, LONG newParentRow);
LONG WINAPI olbCopyChildrenEx(HWND hwnd, HOLBITEM item, HOLBITEM newParent);

/* Opening: 1 changed, 0 nothing to change (already so, no children or locked). */
LONG WINAPI olbOpenItem(HWND hwnd, LONG row);
LONG WINAPI olbCloseItem(HWND hwnd, LONG row);
LONG WINAPI olbOpenAll(HWND hwnd, LONG row);
LONG WINAPI olbCloseAll(HWND hwnd);
LONG WINAPI olbSetAutoOpen(HWND hwnd, BOOL autoOpen); /* a parent opens when it gets a child */
LONG WINAPI olbIsAutoOpen(HWND hwnd);
LONG WINAPI olbQueryOpen(HWND hwnd, LONG row);
LONG WINAPI olbQueryOpenEx(HWND hwnd, HOLBITEM item);

/* Locking: the previous state (1 locked, 0 not). */
LONG WINAPI olbLockItem(HWND hwnd, LONG row, BOOL lock);
LONG WINAPI olbLockItemEx(HWND hwnd, HOLBITEM item, BOOL lock);
LONG WINAPI olbQueryLock(HWND hwnd, LONG row);
LONG WINAPI olbQueryLockEx(HWND hwnd, HOLBITEM item);

/* Structure. Query functions give rows and numbers; Get...Ex functions give handles (0: none,
   the top level for a parent). Walks from 0 start at the first (or last) item or row. */
LONG WINAPI olbQueryLevel(HWND hwnd, LONG row);
LONG WINAPI olbQueryLevelEx(HWND hwnd, HOLBITEM item);
LONG WINAPI olbQueryParent(HWND hwnd, LONG row);        /* the parent's row; -1 at the top */
LONG WINAPI olbQueryParentEx(HWND hwnd, HOLBITEM item); /* the parent's row */
LONG WINAPI olbHasChildren(HWND hwnd, LONG row);        /* the number of children */
LONG WINAPI olbHasChildrenEx(HWND hwnd, HOLBITEM item);
LONG WINAPI olbQueryVisible(HWND hwnd, HOLBITEM item); /* 1 when every ancestor is open */
HOLBITEM WINAPI olbGetChildHandle(HWND hwnd, LONG parentRow, LONG position);
HOLBITEM WINAPI olbGetChildHandleEx(HWND hwnd, HOLBITEM parent, LONG position);
HOLBITEM WINAPI olbGetParentEx(HWND hwnd, HOLBITEM item);
HOLBITEM WINAPI olbGetFirstChildEx(HWND hwnd, HOLBITEM parent);
HOLBITEM WINAPI olbGetNextSiblingEx(HWND hwnd, HOLBITEM item);
HOLBITEM WINAPI olbGetPreviousSiblingEx(HWND hwnd, HOLBITEM item);
HOLBITEM WINAPI olbGetNextEx(HWND hwnd, HOLBITEM item);
HOLBITEM WINAPI olbGetPreviousEx(HWND hwnd, HOLBITEM item);
HOLBITEM WINAPI olbGetNextVisibleEx(HWND hwnd, HOLBITEM item);
HOLBITEM WINAPI olbGetPreviousVisibleEx(HWND hwnd, HOLBITEM item);

/* Text and data. The getters copy at most size - 1 characters and a terminator and return the
   whole text's length; a list without strings has empty texts. */
LONG WINAPI olbGetText(HWND hwnd, LONG row, LPSTR buffer, LONG size);
LONG WINAPI olbGetTextEx(HWND hwnd, HOLBITEM item, LPSTR buffer, LONG size);
LONG WINAPI olbGetTextLength(HWND hwnd, LONG row);
LONG WINAPI olbGetTextLengthEx(HWND hwnd, HOLBITEM item);
LONG WINAPI olbSetItemText(HWND hwnd, LONG row, LPCSTR text);
LONG WINAPI olbSetItemTextEx(HWND hwnd, HOLBITEM item, LPCSTR text);
DWORD WINAPI olbGetItemData(HWND hwnd, LONG row);
DWORD WINAPI olbGetItemDataEx(HWND hwnd, HOLBITEM item);
LONG WINAPI olbSetItemData(HWND hwnd, LONG row, DWORD data);
LONG WINAPI olbSetItemDataEx(HWND hwnd, HOLBITEM item, DWORD data);

/* Paths: the texts from the top down joined by the separator (not doubled). */
LONG WINAPI olbGetFullPath(HWND hwnd, LONG row, LPSTR buffer, LONG size);
LONG WINAPI olbGetFullPathEx(HWND hwnd, HOLBITEM item, LPSTR buffer, LONG size);
LONG WINAPI olbSetPathSeparator(HWND hwnd, LONG separator); /* the previous one */
LONG WINAPI olbGetPathSeparator(HWND hwnd);

/* Searching, without regard to case: a prefix, or the whole text for the exact search; values
   in lists without strings. Among siblings: after the start, wrapping round. -1: no match. */
LONG WINAPI olbFindString(HWND hwnd, LONG startRow, LPCSTR text); /* -1: the top level */
HOLBITEM WINAPI olbFindStringEx(HWND hwnd, HOLBITEM parent, LPCSTR text);
LONG WINAPI olbSelectString(HWND hwnd, LONG startRow, LPCSTR text);
HOLBITEM WINAPI olbSearchStringEx(HWND hwnd, HOLBITEM parent, LPCSTR text); /* exact */
HOLBITEM WINAPI olbFindNextEx(HWND hwnd, HOLBITEM after, LPCSTR text);      /* tree order */
HOLBITEM WINAPI olbFindPreviousEx(HWND hwnd, HOLBITEM before, LPCSTR text);
HOLBITEM WINAPI olbFindNextSiblingEx(HWND hwnd, HOLBITEM after, LPCSTR text);
HOLBITEM WINAPI olbFindPreviousSiblingEx(HWND hwnd, HOLBITEM before, LPCSTR text);
HOLBITEM WINAPI olbFindNextVisibleEx(HWND hwnd, HOLBITEM after, LPCSTR text); /* rows */
HOLBITEM WINAPI olbFindPreviousVisibleEx(HWND hwnd, HOLBITEM before, LPCSTR text);

/* Selection, as a list box offers it. */
LONG WINAPI olbSetCurSel(HWND hwnd, LONG row); /* -1 clears the selection */
LONG WINAPI olbGetCurSel(HWND hwnd);
HOLBITEM WINAPI olbGetCurSelEx(HWND hwnd);
LONG WINAPI olbSetSel(HWND hwnd, BOOL select, LONG row); /* row -1: every row */
LONG WINAPI olbGetSel(HWND hwnd, LONG row);
LONG WINAPI olbGetSelCount(HWND hwnd);
LONG WINAPI olbGetSelItems(HWND hwnd, LONG room, LONG* rows);
LONG WINAPI olbSelItemRange(HWND hwnd, BOOL select, LONG first, LONG last);
HOLBITEM WINAPI olbGetNextSelectedEx(HWND hwnd, HOLBITEM after);
HOLBITEM WINAPI olbGetPreviousSelectedEx(HWND hwnd, HOLBITEM before);
LONG WINAPI olbSetCaretIndex(HWND hwnd, LONG row);
LONG WINAPI olbGetCaretIndex(HWND hwnd);
LONG WINAPI olbSetAnchorIndex(HWND hwnd, LONG row);
LONG WINAPI olbGetAnchorIndex(HWND hwnd);
LONG WINAPI olbSetNoHideSel(HWND hwnd, BOOL noHide); /* the previous setting */

/* Appearance. Setters of a switch give its previous state. */
LONG WINAPI olbSetBitmaps(HWND hwnd, LONG row, HBITMAP bitmap); /* row -1: the control's */
LONG WINAPI olbSetBitmapsEx(HWND hwnd, HOLBITEM item, HBITMAP bitmap);
LONG WINAPI olbSetBitmapIndex(HWND hwnd, LONG row, LONG image);
LONG WINAPI olbSetBitmapIndexEx(HWND hwnd, HOLBITEM item, LONG image);
LONG WINAPI olbSetLevelBitmap(HWND hwnd, LONG level, HBITMAP bitmap); /* levels 0..19 */
LONG WINAPI olbSetLevelIndex(HWND hwnd, LONG level, DWORD image);
LONG WINAPI olbEnableBitmaps(HWND hwnd, BOOL enable);
LONG WINAPI olbEnableMicroBitmaps(HWND hwnd, BOOL enable);
LONG WINAPI olbUseStateBitmaps(HWND hwnd, BOOL use);
LONG WINAPI olbShowLines(HWND hwnd, BOOL show);
LONG WINAPI olbSetIndent(HWND hwnd, LONG indent); /* the previous indent */
LONG WINAPI olbGetIndent(HWND hwnd);
LONG WINAPI olbSetColor(HWND hwnd, LONG index, DWORD color, BOOL repaint); /* 1 set, 0 none */
LONG WINAPI olbSetBorderStyle(HWND hwnd, LONG kind);                       /* the previous kind */
LONG WINAPI olbGetBorderStyle(HWND hwnd);
LONG WINAPI olbSetOwnerDraw(HWND hwnd, DWORD ownerDraw); /* 0, OLBS_OWNERDRAWFIXED or ..VARIABLE */
LONG WINAPI olbChangeStyle(HWND hwnd, DWORD remove, DWORD add); /* the previous style bits */
LONG WINAPI olbSetFlags(HWND hwnd, DWORD keep, DWORD set);      /* the previous flags */
LONG WINAPI olbSetCompatibilityMode(HWND hwnd, BOOL on);        /* dotted lines as of old */
LONG WINAPI olbSetFullSelectRect(HWND hwnd, BOOL on);
LONG WINAPI olbSetProportionalScrollBars(HWND hwnd, BOOL on);
LONG WINAPI olbPaintBitmap(HWND hwnd, HDC dc, HOLBITEM item, const RECT* row); /* the text x */
LONG WINAPI olbPaintLines(HWND hwnd, HDC dc, HOLBITEM item, const RECT* row);

/* Geometry. */
LONG WINAPI olbSetTopIndex(HWND hwnd, LONG row);
LONG WINAPI olbGetTopIndex(HWND hwnd);
LONG WINAPI olbGetBottomIndex(HWND hwnd);
LONG WINAPI olbGetCount(HWND hwnd);        /* every item */
LONG WINAPI olbGetVisibleCount(HWND hwnd); /* the rows */
LONG WINAPI olbEnsureVisible(HWND hwnd, LONG row);
LONG WINAPI olbGetItemRect(HWND hwnd, LONG row, RECT* rect);
LONG WINAPI olbGetItemTextRect(HWND hwnd, LONG row, RECT* rect);
LONG WINAPI olbGetItemAtPoint(HWND hwnd, LONG x, LONG y);
LONG WINAPI olbSetItemHeight(HWND hwnd, LONG row, LONG height); /* row -1: every row */
LONG WINAPI olbSetItemHeightEx(HWND hwnd, HOLBITEM item, LONG height);
LONG WINAPI olbGetItemHeight(HWND hwnd, LONG row);
LONG WINAPI olbGetItemHeightEx(HWND hwnd, HOLBITEM item);
LONG WINAPI olbSetColumns(HWND hwnd, LONG columns);
LONG WINAPI olbSetColumnWidth(HWND hwnd, LONG width);
LONG WINAPI olbGetColumnWidth(HWND hwnd);
LONG WINAPI olbGetLinesPerColumn(HWND hwnd);
LONG WINAPI olbSetTabStops(HWND hwnd, LONG count, const LONG* stops); /* dialog units */
LONG WINAPI olbSetHorizontalExtent(HWND hwnd, LONG extent);
LONG WINAPI olbGetHorizontalExtent(HWND hwnd);

/* File system: the row of the last item added (olbDir) or of the drive's root (olbDirEx). */
LONG WINAPI olbDir(HWND hwnd, DWORD attributes, LPCSTR pattern);
LONG WINAPI olbDirEx(HWND hwnd, DWORD attributes, LONG drive); /* 1 = A:, 0 = current */

/* Other. */
VOID CALLBACK lbTimerProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
LONG WINAPI lbSetOcx(HWND hwnd, BOOL hosted); /* notifications to the control itself */

#ifdef __cplusplus
}
#endif
