// Range and spin step of the numeric edit (see numedit_range.h).

#include "controls/numedit/numedit_range.h"

#include <cmath>

#include "controls/numedit/number_convert.h"
#include "controls/numedit/tarn32_numedit.h"

namespace tw {
namespace {

void WriteRangeEnd(double value, char* buffer) {
    if (buffer) lstrcpynA(buffer, SevenDigitText(value).c_str(), NM_RANGETEXT_SIZE);
}

}  // namespace

int NUM_SetDelta(NumEditState& s, const double* delta) {
    if (!delta || !std::isfinite(*delta)) return 0;
    s.delta = *delta;
    return 1;
}

int NUM_GetDelta(const NumEditState& s, double* delta) {
    if (!delta) return 0;
    *delta = s.delta;
    return 1;
}

int NUM_SetRangeTexts(NumEditState& s, const char* minimum, const char* maximum) {
    double low = 0;
    double high = 0;
    NumberRange range;
    if (!minimum || !maximum || !ParseNumberText(minimum, s.decimalSep, low) ||
        !ParseNumberText(maximum, s.decimalSep, high) ||
        !MakeNumberRange(s.rangeOn != FALSE, low, high, range))
        return 0;
    s.minimum = range.minimum;
    s.maximum = range.maximum;
    return 1;
}

int NUM_GetRangeTexts(const NumEditState& s, char* minimum, char* maximum) {
    WriteRangeEnd(s.minimum, minimum);
    WriteRangeEnd(s.maximum, maximum);
    return 1;
}

}  // namespace tw
