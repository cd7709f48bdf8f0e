// The system's short date format (see system_date_format.h).

#include "controls/common/system_date_format.h"

#include <windows.h>

namespace tw {
namespace {

constexpr int kMaxPicture = 11;

}  // namespace

ShortDateFormat ReadSystemShortDateFormat(char separator) {
    char sDate[4] = "";
    char picture[kMaxPicture + 1] = "";
    GetProfileStringA("intl", "sDate", "/", sDate, sizeof sDate);
    GetProfileStringA("intl", "sShortDate", "M/d/yy", picture, sizeof picture);
    return ParseShortDateFormat(picture, separator ? separator : sDate[0]);
}

}  // namespace tw
