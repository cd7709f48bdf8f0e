#pragma once
// A text measurer of a fixed-pitch font for tests and benchmarks: every character is `charWidth`
// wide, each line `lineHeight` high; text wraps at the width (a line break starts a new line).

#include <string>

#include "dialogs/text_measurer.h"

namespace tw::testing {

class FixedPitchMeasurer : public ITextMeasurer {
public:
    FixedPitchMeasurer(int charWidth, int lineHeight)
        : charWidth_(charWidth), lineHeight_(lineHeight) {}

    int WrappedHeight(const std::string& text, int width) override {
        if (text.empty()) return 0;
        const size_t perLine = width >= charWidth_ ? size_t(width / charWidth_) : 1;
        int lines = 0;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            const size_t length = end - start;
            lines += length == 0 ? 1 : int((length + perLine - 1) / perLine);
            start = end + 1;
        }
        return lines * lineHeight_;
    }

private:
    int charWidth_;
    int lineHeight_;
};

}  // namespace tw::testing
