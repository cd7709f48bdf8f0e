#include "doc/date_time_check.h"

#include <gtest/gtest.h>

#include "framework/platform.h"
#include "tests/support/platform_doubles.h"

namespace tw {
namespace {

TEST(DateTimeCheck, FirstFailingPartShowsItsMessage) {
    RecordingMessageBox messages;
    TestClock clock;
    ScopedPlatform platform({&clock, &messages, Platform().locale});
    const struct {
        int y, mo, d, h, mi, s;
        const char* message;  // null: valid
    } cases[] = {
        {2026, 3, 10, 10, 5, 30, nullptr},
        {1980, 1, 1, 0, 0, 0, nullptr},
        {2037, 12, 31, 23, 59, 59, nullptr},
        {2024, 2, 29, 0, 0, 0, nullptr},
        {1979, 0, 0, -1, -1, -1, "Year value cannot be less than 1980"},
        {2038, 1, 1, 0, 0, 0, "Year value cannot be greater than 2037"},
        {2026, 0, 40, 0, 0, 0, "Month value cannot be less than 1"},
        {2026, 13, 1, 0, 0, 0, "Month value cannot be greater than 12"},
        {2026, 5, 0, 99, 0, 0, "Day value cannot be less than 1"},
        {2026, 4, 31, 0, 0, 0, "There are not that many days in this month."},
        {2023, 2, 29, 0, 0, 0, "There are not that many days in this month."},
        {2026, 4, 30, -1, 0, 0, "Hour value cannot be less than 0"},
        {2026, 4, 30, 24, 0, 0, "Hour value cannot be greater than 23"},
        {2026, 4, 30, 23, -1, 0, "Minute value cannot be less than 0"},
        {2026, 4, 30, 23, 60, 0, "Minute value cannot be greater than 59"},
        {2026, 4, 30, 23, 59, -1, "Seconds value cannot be less than 0"},
        {2026, 4, 30, 23, 59, 60, "Seconds value cannot be greater than 59"},
    };
    for (const auto& c : cases) {
        messages.Clear();
        const bool valid = ValidateDateTimeParts(c.y, c.mo, c.d, c.h, c.mi, c.s);
        EXPECT_EQ(c.message == nullptr, valid) << c.y << "-" << c.mo << "-" << c.d;
        EXPECT_EQ(c.message == nullptr ? 0 : 1, messages.Count());
        EXPECT_EQ(c.message == nullptr ? "" : c.message, messages.Last());
    }
}

}  // namespace
}  // namespace tw
