#pragma once
// Blocks of 16 command ids that the main window hands to each document for its popup in the
// main window's system menu. Blocks start at multiples of 16 from 16 up and stay below the
// system's own commands (0xF000): after the block at 0xEFF0 the search goes on at 16.

#include <functional>

namespace tw {

class SystemMenuBlocks {
public:
    static constexpr unsigned kBlockSize = 16;
    static constexpr unsigned kFirstBlock = 16;
    static constexpr unsigned kLastId = 0xEFFF;  // the highest id of the program's own

    // The next free block (inUse(base) false) from where the last search stopped, or 0 when
    // every block is in use.
    unsigned Allocate(const std::function<bool(unsigned base)>& inUse);

    // The base of the block that holds `id`.
    static unsigned BaseOf(unsigned id) { return id - id % kBlockSize; }

    // Where the next search starts.
    unsigned Next() const { return next_; }

private:
    unsigned next_ = kFirstBlock;
};

}  // namespace tw
