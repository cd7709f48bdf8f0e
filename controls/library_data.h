#pragma once
// Process-wide data of the library, shared by every control of every client: the module
// handle, the month names, the day letters, the calendar's button captions and the major
// version of the running Windows.

#include <windows.h>

namespace tw {

constexpr int kLongMonthSlot = 16;  // bytes per long month name slot
constexpr int kShortMonthSlot = 4;  // bytes per short month name slot
constexpr int kDayLetterCount = 7;
constexpr int kButtonCaptionSize = 48;

HINSTANCE LibraryModule();
void SetLibraryModule(HINSTANCE module);

// Loads the twelve long names (107-118), the twelve short names (14-25) and the day letters
// (300) from the library's string table; false when any string is missing.
bool LoadLibraryStrings(HINSTANCE module);

const char* LongMonthName(int month);  // month 1..12; "" for another month
const char* ShortMonthName(int month);
const char* DayLetters();  // seven letters, Sunday first

// Copies twelve consecutive zero-terminated names into the library's own long-name slots
// (each cut to 15 characters). False when `names` is null.
bool ReplaceLongMonthNames(const char* names);
// Takes `letters` only when it is exactly seven characters long.
bool ReplaceDayLetters(const char* letters);

// Caption 0..2 of the drop-down calendar's buttons; null for another index.
char* ButtonCaption(int index);

// Major version of the running Windows, taken when an edit control is created.
int WindowsMajorVersion();
void TakeWindowsVersion();
inline bool HasSystem3DBorders() { return WindowsMajorVersion() >= 4; }

}  // namespace tw
