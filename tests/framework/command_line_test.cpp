#include "framework/command_line.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(CommandLine, SplitsAndReadsWhatToDo) {
    struct Case {
        const char* line;
        StartAction action;
        const char* file;
    };
    const Case cases[] = {
        {"", StartAction::None, ""},
        {"   ", StartAction::None, ""},
        {"jan.tw", StartAction::Open, "jan.tw"},
        {"\"C:\\My Files\\jan.tw\"", StartAction::Open, "C:\\My Files\\jan.tw"},
        {"/p jan.tw", StartAction::Print, "jan.tw"},
        {"-P \"a b.tw\"", StartAction::Print, "a b.tw"},
        {"/p", StartAction::None, ""},
        {"/dde", StartAction::ShellRequest, ""},
        {"/x jan.tw feb.tw", StartAction::Open, "jan.tw"},
    };
    for (const Case& c : cases) {
        CommandLineInfo info = ParseCommandLine(SplitCommandLine(c.line));
        EXPECT_EQ(info.action, c.action) << c.line;
        EXPECT_EQ(info.fileName, c.file) << c.line;
    }
    EXPECT_EQ(SplitCommandLine("a  \"\" b"), (std::vector<std::string>{"a", "", "b"}));
}

}  // namespace
}  // namespace tw
