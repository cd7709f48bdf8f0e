#include "grid/cell_parse.h"

#include <cctype>
#include <cstdlib>
#include <vector>

#include "grid/dtbl32.h"

namespace tw {
namespace grid {

namespace {

// The runs of digits in text, each at most 9 digits long; false when a run is longer.
bool DigitRuns(const std::string& text, std::vector<int>& numbers, size_t& end) {
    numbers.clear();
    size_t i = 0;
    while (i < text.size()) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            if (std::isalpha(static_cast<unsigned char>(text[i]))) break;
            ++i;
            continue;
        }
        int value = 0, digits = 0;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
             ++i, ++digits) {
            if (digits >= 9) return false;
            value = value * 10 + (text[i] - '0');
        }
        numbers.push_back(value);
    }
    end = i;
    return true;
}

// Order of the day ('d'), month ('M') and year ('y') parts in a date picture.
std::string PartOrder(const std::string& picture) {
    std::string order;
    bool quoted = false;
    for (char c : picture) {
        if (c == '\'') quoted = !quoted;
        if (!quoted && (c == 'd' || c == 'M' || c == 'y') && order.find(c) == std::string::npos) {
            order += c;
        }
    }
    return order.size() == 3 ? order : "Mdy";
}

bool LeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int MonthDays(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : days[month - 1];
}

}  // namespace

bool ParseDate(const std::string& text, const std::string& picture, uint16_t& packed) {
    std::vector<int> numbers;
    size_t end = 0;
    if (!DigitRuns(text, numbers, end) || numbers.size() != 3 || end != text.size()) return false;
    const std::string order = PartOrder(picture);
    int day = 0, month = 0, year = 0;
    for (size_t i = 0; i < 3; ++i) {
        int& part = order[i] == 'd' ? day : (order[i] == 'M' ? month : year);
        part = numbers[i];
    }
    if (year < 100) year += year < 80 ? 2000 : 1900;
    if (year < 1980 || year > 2107 || month < 1 || month > 12) return false;
    if (day < 1 || day > MonthDays(year, month)) return false;
    packed = PackDosDate(year, month, day);
    return true;
}

bool ParseTime(const std::string& text, uint16_t& packed) {
    std::vector<int> numbers;
    size_t end = 0;
    if (!DigitRuns(text, numbers, end) || numbers.empty() || numbers.size() > 3) return false;
    numbers.resize(3, 0);
    int hour = numbers[0];
    const int minute = numbers[1], second = numbers[2];
    if (end < text.size()) {
        const char designator =
            static_cast<char>(std::tolower(static_cast<unsigned char>(text[end])));
        if ((designator != 'a' && designator != 'p') || hour < 1 || hour > 12) return false;
        hour = hour % 12 + (designator == 'p' ? 12 : 0);
    }
    if (hour > 23 || minute > 59 || second > 59) return false;
    packed = PackDosTime(hour, minute, second);
    return true;
}

bool ParseNumber(const std::string& text, int32_t& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const long long parsed = std::strtoll(begin, &end, 10);
    if (end == begin) return false;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0' || parsed < INT32_MIN || parsed > INT32_MAX) return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

}  // namespace grid
}  // namespace tw
