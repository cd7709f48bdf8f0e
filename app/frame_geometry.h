#pragma once
// Sizes of the compacted windows and the auto-save rule: arithmetic on the system's metrics and
// clock values that the frames use.

#include "framework/cal_time.h"

namespace tw {

struct FrameMetrics {
    int frameWidth;   // sizing border, horizontal
    int frameHeight;  // sizing border, vertical
    int captionHeight;
    int menuHeight;
};

struct Size2 {
    int width;
    int height;
};

// The main window's height with every document window compacted to an icon: the MDI client
// keeps room for one row of minimized windows.
int CompactedMainHeight(int mainHeight, int clientHeight, int minimizedChildHeight,
                        const FrameMetrics& m);

// A document window compacted to its totals strip of `area` (the form's top-left strip).
Size2 CompactedChildSize(Size2 area, int childToolBarHeight, const FrameMetrics& m);

// Whether the auto-save interval of `minutes` has passed since `clockStart`.
bool IsAutoSaveDue(CalTime now, CalTime clockStart, int minutes);

}  // namespace tw
