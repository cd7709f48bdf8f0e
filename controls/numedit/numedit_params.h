#pragma once
// The numeric edit's edit-params record (nmGetEditParams, nmSetEditParams): format, range,
// decimals, separators and leading zero.

#include "controls/numedit/numedit_state.h"
#include "controls/numedit/tarn32_numedit.h"

namespace tw {

// Fills the record from the control; 0 for a null record.
int NUM_GetEditParams(const NumEditState& s, NMEDITPARAMS* p);

// Applies the record: a format above 9 or a range end that is not a number refuses it (0,
// nothing changed); decimals -1 follow the system's iDigits, others are brought into 0..12;
// a zero separator is the system's. A nonzero format in the plain style turns the formatted
// style on. The edit text is rewritten in the new form, repainted, and the change hook sent.
int NUM_SetEditParams(NumEditState& s, const NMEDITPARAMS* p);

}  // namespace tw
