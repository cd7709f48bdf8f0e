// Reading the texts typed into date, time and number cells back into their stored values.
#pragma once

#include <cstdint>
#include <string>

namespace tw {
namespace grid {

// A date typed in the order of `picture`'s day, month and year parts (for example "M/d/yyyy");
// any non-digit separates the numbers. Two-digit years below 80 are 20xx, others 19xx.
// False for a date that does not exist or lies outside 1980 to 2107.
bool ParseDate(const std::string& text, const std::string& picture, uint16_t& packed);
// "h", "h:mm" or "h:mm:ss", optionally followed by a designator beginning with a or p
// (either case) for a 12-hour time. False for values out of range.
bool ParseTime(const std::string& text, uint16_t& packed);
// A decimal integer with an optional sign, surrounding blanks allowed.
bool ParseNumber(const std::string& text, int32_t& value);

}  // namespace grid
}  // namespace tw
