#include "dialogs/column_flags.h"

namespace tw {

ColumnFlags ColumnFlagsOf(const DocumentSettings& settings, bool ColumnSetting::*flag) {
    ColumnFlags flags{};
    for (size_t c = 0; c < flags.size(); ++c) flags[c] = settings.columns[c].*flag;
    return flags;
}

void SetColumnFlags(DocumentSettings& settings, bool ColumnSetting::*flag,
                    const ColumnFlags& flags) {
    for (size_t c = 0; c < flags.size(); ++c) settings.columns[c].*flag = flags[c];
}

}  // namespace tw
