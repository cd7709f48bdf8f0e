// Exported nm functions: each fetches the numeric edit's state and hands it to the handler its
// private message uses; a window without state gives the failure value.

#include "controls/common/edit_queries.h"
#include "controls/control_state.h"
#include "controls/numedit/numedit_appearance.h"
#include "controls/numedit/numedit_params.h"
#include "controls/numedit/numedit_range.h"
#include "controls/numedit/numedit_spin.h"
#include "controls/numedit/numedit_value.h"

using namespace tw;

namespace {

constexpr int kNoStateMinHeight = 24;
constexpr int kNoStateMinWidth = 80;

NumEditState* Fetch(HWND hwnd) { return FetchNumEditState(hwnd); }

int SetWhole(HWND hwnd, double value) {
    return CallOnState(Fetch(hwnd), 0, NUM_SetWholeNumber, value);
}

int SetNumber(HWND hwnd, double value) { return CallOnState(Fetch(hwnd), 0, NUM_SetNumber, value); }

int IsNullOf(const NumEditState& s) { return EDIT_IsNull(s.core); }
int MinHeightOf(const NumEditState& s) { return EDIT_GetMinHeight(s.core); }
int OkToChangeOf(const NumEditState& s) { return EDIT_OkToChange(s.core); }

}  // namespace

extern "C" {

int WINAPI nmGetEditParams(HWND hwnd, NMEDITPARAMS* p) {
    return CallOnState(Fetch(hwnd), 0, NUM_GetEditParams, p);
}

int WINAPI nmSetEditParams(HWND hwnd, const NMEDITPARAMS* p) {
    return CallOnState(Fetch(hwnd), 0, NUM_SetEditParams, p);
}

LPSTR WINAPI nmGetLastGoodNumber(HWND hwnd, LPSTR buffer) {
    return CallOnState(Fetch(hwnd), LPSTR(nullptr), NUM_GetLastGoodNumber, buffer);
}

int WINAPI nmGetInteger(HWND hwnd) { return CallOnState(Fetch(hwnd), 0, NUM_GetInteger); }
LONG WINAPI nmGetLongInteger(HWND hwnd) { return CallOnState(Fetch(hwnd), 0L, NUM_GetInteger); }
UINT WINAPI nmGetUnsignedInteger(HWND hwnd) {
    return CallOnState(Fetch(hwnd), 0U, NUM_GetUnsigned);
}
ULONG WINAPI nmGetUnsignedLong(HWND hwnd) { return CallOnState(Fetch(hwnd), 0UL, NUM_GetUnsigned); }
short WINAPI nmGetShort(HWND hwnd) { return CallOnState(Fetch(hwnd), short(0), NUM_GetShort); }
WORD WINAPI nmGetUnsignedShort(HWND hwnd) {
    return CallOnState(Fetch(hwnd), WORD(0), NUM_GetUnsignedShort);
}

int WINAPI nmGetFloat(HWND hwnd, float* value) {
    return CallOnState(Fetch(hwnd), 0, NUM_GetFloat, value);
}
int WINAPI nmGetDouble(HWND hwnd, double* value) {
    return CallOnState(Fetch(hwnd), 0, NUM_GetDouble, value);
}
int WINAPI nmGetLongDouble(HWND hwnd, double* value) {
    return CallOnState(Fetch(hwnd), 0, NUM_GetDouble, value);
}

int WINAPI nmSetInteger(HWND hwnd, int value) { return SetWhole(hwnd, value); }
int WINAPI nmSetLongInteger(HWND hwnd, LONG value) { return SetWhole(hwnd, value); }
int WINAPI nmSetUnsignedInteger(HWND hwnd, UINT value) { return SetWhole(hwnd, value); }
int WINAPI nmSetUnsignedLong(HWND hwnd, ULONG value) { return SetWhole(hwnd, value); }
int WINAPI nmSetShort(HWND hwnd, short value) { return SetWhole(hwnd, value); }
int WINAPI nmSetUnsignedShort(HWND hwnd, WORD value) { return SetWhole(hwnd, value); }
int WINAPI nmSetFloat(HWND hwnd, float value) { return SetNumber(hwnd, value); }
int WINAPI nmSetDouble(HWND hwnd, double value) { return SetNumber(hwnd, value); }
int WINAPI nmSetLongDouble(HWND hwnd, double value) { return SetNumber(hwnd, value); }

int WINAPI nmSetDisplayStyle(HWND hwnd, int style) {
    return CallOnState(Fetch(hwnd), 0, NUM_SetDisplayStyle, style);
}

int WINAPI nmEnableSpinButtons(HWND hwnd, int enable) {
    return CallOnState(Fetch(hwnd), 0, NUM_EnableSpinButtons, enable);
}

int WINAPI nmSetAlignment(HWND hwnd, int alignment) {
    return CallOnState(Fetch(hwnd), 0, NUM_SetAlignment, alignment);
}

int WINAPI nmSetNull(HWND hwnd) { return CallOnState(Fetch(hwnd), 0, NUM_SetNull); }
int WINAPI nmIsNull(HWND hwnd) { return CallOnState(Fetch(hwnd), 1, IsNullOf); }

int WINAPI nmGetMinHeight(HWND hwnd) {
    return CallOnState(Fetch(hwnd), kNoStateMinHeight, MinHeightOf);
}

int WINAPI nmGetMinWidth(HWND hwnd) {
    return CallOnState(Fetch(hwnd), kNoStateMinWidth, NUM_GetMinWidth);
}

int WINAPI nmSetColor(HWND hwnd, int index, DWORD color) {
    return CallOnState(Fetch(hwnd), 0, NUM_SetColor, index, color);
}

int WINAPI nmOkToChange(HWND hwnd) { return CallOnState(Fetch(hwnd), 0, OkToChangeOf); }

int WINAPI nmSetBorderStyle(HWND hwnd, int kind) {
    return CallOnState(Fetch(hwnd), 0, NUM_SetBorderStyle, kind);
}

int WINAPI nmSetDeltaValue(HWND hwnd, const double* delta) {
    return CallOnState(Fetch(hwnd), 0, NUM_SetDelta, delta);
}

int WINAPI nmGetDeltaValue(HWND hwnd, double* delta) {
    return CallOnState(Fetch(hwnd), 0, NUM_GetDelta, delta);
}

}  // extern "C"
