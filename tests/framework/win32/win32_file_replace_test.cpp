// The Win32 replace service inside a whole safe save, under Wine.

#include "framework/win32/win32_file_replace.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/safe_save.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

FileContentWriter Writes(const std::string& text) {
    return [text](std::FILE* out) {
        return std::fwrite(text.data(), 1, text.size(), out) == text.size();
    };
}

TEST(Win32FileReplace, ReplacesAnExistingFileAndReportsFailures) {
    const fs::path dir = fs::temp_directory_path() / "tw_win32_replace";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string path = (dir / "doc.tw").string();
    std::ofstream(path, std::ios::binary) << "old";

    Win32FileReplace replace;
    std::string error;
    ASSERT_TRUE(SaveFileSafely(path, Writes("new content"), replace, &error)) << error;
    EXPECT_EQ(Read(path), "new content");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    EXPECT_FALSE(replace.Replace((dir / "missing").string(), path));
    EXPECT_EQ(Read(path), "new content");
    EXPECT_FALSE(replace.FlushToDisk(nullptr));
    fs::remove_all(dir);
}

}  // namespace
}  // namespace tw
