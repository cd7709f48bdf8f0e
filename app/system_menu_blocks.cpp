#include "app/system_menu_blocks.h"

namespace tw {

namespace {

unsigned Wrapped(unsigned base) {
    return base > SystemMenuBlocks::kLastId ? SystemMenuBlocks::kFirstBlock : base;
}

}  // namespace

unsigned SystemMenuBlocks::Allocate(const std::function<bool(unsigned base)>& inUse) {
    const unsigned start = Wrapped(next_);
    unsigned candidate = start;
    do {
        const unsigned base = candidate;
        candidate = Wrapped(candidate + kBlockSize);
        if (!inUse(base)) {
            next_ = candidate;
            return base;
        }
    } while (candidate != start);
    next_ = start;
    return 0;
}

}  // namespace tw
