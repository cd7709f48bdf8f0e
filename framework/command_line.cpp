#include "framework/command_line.h"

#include <cctype>

namespace tw {

namespace {

bool IsSwitch(const std::string& arg) { return arg.size() > 1 && (arg[0] == '/' || arg[0] == '-'); }

std::string SwitchName(const std::string& arg) {
    std::string name;
    for (size_t i = 1; i < arg.size(); ++i) {
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(arg[i])));
    }
    return name;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
    std::vector<std::string> args;
    std::string current;
    bool quoted = false;
    bool inArg = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inArg = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArg) args.push_back(current);
            current.clear();
            inArg = false;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (inArg) args.push_back(current);
    return args;
}

CommandLineInfo ParseCommandLine(const std::vector<std::string>& args) {
    CommandLineInfo info;
    bool print = false;
    bool shell = false;
    for (const std::string& arg : args) {
        if (!IsSwitch(arg)) {
            if (info.fileName.empty()) info.fileName = arg;
            continue;
        }
        std::string name = SwitchName(arg);
        if (name == "p") print = true;
        if (name == "dde") shell = true;
    }
    if (shell) {
        info.action = StartAction::ShellRequest;
    } else if (!info.fileName.empty()) {
        info.action = print ? StartAction::Print : StartAction::Open;
    }
    return info;
}

}  // namespace tw
