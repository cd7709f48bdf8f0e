// Process-wide strings and settings of the library (see library_data.h).

#include "controls/library_data.h"

#include <cstring>

namespace tw {
namespace {

constexpr UINT kFirstLongMonthId = 107;
constexpr UINT kFirstShortMonthId = 14;
constexpr UINT kDayLettersId = 300;

HINSTANCE g_module = nullptr;
char g_longMonths[12][kLongMonthSlot];
char g_shortMonths[12][kShortMonthSlot];
char g_dayLetters[kDayLetterCount + 1];
char g_buttonCaptions[3][kButtonCaptionSize];
int g_windowsMajor = 0;

bool LoadOne(HINSTANCE module, UINT id, char* slot, int size) {
    return LoadStringA(module, id, slot, size) > 0;
}

}  // namespace

HINSTANCE LibraryModule() { return g_module; }
void SetLibraryModule(HINSTANCE module) { g_module = module; }

bool LoadLibraryStrings(HINSTANCE module) {
    for (int i = 0; i < 12; ++i) {
        if (!LoadOne(module, kFirstLongMonthId + i, g_longMonths[i], kLongMonthSlot) ||
            !LoadOne(module, kFirstShortMonthId + i, g_shortMonths[i], kShortMonthSlot))
            return false;
    }
    return LoadOne(module, kDayLettersId, g_dayLetters, sizeof g_dayLetters);
}

const char* LongMonthName(int month) {
    return month >= 1 && month <= 12 ? g_longMonths[month - 1] : "";
}

const char* ShortMonthName(int month) {
    return month >= 1 && month <= 12 ? g_shortMonths[month - 1] : "";
}

const char* DayLetters() { return g_dayLetters; }

bool ReplaceLongMonthNames(const char* names) {
    if (!names) return false;
    for (int i = 0; i < 12; ++i) {
        size_t length = strlen(names);
        size_t kept = length < kLongMonthSlot - 1 ? length : kLongMonthSlot - 1;
        memcpy(g_longMonths[i], names, kept);
        g_longMonths[i][kept] = '\0';
        names += length + 1;
    }
    return true;
}

bool ReplaceDayLetters(const char* letters) {
    if (!letters || strlen(letters) != kDayLetterCount) return false;
    memcpy(g_dayLetters, letters, kDayLetterCount + 1);
    return true;
}

char* ButtonCaption(int index) {
    return index >= 0 && index < 3 ? g_buttonCaptions[index] : nullptr;
}

int WindowsMajorVersion() { return g_windowsMajor; }

void TakeWindowsVersion() { g_windowsMajor = LOBYTE(LOWORD(GetVersion())); }

}  // namespace tw
