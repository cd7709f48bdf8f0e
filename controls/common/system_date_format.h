#pragma once
// The short date format of the system's international settings, as the date edit and the
// calendar read it.

#include "controls/common/short_date_format.h"

namespace tw {

// Reads sDate (default "/", its first character) and sShortDate (default "M/d/yy", at most 11
// characters) of the intl settings; a nonzero `separator` takes the place of sDate.
ShortDateFormat ReadSystemShortDateFormat(char separator);

}  // namespace tw
