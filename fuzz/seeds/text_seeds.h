#pragma once
// The seed inputs of the text fuzz targets, each a file name and its bytes, written by our own
// formatters so that every seed is a text the program itself produces.

#include <string>
#include <vector>

namespace tw::seeds {

struct Seed {
    std::string name;
    std::string bytes;
};

// Durations in clock and decimal form, money, pictures and plain number texts.
std::vector<Seed> FormatTextSeeds();
// A date picture, a line feed and a date, time or number as a grid cell shows it.
std::vector<Seed> CellParseSeeds();
// A separator and a short date picture, a line feed and a date in that format.
std::vector<Seed> ShortDateSeeds();

}  // namespace tw::seeds
