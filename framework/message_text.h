#pragma once
// Message texts with numbered place holders: "%1" to "%9" stand for the arguments in order.

#include <string>
#include <vector>

namespace tw {

// Replaces each "%n" (n from 1 to 9) by argument n. A place holder without an argument, and a
// "%" not followed by a digit, stay as they are.
std::string SubstituteArgs(const std::string& pattern, const std::vector<std::string>& args);

}  // namespace tw
