#pragma once
// Integers as decimal text without printf, for the formatters' hot paths.

#include <string>

namespace tw {

// Appends `value` in decimal with at least `minDigits` digits (zero-padded), "-" first when
// negative: like printf's "%0*lld" with the sign outside the padding.
void AppendDecimal(std::string& out, long long value, int minDigits);

}  // namespace tw
