#pragma once
// The numeric edit's value as clients read and set it: the getters of the integer and floating
// types, the setters (after permission), null, and the last good number.

#include "controls/numedit/numedit_state.h"

namespace tw {

// The edit text read as a number (0 when it is not one), clamped when the range is on.
double NUM_Value(const NumEditState& s);

// nmGetInteger, nmGetLongInteger (both 32 bits), nmGetUnsignedInteger, nmGetUnsignedLong,
// nmGetShort, nmGetUnsignedShort: the value cut toward zero, saturating at the type's ends.
int NUM_GetInteger(const NumEditState& s);
UINT NUM_GetUnsigned(const NumEditState& s);
short NUM_GetShort(const NumEditState& s);
WORD NUM_GetUnsignedShort(const NumEditState& s);
// nmGetFloat; nmGetDouble, nmGetLongDouble (8 bytes) and 0xD01: the value into `*value`;
// 0 for a null pointer.
int NUM_GetFloat(const NumEditState& s, float* value);
int NUM_GetDouble(const NumEditState& s, double* value);

// The integer setters: the value clamped, cut toward zero and written as an integer (with the
// decimals of a decimal format); 1, or 0 when permission is refused.
int NUM_SetWholeNumber(NumEditState& s, double value);
// The floating setters: the value clamped and written in fixed-point; a value that is not a
// finite number is refused (0).
int NUM_SetNumber(NumEditState& s, double value);
// The same from a caller's variable (messages 0x491 to 0x493 and 0xD00); 0 for null.
int NUM_SetFloatFrom(NumEditState& s, const float* value);
int NUM_SetNumberFrom(NumEditState& s, const double* value);

// nmSetNull: after permission, null (shown as a blank), selection reset, repainted, change
// hook.
int NUM_SetNull(NumEditState& s);

// nmGetLastGoodNumber: the value clamped in the edit form, at most 64 bytes with the
// terminator; the edit text itself when it is a number inside the range. Returns `buffer`.
LPSTR NUM_GetLastGoodNumber(const NumEditState& s, LPSTR buffer);

}  // namespace tw
