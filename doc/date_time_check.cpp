#include "doc/date_time_check.h"

#include "framework/local_time.h"
#include "framework/platform.h"

namespace tw {

namespace {

constexpr int kFirstYear = 1980;  // the years of ValidTimeRange()
constexpr int kLastYear = 2037;

// The message of the first part that is out of bounds, or null when none is.
const char* FirstFailure(int year, int month, int day, int hour, int minute, int second) {
    if (year < kFirstYear) return "Year value cannot be less than 1980";
    if (year > kLastYear) return "Year value cannot be greater than 2037";
    if (month < 1) return "Month value cannot be less than 1";
    if (month > 12) return "Month value cannot be greater than 12";
    if (day < 1) return "Day value cannot be less than 1";
    if (day > DaysInMonth(year, month)) return "There are not that many days in this month.";
    if (hour < 0) return "Hour value cannot be less than 0";
    if (hour > 23) return "Hour value cannot be greater than 23";
    if (minute < 0) return "Minute value cannot be less than 0";
    if (minute > 59) return "Minute value cannot be greater than 59";
    if (second < 0) return "Seconds value cannot be less than 0";
    if (second > 59) return "Seconds value cannot be greater than 59";
    return nullptr;
}

}  // namespace

bool ValidateDateTimeParts(int year, int month, int day, int hour, int minute, int second) {
    const char* failure = FirstFailure(year, month, day, hour, minute, second);
    if (failure == nullptr) return true;
    Platform().messages->ShowMessage(failure);
    return false;
}

}  // namespace tw
