#pragma once
// How the fuzz targets that take two texts read their input: the bytes before the first line
// feed and the bytes after it (all of it is the second text when there is no line feed).

#include <cstddef>
#include <cstdint>
#include <string>

namespace tw::fuzz {

struct TwoTexts {
    std::string first;
    std::string second;
};

inline TwoTexts SplitAtFirstLineFeed(const uint8_t* data, size_t size) {
    const std::string all(reinterpret_cast<const char*>(data), size);
    const size_t feed = all.find('\n');
    if (feed == std::string::npos) return {std::string(), all};
    return {all.substr(0, feed), all.substr(feed + 1)};
}

}  // namespace tw::fuzz
