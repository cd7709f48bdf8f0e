#include "fuzz/seeds/text_seeds.h"

#include "controls/common/short_date_format.h"
#include "doc/display_formats.h"
#include "framework/portable_locale_formatter.h"

namespace tw::seeds {

namespace {

const ILocaleFormatter& Locale() { return PortableLocaleFormatterInstance(); }

const Duration kDurations[] = {0, 59, 90, 5400, 3661, 86399, 90061, 2147483647};
const float kAmounts[] = {0.0f, 0.05f, 12.5f, 1234.5f, 99.995f, 1.0e7f};

struct Day {
    int year, month, day, hour, minute, second;
};
const Day kDays[] = {{2026, 11, 2, 9, 5, 31},
                     {1980, 1, 1, 0, 0, 0},
                     {2024, 2, 29, 12, 30, 0},
                     {2107, 12, 31, 23, 59, 58}};

LocaleDateTime When(const Day& d) {
    LocaleDateTime when;
    when.year = d.year, when.month = d.month, when.day = d.day;
    when.hour = d.hour, when.minute = d.minute, when.second = d.second;
    return when;
}

std::string Numbered(const char* stem, size_t i) { return stem + std::to_string(i); }

void AddDurations(std::vector<Seed>& seeds, const LocaleFormats& formats) {
    TimeDisplaySettings exact, decimal;
    exact.increment = 0;
    decimal.decimalNotation = true;
    for (size_t i = 0; i < std::size(kDurations); ++i) {
        const Duration d = kDurations[i];
        seeds.push_back({Numbered("clock-", i), FormatDuration(d, true, exact, formats, Locale())});
        seeds.push_back(
            {Numbered("decimal-", i), FormatDuration(d, false, decimal, formats, Locale())});
    }
}

void AddMoney(std::vector<Seed>& seeds) {
    for (size_t i = 0; i < std::size(kAmounts); ++i) {
        seeds.push_back({Numbered("money-", i), FormatMoney(kAmounts[i], Locale())});
        seeds.push_back({Numbered("number-", i), std::to_string(-kAmounts[i])});
    }
}

void AddPictures(std::vector<Seed>& seeds, const LocaleFormats& formats) {
    const std::string time = Locale().Value(LocaleValue::kTimePicture);
    seeds.push_back({"picture-time", time});
    seeds.push_back({"picture-short-date", Locale().Value(LocaleValue::kShortDatePicture)});
    seeds.push_back({"picture-long-date", "dddd, MMMM dd, yyyy 'week' d"});
    seeds.push_back({"picture-time-edit", formats.timeEditPicture});
    seeds.push_back({"picture-duration", formats.durationPictureSeconds});
    seeds.push_back({"picture-quoted", "H'h'mm''ss t"});
}

}  // namespace

std::vector<Seed> FormatTextSeeds() {
    const LocaleFormats formats = LoadLocaleFormats(Locale());
    std::vector<Seed> seeds;
    AddDurations(seeds, formats);
    AddMoney(seeds);
    AddPictures(seeds, formats);
    return seeds;
}

std::vector<Seed> CellParseSeeds() {
    const char* const pictures[] = {"M/d/yyyy", "dd.MM.yyyy", "yyyy'-'MM'-'dd", "d/M/yy"};
    std::vector<Seed> seeds;
    for (size_t p = 0; p < std::size(pictures); ++p) {
        for (size_t d = 0; d < std::size(kDays); ++d) {
            std::string date, time;
            Locale().FormatDate(When(kDays[d]), pictures[p], date);
            Locale().FormatTime(When(kDays[d]), p % 2 ? "HH:mm:ss" : "h:mm tt", 0, time);
            const std::string suffix = std::to_string(p) + "-" + std::to_string(d);
            seeds.push_back({"date-" + suffix, pictures[p] + ("\n" + date)});
            seeds.push_back({"time-" + suffix, pictures[p] + ("\n" + time)});
        }
    }
    seeds.push_back({"number-0", "\n-2147483648"});
    seeds.push_back({"number-1", "\n  42 "});
    return seeds;
}

std::vector<Seed> ShortDateSeeds() {
    struct Format {
        char separator;
        const char* picture;
    } const formats[] = {{'/', "M/d/yy"}, {'.', "dd.MM.yyyy"}, {'-', "yyyy-MM-dd"}, {' ', "d M y"}};
    std::vector<Seed> seeds;
    for (size_t f = 0; f < std::size(formats); ++f) {
        const ShortDateFormat format =
            ParseShortDateFormat(formats[f].picture, formats[f].separator);
        for (size_t d = 0; d < std::size(kDays); ++d) {
            char text[32];
            FormatShortDate(format, kDays[d].month, kDays[d].day, kDays[d].year, text, sizeof text);
            const std::string head = formats[f].separator + std::string(formats[f].picture);
            seeds.push_back(
                {"date-" + std::to_string(f) + "-" + std::to_string(d), head + "\n" + text});
        }
    }
    return seeds;
}

}  // namespace tw::seeds
