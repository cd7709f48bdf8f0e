#pragma once
// The numeric edit's value as its clients read it: clamped to the range, then brought to the
// client's type. An integer type takes the value cut toward zero and saturates at its ends; a
// value that is not a number gives 0. Portable: no window system.

#include <cstdint>

namespace tw {

// The range a value is clamped to; `minimum` is never above `maximum`.
struct NumberRange {
    bool on = false;
    double minimum = 0;
    double maximum = 0;
};

// A range with its ends in order; false (nothing made) when an end is not a number.
bool MakeNumberRange(bool on, double first, double second, NumberRange& range);

// Clamp to the range when it is on.
double ClampToRange(double value, const NumberRange& range);

int32_t ToInt32(double value);
uint32_t ToUInt32(double value);
int16_t ToInt16(double value);
uint16_t ToUInt16(double value);
// The nearest float; values beyond the float range saturate at its largest finite values.
float ToFloat(double value);

}  // namespace tw
