#include "doc/document_safe_save.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "doc/file_replace.h"

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
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tw_safe_save_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "doc.tw").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void WriteOriginal(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    int FilesInFolder() const {
        return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    static FileContentWriter Writes(const std::string& text) {
        return [text](std::FILE* out) { return std::fwrite(text.data(), 1, text.size(), out) == text.size(); };
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(SafeSaveTest, NewContentReplacesTheFileAndLeavesNoTemporary) {
    WriteOriginal("old content");
    PortableFileReplace replace;
    std::string error;
    ASSERT_TRUE(SaveFileSafely(path_, Writes("new"), replace, &error)) << error;
    EXPECT_EQ(Read(path_), "new");
    EXPECT_EQ(FilesInFolder(), 1);

    const std::string fresh = (dir_ / "fresh.tw").string();
    ASSERT_TRUE(SaveFileSafely(fresh, Writes("first save"), replace, &error)) << error;
    EXPECT_EQ(Read(fresh), "first save");
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
