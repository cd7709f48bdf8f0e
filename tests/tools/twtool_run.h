#pragma once
// Runs twtool as a child process (the native tool, or twtool.exe from a test under Wine) in a
// folder of the test's own, and collects its exit status and output.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "tests/doc/document_temp_folder.h"

namespace tw::testing {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The tool's path as the shell of this build takes it (a Unix path is drive Z: under Wine).
inline std::string ToolPath() {
    std::string path = TWTOOL_PATH;
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
#endif
    return path;
}

// Runs twtool with the arguments, each quoted, and its output sent to files in `dir`.
inline ToolRun RunTwtool(std::initializer_list<std::string> args,
                         const std::filesystem::path& dir) {
#ifdef _WIN32
    const char quote = '"';
#else
    const char quote = '\'';
#endif
    std::string command = quote + ToolPath() + quote;
    for (const std::string& a : args) command += std::string(" ") + quote + a + quote;
    const std::filesystem::path out = dir / "stdout", err = dir / "stderr";
    command += " >" + (quote + out.string() + quote) + " 2>" + (quote + err.string() + quote);
#ifdef _WIN32
    command = quote + command + quote;  // cmd /c drops the outer quotes
    const int status = std::system(command.c_str());
#else
    const int raw = std::system(command.c_str());
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    return {status, ReadText(out), ReadText(err)};
}

}  // namespace tw::testing
