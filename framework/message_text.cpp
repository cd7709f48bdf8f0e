#include "framework/message_text.h"

namespace tw {

std::string SubstituteArgs(const std::string& pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        size_t index = static_cast<size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            out += args[index];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace tw
