#pragma once
// How printing measures text in the print font. The printer's device context answers on
// Windows; tests and benchmarks use a fixed-pitch stand-in.

#include <string>

namespace tw {

class ITextMeasurer {
public:
    virtual ~ITextMeasurer() = default;
    // The height of `text` drawn word-wrapped into a rectangle `width` wide (0 for no text).
    virtual int WrappedHeight(const std::string& text, int width) = 0;
};

}  // namespace tw
