// Any bytes as a date picture (before the first line feed) and a typed cell text (after it).
// Every value a parser accepts must be a real date or time that reads back the same from the
// plain text written for it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_input.h"
#include "grid/cell_parse.h"
#include "grid/dtbl32.h"

namespace {

using namespace tw::grid;

void CheckDate(const std::string& text, const std::string& picture) {
    uint16_t packed = 0;
    if (!ParseDate(text, picture, packed)) return;
    const std::string plain = std::to_string(DosDateMonth(packed)) + "/" +
                              std::to_string(DosDateDay(packed)) + "/" +
                              std::to_string(DosDateYear(packed));
    uint16_t back = 0;
    if (!ParseDate(plain, "M/d/yyyy", back) || back != packed) std::abort();
}

void CheckTime(const std::string& text) {
    uint16_t packed = 0;
    if (!ParseTime(text, packed)) return;
    const std::string plain = std::to_string(DosTimeHour(packed)) + ":" +
                              std::to_string(DosTimeMinute(packed)) + ":" +
                              std::to_string(DosTimeSecond(packed));
    uint16_t back = 0;
    if (!ParseTime(plain, back) || back != packed) std::abort();
}

void CheckNumber(const std::string& text) {
    int32_t value = 0;
    if (!ParseNumber(text, value)) return;
    int32_t back = 0;
    if (!ParseNumber(std::to_string(value), back) || back != value) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const tw::fuzz::TwoTexts input = tw::fuzz::SplitAtFirstLineFeed(data, size);
    CheckDate(input.second, input.first);
    CheckTime(input.second);
    CheckNumber(input.second);
    return 0;
}
