#pragma once
// The check of a date and time typed into the table: each part against its bounds.

namespace tw {

// Shows the first failing test's message through Platform().messages and returns false;
// true when the year lies in 1980..2037 and the rest make a real date and time of day.
bool ValidateDateTimeParts(int year, int month, int day, int hour, int minute, int second);

}  // namespace tw
