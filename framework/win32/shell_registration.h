#pragma once
// Registration of a document type with the shell for the current user
// (HKCU\Software\Classes): the extension names the type; the type has its name, its icon and
// the open and print commands of the program.

#include <string>

#include "framework/document_type.h"

namespace tw {

// Writes the keys for type with exePath as the program; false when a key could not be written
// or the type names no extension or identifier.
bool RegisterShellFileType(const DocumentType& type, const std::string& exePath, int iconIndex);

// The command the shell runs for "open" and for "print".
std::string ShellOpenCommand(const std::string& exePath);
std::string ShellPrintCommand(const std::string& exePath);

}  // namespace tw
