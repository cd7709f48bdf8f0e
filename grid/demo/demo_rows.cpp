#include "grid/demo/demo_rows.h"

#include <cstdio>
#include <string>

namespace tw {
namespace demo {

namespace {

struct ColumnSpec {
    const char* name;
    const char* title;
    unsigned type;
    int maxLength;
    unsigned flags;
    int width;
};

const ColumnSpec kColumns[] = {
    {"POSITION", "Position", grid::kTypeKey, 0, grid::kFlagHidden, 40},
    {"START_DATE", "Start Date", grid::kTypeDate, 0, 0x04 | 0x100, 90},
    {"START_TIME", "Start Time", grid::kTypeTime, 0, 0x04 | 0x100 | 0x80, 84},
    {"STOP_DATE", "Stop Date", grid::kTypeDate, 0, 0x04 | 0x100, 90},
    {"STOP_TIME", "Stop Time", grid::kTypeTime, 0, 0x04 | 0x100 | 0x80, 84},
    {"ELAPSED_TIME", "Elapsed Time", grid::kTypeText, 30, 0x04 | 0x100 | 0x80, 88},
    {"PAUSED_TIME", "Paused  Time", grid::kTypeText, 30, 0x04 | 0x100 | 0x80, 88},
    {"HOURLY_RATE", "Hourly Rate", grid::kTypeText, 40, 0x04 | 0x100 | 0x80, 76},
    {"CHARGE", "Charge", grid::kTypeText, 40, 0x100 | 0x80, 76},
    {"PROJECT", "Project", grid::kTypeText, 64, 0x04, 110},
    {"CATEGORY", "Category", grid::kTypeText, 64, 0x04, 90},
    {"CLIENT", "Client", grid::kTypeText, 64, 0x04, 110},
    {"EXPENSE", "Expense", grid::kTypeText, 40, 0x04 | 0x100 | 0x80, 64},
    {"MARK", "X", grid::kTypeMark, 0, 0x04 | 0x100 | 0x40, 24},
    {"NOTES", "Notes", grid::kTypeText, 256, 0x04, 220},
};

const char* const kProjects[] = {"Website redesign", "Annual report", "Mobile app",
                                 "Data migration", "Support contract"};
const char* const kCategories[] = {"Design", "Development", "Meetings", "Testing", "Travel"};
const char* const kClients[] = {"Harbour Foods", "Northwind Ltd", "Blue Fern Studio",
                                "City Council"};
const char* const kNotes[] = {
    "", "Kick-off with the team",    "Reviewed the open issues", "Call about the invoice",
    "", "Prepared the release notes"};
const float kRates[] = {45.0f, 60.0f, 72.5f, 90.0f};

template <typename T, size_t N>
const T& Pick(const T (&items)[N], int i) {
    return items[size_t(i) % N];
}

void Money(char* out, size_t size, double value) { std::snprintf(out, size, "$%.2f", value); }

grid::TimeTableRow SampleRow(int i) {
    grid::TimeTableRow row = {};
    row.position = i;
    const int day = i * 3 / 4;
    const int year = 2024 + day / 336, month = 1 + (day / 28) % 12, dayOfMonth = 1 + day % 28;
    const int startMinutes = 8 * 60 + (i * 37) % 480;
    const int length = 15 + (i * 53) % 240, paused = (i % 5 == 0) ? 10 : 0;
    const int stopMinutes = startMinutes + length + paused;
    row.startDate = row.stopDate = grid::PackDosDate(year, month, dayOfMonth);
    row.startTime = grid::PackDosTime(startMinutes / 60, startMinutes % 60, 0);
    row.stopTime = grid::PackDosTime(stopMinutes / 60, stopMinutes % 60, 0);
    std::snprintf(row.elapsedTime, sizeof row.elapsedTime, "%d:%02d", length / 60, length % 60);
    std::snprintf(row.pausedTime, sizeof row.pausedTime, "%d:%02d", paused / 60, paused % 60);
    const float rate = Pick(kRates, i / 3);
    Money(row.hourlyRate, sizeof row.hourlyRate, rate);
    Money(row.charge, sizeof row.charge, rate * length / 60.0);
    grid::SetRowText(row.project, Pick(kProjects, i / 2));
    grid::SetRowText(row.category, Pick(kCategories, i));
    grid::SetRowText(row.client, Pick(kClients, i / 5));
    Money(row.expense, sizeof row.expense, (i % 7 == 0) ? 12.5 : 0.0);
    row.mark = (i % 9 == 0) ? 1 : 0;
    grid::SetRowText(row.notes, Pick(kNotes, i));
    return row;
}

std::string Choices(const char* const* items, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += std::string("\t") + items[i];
    return text;
}

}  // namespace

void SetupTimeTableColumns(CGridCtrl& grid) {
    grid.SetStyle(static_cast<unsigned>(grid.GetStyle()) | 0x50B122F8);
    grid.SetOptions(0x300033);
    grid.SetColumnCount(grid::kTimeTableColumnCount);
    grid.SetRowSelectorWidth(14);
    char datePicture[80] = "M/d/yyyy";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, datePicture, sizeof datePicture);
    for (int c = 0; c < grid::kTimeTableColumnCount; ++c) {
        const ColumnSpec& column = kColumns[c];
        grid.SetColumnType(c, column.type);
        if (column.type == grid::kTypeDate) grid.SetPicture(c, datePicture);
        if (column.type == grid::kTypeTime) grid.SetPicture(c, "h:mm tt");
        grid.SetColumnFlags(c, column.flags);
        if (column.maxLength > 0) grid.SetMaxLength(c, column.maxLength);
        grid.SetColumnWidth(c, column.width);
        grid.SetTitle(c, column.title);
        grid.SetName(c, column.name);
    }
    grid.SetNullText(grid::kColPosition, "-1");
    grid.SetEditStyle(grid::kColNotes, 0x44);
    grid.SetChoices(grid.FindColumn("PROJECT"), Choices(kProjects, 5).c_str());
    grid.SetChoices(grid.FindColumn("CATEGORY"), Choices(kCategories, 5).c_str());
    grid.SetChoices(grid.FindColumn("CLIENT"), Choices(kClients, 4).c_str());
}

void FillSampleRows(CGridCtrl& grid, int count) {
    for (int i = 0; i < count; ++i) {
        const grid::TimeTableRow row = SampleRow(i);
        grid.SetCurrentCell(0, grid::kNoRow);
        grid.InsertRow(&row);
    }
}

}  // namespace demo
}  // namespace tw
