#pragma once
// What the command line asks the program to do at start: nothing, open a file, print a file,
// or (for the shell's open requests) open a file in the running instance.
//   tallyw                 nothing named
//   tallyw file            open file
//   tallyw /p file         print file
//   tallyw /dde            the shell will send its open request as a message
// A switch may be written with "/" or "-" in any case; a quoted argument keeps its blanks.

#include <string>
#include <vector>

namespace tw {

enum class StartAction { None, Open, Print, ShellRequest };

struct CommandLineInfo {
    StartAction action = StartAction::None;
    std::string fileName;
};

// Splits a command line (without the program name) into arguments: blanks separate, double
// quotes group and are dropped.
std::vector<std::string> SplitCommandLine(const std::string& line);

// Reads the arguments. An unknown switch is ignored; "/p" without a file asks for nothing.
CommandLineInfo ParseCommandLine(const std::vector<std::string>& args);

}  // namespace tw
