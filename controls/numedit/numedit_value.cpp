// The numeric edit's value (see numedit_value.h).

#include "controls/numedit/numedit_value.h"

#include <cmath>
#include <string>

#include "controls/common/edit_fields.h"
#include "controls/common/edit_notify.h"
#include "controls/numedit/number_convert.h"
#include "controls/numedit/numedit_changes.h"
#include "controls/numedit/tarn32_numedit.h"

namespace tw {
namespace {

// The edit text as a number; false when it is not one.
bool ParsedText(const NumEditState& s, double& value) {
    value = 0;
    return ParseNumberText(s.core.text, s.decimalSep, value);
}

int StoreValue(NumEditState& s, double value) {
    if (!ChangePermitted(s.core.hwnd)) return 0;
    StoreProgrammaticText(s, EditFormOfValue(value, LookOf(s)));
    return 1;
}

}  // namespace

double NUM_Value(const NumEditState& s) {
    double value = 0;
    ParsedText(s, value);
    return ClampToRange(value, RangeOf(s));
}

int NUM_GetInteger(const NumEditState& s) { return ToInt32(NUM_Value(s)); }
UINT NUM_GetUnsigned(const NumEditState& s) { return ToUInt32(NUM_Value(s)); }
short NUM_GetShort(const NumEditState& s) { return ToInt16(NUM_Value(s)); }
WORD NUM_GetUnsignedShort(const NumEditState& s) { return ToUInt16(NUM_Value(s)); }

int NUM_GetFloat(const NumEditState& s, float* value) {
    if (!value) return 0;
    *value = ToFloat(NUM_Value(s));
    return 1;
}

int NUM_GetDouble(const NumEditState& s, double* value) {
    if (!value) return 0;
    *value = NUM_Value(s);
    return 1;
}

int NUM_SetWholeNumber(NumEditState& s, double value) {
    return StoreValue(s, std::trunc(ClampToRange(value, RangeOf(s))));
}

int NUM_SetNumber(NumEditState& s, double value) {
    if (!std::isfinite(value)) return 0;
    return StoreValue(s, ClampToRange(value, RangeOf(s)));
}

int NUM_SetFloatFrom(NumEditState& s, const float* value) {
    return value ? NUM_SetNumber(s, *value) : 0;
}

int NUM_SetNumberFrom(NumEditState& s, const double* value) {
    return value ? NUM_SetNumber(s, *value) : 0;
}

int NUM_SetNull(NumEditState& s) {
    EditCore& core = s.core;
    HWND hwnd = core.hwnd;
    if (!ChangePermitted(hwnd)) return 0;
    core.isNull = TRUE;
    CollapseSelection(core, 0);
    RefreshShownText(s);
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    SendMessageA(hwnd, kChangeHookMessage, 0, 0);
    return 1;
}

LPSTR NUM_GetLastGoodNumber(const NumEditState& s, LPSTR buffer) {
    if (!buffer) return nullptr;
    double value = 0;
    const bool number = ParsedText(s, value);
    const double clamped = ClampToRange(value, RangeOf(s));
    const std::string text =
        number && clamped == value ? std::string(s.core.text) : EditFormOfValue(clamped, LookOf(s));
    lstrcpynA(buffer, text.c_str(), NM_NUMBERTEXT_SIZE);
    return buffer;
}

}  // namespace tw
