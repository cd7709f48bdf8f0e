#pragma once
// The rules of in-cell editing in the time table that need no window: which cells open an
// editor, how a typed "." becomes ":" in time cells, and the afternoon designator added to a
// twelve o'clock time typed without one.

#include <string>

namespace tw {

// Whether F2 opens the editor on the cell of column `columnName`. POSITION, CHARGE and MARK
// never open; STOP_DATE and STOP_TIME not without a current row nor on a running record.
bool CanOpenCellEditor(const std::string& columnName, bool hasCurrentRow, bool recordRunning);

// Whether the editor of column `columnName` is refused before it opens (the stop of a running
// record).
bool RefusesEditBegin(const std::string& columnName, bool recordRunning);

// The character that replaces `typed` in the editor of column `columnName`, or 0 to keep it:
// a "." becomes ":" in the time cells, and in the elapsed cell unless the document shows
// durations as decimal hours, whenever the locale's time separator is not ".".
char ReplacementForTypedChar(const std::string& columnName, char typed, bool decimalNotation,
                             const std::string& timeSeparator);

// The text of a start or stop time editor when its edit ends: with both designators of a
// 12-hour clock set, a text beginning "12" that holds no morning or afternoon letter (the
// designators' first characters, "a" or "p", case as written) gets " P" appended.
std::string WithAfternoonDesignator(const std::string& text, const std::string& morning,
                                    const std::string& afternoon);

}  // namespace tw
