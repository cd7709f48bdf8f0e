#pragma once
// The checks dialog data exchange makes on values read from controls: each gives the text to
// show when the value is refused, or an empty text when it is accepted.

#include <optional>
#include <string>

namespace tw {

// Reads a whole decimal number with optional sign and surrounding blanks; none for anything
// else or a number outside the int range.
std::optional<int> ParseInteger(const std::string& text);

// "Please enter an integer between %1 and %2." when value lies outside [low, high].
std::string CheckIntegerRange(int value, int low, int high);

// "Please enter no more than %1 characters." when text is longer than maxChars.
std::string CheckTextLength(const std::string& text, int maxChars);

}  // namespace tw
