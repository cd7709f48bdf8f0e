#include "doc/document_settings.h"

namespace tw {

namespace {

struct ColumnDefault {
    int width;
    int dataJustify;
    int headerJustify;
};

const ColumnDefault kColumnDefaults[kColumnCount] = {
    {33, 0, 256}, {29, 0, 256},   {33, 0, 256},   {29, 0, 256}, {24, 0, 0},
    {24, 0, 0},   {32, 128, 256}, {32, 128, 256}, {32, 0, 256}, {32, 0, 256},
    {32, 0, 256}, {24, 0, 256},   {10, 64, 256},  {140, 0, 0},
};

}  // namespace

std::array<ColumnSetting, kColumnCount> DocumentSettings::DefaultColumns() {
    std::array<ColumnSetting, kColumnCount> columns;
    for (int c = 0; c < kColumnCount; ++c) {
        columns[c].width = kColumnDefaults[c].width;
        columns[c].dataJustify = kColumnDefaults[c].dataJustify;
        columns[c].headerJustify = kColumnDefaults[c].headerJustify;
    }
    return columns;
}

}  // namespace tw
