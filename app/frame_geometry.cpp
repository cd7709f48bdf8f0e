#include "app/frame_geometry.h"

#include <cstdint>

namespace tw {

int CompactedMainHeight(int mainHeight, int clientHeight, int minimizedChildHeight,
                        const FrameMetrics& m) {
    return mainHeight - clientHeight + minimizedChildHeight + 2 * m.frameHeight + m.captionHeight +
           m.menuHeight;
}

Size2 CompactedChildSize(Size2 area, int childToolBarHeight, const FrameMetrics& m) {
    return {area.width + 2 * m.frameWidth,
            m.captionHeight + 3 * m.frameHeight + childToolBarHeight + area.height};
}

bool IsAutoSaveDue(CalTime now, CalTime clockStart, int minutes) {
    return static_cast<int64_t>(now) - clockStart >= static_cast<int64_t>(minutes) * 60;
}

}  // namespace tw
