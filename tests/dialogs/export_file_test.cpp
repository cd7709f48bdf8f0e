#include "dialogs/export_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "dialogs/export_writer.h"
#include "framework/file_replace.h"
#include "tests/doc/document_temp_folder.h"

namespace tw {
namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Export content that writes `text`, then fails when `fail` is set (a write error part-way).
ExportContent Lines(const std::string& text, bool fail = false) {
    return
        [text, fail](IExportOutput& out) { return out.Write(text.data(), text.size()) && !fail; };
}

// The C runtime's rename cannot replace a file under Windows (the program installs the Win32
// service for that); here the old file is removed first, which serves the tests everywhere.
class RemovingReplace : public PortableFileReplace {
public:
    bool Replace(const std::string& from, const std::string& to) override {
        std::remove(to.c_str());
        return PortableFileReplace::Replace(from, to);
    }
};

class ExportFileTest : public ::testing::Test {
protected:
    FileErrorCause Write(const std::string& path, bool append, const ExportContent& content) {
        return WriteExportFile(path, append, content, replace);
    }
    RemovingReplace replace;
    testing::TempFolder folder{"tw_export_file_"};
    std::string path = folder.File("out.txt");
};

TEST_F(ExportFileTest, NewFileReplacesAndAppendAddsToTheEnd) {
    WriteText(path, "old\r\n");
    EXPECT_EQ(Write(path, false, Lines("new\r\n")), FileErrorCause::None);
    EXPECT_EQ(ReadText(path), "new\r\n");
    EXPECT_EQ(Write(path, true, Lines("more\r\n")), FileErrorCause::None);
    EXPECT_EQ(ReadText(path), "new\r\nmore\r\n");
    EXPECT_EQ(folder.FileCount(), 1);  // no temporary file left beside
}

TEST_F(ExportFileTest, AppendingToAMissingFileCreatesIt) {
    EXPECT_EQ(Write(path, true, Lines("first\r\n")), FileErrorCause::None);
    EXPECT_EQ(ReadText(path), "first\r\n");
}

TEST_F(ExportFileTest, AFailurePartWayLeavesTheFileAsItWasAndSaysSo) {
    WriteText(path, "kept\r\n");
    EXPECT_NE(Write(path, false, Lines("half", true)), FileErrorCause::None);
    EXPECT_NE(Write(path, true, Lines("half", true)), FileErrorCause::None);
    EXPECT_EQ(ReadText(path), "kept\r\n");
    const std::string fresh = folder.File("fresh.txt");
    EXPECT_NE(Write(fresh, false, Lines("half", true)), FileErrorCause::None);
    EXPECT_FALSE(std::ifstream(fresh).good());  // no half-written new file
    EXPECT_EQ(folder.FileCount(), 1);
}

TEST_F(ExportFileTest, PathsThatCannotBeWrittenGiveTheirCause) {
    EXPECT_EQ(Write(folder.Path().string(), false, Lines("x")), FileErrorCause::AccessDenied);
    EXPECT_EQ(Write(folder.File("missing/out.txt"), false, Lines("x")), FileErrorCause::BadPath);
    EXPECT_EQ(folder.FileCount(), 0);
}

// A replace service that refuses the last step.
class RefusingReplace : public PortableFileReplace {
public:
    bool Replace(const std::string&, const std::string&) override { return false; }
};

TEST_F(ExportFileTest, ARefusedReplaceIsAnError) {
    WriteText(path, "kept");
    RefusingReplace refusing;
    EXPECT_EQ(WriteExportFile(path, true, Lines("x"), refusing), FileErrorCause::Generic);
    EXPECT_EQ(ReadText(path), "kept");
    EXPECT_EQ(folder.FileCount(), 1);
}

TEST(FileErrorCauseOfErrno, MapsTheCommonErrors) {
    EXPECT_EQ(FileErrorCauseOfErrno(0), FileErrorCause::None);
    EXPECT_EQ(FileErrorCauseOfErrno(EACCES), FileErrorCause::AccessDenied);
    EXPECT_EQ(FileErrorCauseOfErrno(ENOSPC), FileErrorCause::DiskFull);
    EXPECT_EQ(FileErrorCauseOfErrno(ENOENT), FileErrorCause::FileNotFound);
    EXPECT_EQ(FileErrorCauseOfErrno(12345), FileErrorCause::Generic);
}

}  // namespace
}  // namespace tw
