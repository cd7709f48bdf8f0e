// Texts from the string table with their place holders, and the file errors of Win32 codes.
#include <gtest/gtest.h>

#include "framework/win32/message_box.h"
#include "test_resources.h"
#include "test_support.h"

namespace tw::test {
namespace {

TEST(MessageBoxes, StringTableTextsAndFileErrors) {
    ScriptedPrompter prompter;
    ScopedPrompter scope(prompter);
    prompter.Queue(PromptAnswer::Yes);
    EXPECT_EQ(AskResource(IDS_FILE_GONE, {"a.tw", "moved"}, PromptButtons::YesNo),
              PromptAnswer::Yes);
    EXPECT_EQ(prompter.Shown().back(), "The file a.tw is gone (moved).");
    TellResource(IDS_FILE_GONE);
    EXPECT_EQ(prompter.Shown().back(), "The file %1 is gone (%2).");

    const struct {
        DWORD code;
        const char* text;
    } cases[] = {
        {ERROR_ACCESS_DENIED, "Access to b.tw was denied."},
        {ERROR_FILE_NOT_FOUND, "b.tw was not found."},
        {ERROR_SHARING_VIOLATION, "A sharing violation occurred while accessing b.tw."},
        {ERROR_PATH_NOT_FOUND, "b.tw contains an incorrect path."},
        {ERROR_DISK_FULL, "b.tw could not be written because the disk is full."},
        {ERROR_GEN_FAILURE, "An unexpected file error occurred while accessing b.tw."},
    };
    for (const auto& c : cases) {
        ReportFileError(FileErrorCauseOf(c.code), "b.tw");
        EXPECT_EQ(prompter.Shown().back(), c.text) << c.code;
    }
    size_t count = prompter.Shown().size();
    ReportFileError(FileErrorCauseOf(NO_ERROR), "b.tw");
    EXPECT_EQ(prompter.Shown().size(), count);
}

}  // namespace
}  // namespace tw::test
