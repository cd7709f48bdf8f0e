// Value conversions of the numeric edit (see number_convert.h).

#include "controls/numedit/number_convert.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <utility>

namespace tw {
namespace {

// `value` cut toward zero into Integer, saturating at its ends; NaN gives 0.
template <class Integer>
Integer Saturate(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lowest = static_cast<double>(std::numeric_limits<Integer>::min());
    constexpr double highest = static_cast<double>(std::numeric_limits<Integer>::max());
    if (value <= lowest) return std::numeric_limits<Integer>::min();
    if (value >= highest) return std::numeric_limits<Integer>::max();
    return static_cast<Integer>(value);
}

}  // namespace

bool MakeNumberRange(bool on, double first, double second, NumberRange& range) {
    if (std::isnan(first) || std::isnan(second)) return false;
    if (first > second) std::swap(first, second);
    range = {on, first, second};
    return true;
}

double ClampToRange(double value, const NumberRange& range) {
    if (!range.on) return value;
    if (value < range.minimum) return range.minimum;
    if (value > range.maximum) return range.maximum;
    return value;
}

int32_t ToInt32(double value) { return Saturate<int32_t>(value); }
uint32_t ToUInt32(double value) { return Saturate<uint32_t>(value); }
int16_t ToInt16(double value) { return Saturate<int16_t>(value); }
uint16_t ToUInt16(double value) { return Saturate<uint16_t>(value); }

float ToFloat(double value) {
    if (std::isnan(value)) return 0;
    if (value >= FLT_MAX) return FLT_MAX;
    if (value <= -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(value);
}

}  // namespace tw
