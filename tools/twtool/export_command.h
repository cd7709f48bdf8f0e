#pragma once
// twtool export IN OUT: the program's Export of document IN, with the export settings stored
// in it, written to OUT.

#include <string>

namespace tw::twtool {

// Writes the export; false, with the reason in `error`, when it could not (OUT is then as it
// was).
bool ExportCommand(const std::string& in, const std::string& out, std::string& error);

}  // namespace tw::twtool
