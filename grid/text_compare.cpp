#include "grid/text_compare.h"

namespace tw {
namespace grid {

namespace {
unsigned char Fold(unsigned char c, bool noCase) {
    return (noCase && c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}
}  // namespace

int CompareText(const char* a, const char* b, bool noCase) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(a ? a : "");
    const unsigned char* q = reinterpret_cast<const unsigned char*>(b ? b : "");
    for (;; ++p, ++q) {
        const unsigned char x = Fold(*p, noCase);
        const unsigned char y = Fold(*q, noCase);
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
}

}  // namespace grid
}  // namespace tw
