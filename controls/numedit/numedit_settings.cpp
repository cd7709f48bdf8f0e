// The numeric edit's system number settings (see numedit_settings.h).

#include "controls/numedit/numedit_settings.h"

#include <algorithm>

#include "controls/numedit/numedit_changes.h"

namespace tw {
namespace {

// The first character of an intl string, or `fallback` when it is empty.
char ReadSeparator(const char* key, char fallback) {
    char value[4] = "";
    GetProfileStringA("intl", key, "", value, sizeof value);
    return value[0] ? value[0] : fallback;
}

}  // namespace

SystemNumberSettings ReadSystemNumberSettings() {
    SystemNumberSettings settings;
    settings.digits =
        std::clamp(static_cast<int>(GetProfileIntA("intl", "iDigits", 2)), 0, kMaxDecimals);
    settings.thousandsSep = ReadSeparator("sThousand", ',');
    settings.decimalSep = ReadSeparator("sDecimal", '.');
    settings.leadingZero = GetProfileIntA("intl", "iLzero", 1) != 0;
    return settings;
}

void TakeSystemSettings(NumEditState& s) {
    const SystemNumberSettings settings = ReadSystemNumberSettings();
    if (s.systemDigits) s.decimals = static_cast<DWORD>(settings.digits);
    if (s.useSystemSettings) {
        s.thousandsSep = settings.thousandsSep;
        s.decimalSep = settings.decimalSep;
        s.leadingZero = settings.leadingZero;
    }
}

LRESULT NUM_SettingsChanged(NumEditState& s, const char* section) {
    if (section && lstrcmpiA(section, "intl") != 0) return 0;
    if (!s.useSystemSettings && !s.systemDigits) return 0;
    const char oldDecimalSep = s.decimalSep;
    TakeSystemSettings(s);
    if (!ReformatEditText(s, oldDecimalSep)) return 0;
    RefreshShownText(s);
    InvalidateRect(s.core.hwnd, nullptr, FALSE);
    return 0;
}

}  // namespace tw
