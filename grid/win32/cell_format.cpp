#include "grid/win32/cell_format.h"

#include <cstring>

namespace tw {
namespace grid {

std::string FormatDosDate(uint16_t packed, const std::string& picture) {
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(DosDateYear(packed));
    st.wMonth = static_cast<WORD>(DosDateMonth(packed));
    st.wDay = static_cast<WORD>(DosDateDay(packed));
    if (st.wMonth < 1 || st.wMonth > 12 || st.wDay < 1) return std::string();
    char text[128];
    const int n = GetDateFormatA(LOCALE_USER_DEFAULT, picture.empty() ? DATE_SHORTDATE : 0, &st,
                                 picture.empty() ? nullptr : picture.c_str(), text, sizeof text);
    return n > 0 ? std::string(text) : std::string();
}

std::string FormatDosTime(uint16_t packed, const std::string& picture) {
    SYSTEMTIME st = {};
    st.wYear = 2000;
    st.wMonth = 1;
    st.wDay = 1;
    st.wHour = static_cast<WORD>(DosTimeHour(packed));
    st.wMinute = static_cast<WORD>(DosTimeMinute(packed));
    st.wSecond = static_cast<WORD>(DosTimeSecond(packed));
    if (st.wHour > 23 || st.wMinute > 59 || st.wSecond > 59) return std::string();
    char text[128];
    const int n = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st,
                                 picture.empty() ? nullptr : picture.c_str(), text, sizeof text);
    return n > 0 ? std::string(text) : std::string();
}

std::string CellText(const GridState& state, int row, int col) {
    const GridModel& model = state.model;
    const Column& column = model.Columns().At(col);
    switch (column.type) {
        case kTypeKey: return std::to_string(model.NumberField(row, col));
        case kTypeMark: return model.NumberField(row, col) != 0 ? "X" : "";
        case kTypeDate: return FormatDosDate(model.ShortField(row, col), column.picture);
        case kTypeTime: return FormatDosTime(model.ShortField(row, col), column.picture);
        default: {
            const char* field = model.Field(row, col);
            return std::string(field, strnlen(field, size_t(model.Columns().FieldSize(col))));
        }
    }
}

}  // namespace grid
}  // namespace tw
