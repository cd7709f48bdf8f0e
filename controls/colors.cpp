// Resolution of colour values (see colors.h).

#include "controls/colors.h"

namespace tw {

COLORREF ResolveColor(DWORD value) {
    if (IsSystemColorValue(value)) return GetSysColor(static_cast<int>(~value));
    return value & 0x00FFFFFF;
}

HBRUSH CreateResolvedBrush(DWORD value) { return CreateSolidBrush(ResolveColor(value)); }

}  // namespace tw
