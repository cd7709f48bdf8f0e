#include "framework/value_checks.h"

#include <cerrno>
#include <cstdlib>
#include <climits>

#include "framework/framework_texts.h"
#include "framework/message_text.h"

namespace tw {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<int> ParseInteger(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    std::string body = text.substr(begin, end - begin);
    if (body.empty()) return std::nullopt;
    size_t digits = (body[0] == '-' || body[0] == '+') ? 1 : 0;
    if (digits == body.size()) return std::nullopt;
    for (size_t i = digits; i < body.size(); ++i) {
        if (body[i] < '0' || body[i] > '9') return std::nullopt;
    }
    errno = 0;
    long long value = std::strtoll(body.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

std::string CheckIntegerRange(int value, int low, int high) {
    if (value >= low && value <= high) return std::string();
    return SubstituteArgs(kTextIntegerRange, {std::to_string(low), std::to_string(high)});
}

std::string CheckTextLength(const std::string& text, int maxChars) {
    if (maxChars < 0 || text.size() <= static_cast<size_t>(maxChars)) return std::string();
    return SubstituteArgs(kTextMaxChars, {std::to_string(maxChars)});
}

}  // namespace tw
