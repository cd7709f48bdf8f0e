#pragma once
// One flag of every table column as an array, in table column order: the export flags, the
// print flags.

#include <array>

#include "doc/document_settings.h"

namespace tw {

using ColumnFlags = std::array<bool, kColumnCount>;

ColumnFlags ColumnFlagsOf(const DocumentSettings& settings, bool ColumnSetting::*flag);
void SetColumnFlags(DocumentSettings& settings, bool ColumnSetting::*flag,
                    const ColumnFlags& flags);

}  // namespace tw
