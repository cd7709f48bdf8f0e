#include "controls/calendar/popup_placement.h"

#include <algorithm>

namespace tw {

ScreenPoint PlaceDropDown(const ScreenRect& anchor, int width, int height,
                          const ScreenRect& screen) {
    ScreenPoint p{anchor.left, anchor.bottom};
    p.x = std::max(p.x, screen.left);
    p.y = std::max(p.y, screen.top);
    if (p.x + width > screen.right) p.x -= p.x + width - screen.right;
    if (p.y + height > screen.bottom) p.y = anchor.top - height;
    p.x = std::max(p.x, screen.left);
    p.y = std::max(p.y, screen.top);
    return p;
}

}  // namespace tw
