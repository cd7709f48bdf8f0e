#pragma once
// The two-column text file of an item list: one item a line, the name, a tab, the rate as
// money text, CR LF. Written in slot order, or sorted by the line's text without regard to
// case; read back line by line, taking only lines with a tab and text on both sides of it.

#include <string>
#include <string_view>

#include "framework/file_error_text.h"

namespace tw {

class IFileReplace;
class RateListModel;

// The file's text for the shown items of the model's current list.
std::string RateListFileText(const RateListModel& model, bool sorted);

// A line of the file (without its line end) split into name and rate text; false when the
// line holds no tab or either side of the first tab is empty.
bool SplitRateListLine(std::string_view line, std::string& name, std::string& rate);

// What an import added to the model's current list, and why it stopped early. Items added
// before a failure stay.
struct RateListImport {
    int added = 0;
    bool outOfMemory = false;                       // an item could not be added
    FileErrorCause failure = FileErrorCause::None;  // the file could not be opened or read
};
RateListImport ImportRateListText(std::string_view text, RateListModel& model);

// Writes `text` to the file at `path` without leaving a half-written file: None when the file
// is in place, otherwise the cause and the file as it was.
FileErrorCause WriteRateListFile(const std::string& path, const std::string& text,
                                 IFileReplace& replace);

// Imports the lines of the file at `path`. A file that cannot be opened adds nothing; after a
// read error the lines read whole before it are added.
RateListImport ImportRateListFile(const std::string& path, RateListModel& model);

}  // namespace tw
