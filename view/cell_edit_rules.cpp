#include "view/cell_edit_rules.h"

namespace tw {

namespace {

bool IsStopCell(const std::string& name) { return name == "STOP_DATE" || name == "STOP_TIME"; }

bool IsTimeOfDayCell(const std::string& name) {
    return name == "START_TIME" || name == "STOP_TIME";
}

}  // namespace

bool CanOpenCellEditor(const std::string& columnName, bool hasCurrentRow, bool recordRunning) {
    static const char* const kAlwaysOpen[] = {
        "START_DATE", "START_TIME", "ELAPSED_TIME", "PAUSED_TIME", "HOURLY_RATE",
        "PROJECT",    "CATEGORY",   "CLIENT",       "EXPENSE",     "NOTES"};
    if (IsStopCell(columnName)) return hasCurrentRow && !recordRunning;
    for (const char* name : kAlwaysOpen) {
        if (columnName == name) return true;
    }
    return false;  // POSITION, CHARGE, MARK and names of no column
}

bool RefusesEditBegin(const std::string& columnName, bool recordRunning) {
    return recordRunning && IsStopCell(columnName);
}

char ReplacementForTypedChar(const std::string& columnName, char typed, bool decimalNotation,
                             const std::string& timeSeparator) {
    if (typed != '.' || timeSeparator == ".") return 0;
    const bool timeCell = IsTimeOfDayCell(columnName) || columnName == "PAUSED_TIME" ||
                          (columnName == "ELAPSED_TIME" && !decimalNotation);
    return timeCell ? ':' : 0;
}

std::string WithAfternoonDesignator(const std::string& text, const std::string& morning,
                                    const std::string& afternoon) {
    if (morning.empty() || afternoon.empty()) return text;
    if (text.compare(0, 2, "12") != 0) return text;
    for (char letter : {morning[0], 'a', afternoon[0], 'p'}) {
        if (text.find(letter) != std::string::npos) return text;
    }
    return text + " P";
}

}  // namespace tw
