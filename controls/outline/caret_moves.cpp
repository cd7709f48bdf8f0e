// Caret moves of the navigation keys (see caret_moves.h).

#include "controls/outline/caret_moves.h"

#include <algorithm>

namespace tw {

long CaretTarget(CaretKey key, long caret, long rows, long pageRows, long rowsPerColumn) {
    if (rows <= 0) return -1;
    if (caret < 0 || caret >= rows) return 0;
    const long page = std::max(1L, pageRows - 1);
    const long column = std::max(1L, rowsPerColumn);
    long target = caret;
    switch (key) {
        case CaretKey::Up: target = caret - 1; break;
        case CaretKey::Down: target = caret + 1; break;
        case CaretKey::PageUp: target = caret - page; break;
        case CaretKey::PageDown: target = caret + page; break;
        case CaretKey::Home: target = 0; break;
        case CaretKey::End: target = rows - 1; break;
        case CaretKey::Left: target = caret - column; break;
        case CaretKey::Right: target = caret + column; break;
    }
    return std::clamp(target, 0L, rows - 1);
}

}  // namespace tw
