#include "framework/decimal_text.h"

namespace tw {

void AppendDecimal(std::string& out, long long value, int minDigits) {
    unsigned long long v = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                     : static_cast<unsigned long long>(value);
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (value < 0) out.push_back('-');
    for (int pad = n; pad < minDigits; ++pad) out.push_back('0');
    while (n > 0) out.push_back(digits[--n]);
}

}  // namespace tw
