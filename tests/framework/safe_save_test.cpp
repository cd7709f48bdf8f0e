#include "framework/safe_save.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "framework/file_replace.h"
#include "tests/doc/document_temp_folder.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

// A replace service that delegates to the portable one but can be told to fail a step.
class FaultyReplace : public IFileReplace {
public:
    bool failFlush = false;
    bool failReplace = false;
    bool FlushToDisk(std::FILE* file) override { return !failFlush && real_.FlushToDisk(file); }
    bool Replace(const std::string& from, const std::string& to) override {
        return !failReplace && real_.Replace(from, to);
    }

private:
    PortableFileReplace real_;
};

class SafeSaveTest : public ::testing::Test {
protected:
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void WriteOriginal(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    int FilesInFolder() const { return folder_.FileCount(); }
    static FileContentWriter Writes(const std::string& text) {
        return [text](std::FILE* out) {
            return std::fwrite(text.data(), 1, text.size(), out) == text.size();
        };
    }

    testing::TempFolder folder_{"tw_safe_save_"};
    fs::path dir_ = folder_.Path();
    std::string path_ = folder_.File("doc.tw");
};

TEST_F(SafeSaveTest, NewContentReplacesTheFileAndLeavesNoTemporary) {
    PortableFileReplace replace;
    std::string error;
    ASSERT_TRUE(SaveFileSafely(path_, Writes("first save"), replace, &error)) << error;
    EXPECT_EQ(Read(path_), "first save");
#ifdef _WIN32
    // The C runtime's rename cannot replace a file here: the program saves with the Win32
    // service (tests/framework/win32/win32_file_replace_test.cpp), and this one refuses safely.
    EXPECT_FALSE(SaveFileSafely(path_, Writes("new"), replace, &error));
    EXPECT_EQ(Read(path_), "first save");
#else
    ASSERT_TRUE(SaveFileSafely(path_, Writes("new"), replace, &error)) << error;
    EXPECT_EQ(Read(path_), "new");
#endif
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(SafeSaveTest, EveryFailingStepKeepsTheOriginalByteForByte) {
    const std::string original("original\0bytes\xff", 15);
    struct Case {
        const char* what;
        bool writerFails, writerThrows, flushFails, replaceFails;
    } cases[] = {
        {"writer reports failure", true, false, false, false},
        {"writer throws half-way", false, true, false, false},
        {"flush to disk fails", false, false, true, false},
        {"replace fails", false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteOriginal(original);
        FaultyReplace replace;
        replace.failFlush = c.flushFails;
        replace.failReplace = c.replaceFails;
        FileContentWriter write = [&c](std::FILE* out) {
            std::fputs("partial", out);
            if (c.writerThrows) throw std::runtime_error("disk full");
            return !c.writerFails;
        };
        std::string error;
        if (c.writerThrows) {
            EXPECT_THROW(SaveFileSafely(path_, write, replace, &error), std::runtime_error);
        } else {
            EXPECT_FALSE(SaveFileSafely(path_, write, replace, &error));
            EXPECT_FALSE(error.empty());
        }
        EXPECT_EQ(Read(path_), original);
        EXPECT_EQ(FilesInFolder(), 1) << "the temporary file was left behind";
    }
}

TEST_F(SafeSaveTest, MissingFolderIsReportedAndCreatesNothing) {
    PortableFileReplace replace;
    std::string error;
    const std::string path = (dir_ / "no such folder" / "doc.tw").string();
    EXPECT_FALSE(SaveFileSafely(path, Writes("x"), replace, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(SafeSaveTest, TemporaryNameAvoidsExistingFiles) {
    const std::string first = TemporaryNameBeside(path_);
    EXPECT_EQ(fs::path(first).parent_path(), dir_);
    std::ofstream(first) << "taken";
    const std::string second = TemporaryNameBeside(path_);
    EXPECT_NE(first, second);
    EXPECT_FALSE(fs::exists(second));
}

}  // namespace
}  // namespace tw
