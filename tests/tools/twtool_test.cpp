// twtool run as a child process: dump, convert and new on the samples, and its refusals.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "doc/document.h"
#include "tests/doc/document_temp_folder.h"
#include "tests/tools/json_check.h"
#include "tests/tools/twtool_run.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

using testing::ReadText;
using testing::ToolRun;

std::string Sample(const std::string& relative) {
    return std::string(TW_SOURCE_DIR) + "/samples/" + relative;
}

class TwtoolTest : public ::testing::Test {
protected:
    // Runs twtool with the arguments (each quoted) and collects its output.
    ToolRun Twtool(std::initializer_list<std::string> args) {
        return testing::RunTwtool(args, dir_);
    }
    std::string Path(const char* name) const { return folder_.File(name); }

    testing::TempFolder folder_{"tw_twtool_"};
    fs::path dir_ = folder_.Path();
};

TEST_F(TwtoolTest, DumpsEverySampleAsJson) {
    const struct {
        const char* file;
        const char* version;
    } samples[] = {
        {"layouts/00-workmeter-1.0.1.tw", "\"version_index\": 0"},
        {"layouts/04-workmeter-1.2.0.tw", "\"version_index\": 4"},
        {"layouts/07-lite-2.0.2.tw", "\"version_index\": 7"},
        {"layouts/09-windows-1.0.1.tw", "\"version_index\": 9"},
        {"layouts/11-windows-1.1.1.tw", "\"version_index\": 11"},
        {"consulting.tw", "\"version_index\": 12"},
    };
    for (const auto& s : samples) {
        SCOPED_TRACE(s.file);
        const ToolRun r = Twtool({"dump", Sample(s.file)});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(testing::IsValidJson(r.out));
        EXPECT_NE(r.out.find(s.version), std::string::npos);
        EXPECT_NE(r.out.find("\"totals\""), std::string::npos);
    }
    const ToolRun current = Twtool({"dump", Sample("consulting.tw")});
    EXPECT_NE(current.out.find("\"projects\": \"Support ($35.00)\""), std::string::npos);
    EXPECT_NE(current.out.find("\"charge\": \"$70.00\""), std::string::npos);
    EXPECT_NE(current.out.find("    null,"), std::string::npos);  // the empty project slot
    EXPECT_NE(current.out.find("\"notes\": \"Notes with\\ttab and \\\"quotes\\\"\""),
              std::string::npos);
}

TEST_F(TwtoolTest, TextsAreEscapedToAsciiJson) {
    CWorkmetrDoc doc;
    doc.AddRecord()->SetNotes("line\nbreak \x01 back\\slash euro \x80 e\xE9");
    ASSERT_TRUE(doc.OnSaveDocument(Path("odd.tw")));
    const ToolRun r = Twtool({"dump", Path("odd.tw")});
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(testing::IsValidJson(r.out));
    EXPECT_NE(r.out.find("line\\nbreak \\u0001 back\\\\slash euro \\u20ac e\\u00e9"),
              std::string::npos);
}

TEST_F(TwtoolTest, ConvertWritesTheCurrentLayoutWithTheSameContent) {
    const ToolRun converted =
        Twtool({"convert", Sample("layouts/05-lite-2.0.0.tw"), Path("lite.tw")});
    ASSERT_EQ(converted.status, 0) << converted.err;
    const ToolRun before = Twtool({"dump", Sample("layouts/05-lite-2.0.0.tw")});
    const ToolRun after = Twtool({"dump", Path("lite.tw")});
    ASSERT_EQ(after.status, 0);
    // The records and lists are the same; the template record of an old file is a new one.
    auto content = [](const std::string& dump) {
        const size_t from = dump.find("\"lists\"");
        return dump.substr(from, dump.find("\"template\"") - from);
    };
    EXPECT_EQ(content(before.out), content(after.out));
    EXPECT_NE(after.out.find("\"version_index\": 12"), std::string::npos);

    const ToolRun fresh = Twtool({"new", Path("new.tw")});
    ASSERT_EQ(fresh.status, 0);
    const ToolRun dumped = Twtool({"dump", Path("new.tw")});
    EXPECT_NE(dumped.out.find("\"records\": []"), std::string::npos);
}

TEST_F(TwtoolTest, ErrorsGiveOneLineStatusOneAndWriteNothing) {
    {
        std::ofstream(Path("text.tw")) << "just some text";
        const std::string sample = ReadText(Sample("consulting.tw"));
        std::ofstream(Path("short.tw"), std::ios::binary) << sample.substr(0, sample.size() / 2);
    }
    const struct {
        const char* what;
        std::initializer_list<std::string> args;
    } cases[] = {
        {"missing file", {"dump", Path("missing.tw")}},
        {"not a document", {"dump", Path("text.tw")}},
        {"truncated", {"convert", Path("short.tw"), Path("out.tw")}},
        {"unwritable output", {"convert", Sample("consulting.tw"), Path("no/such/dir/out.tw")}},
        {"no command", {}},
        {"unknown command", {"print", Path("text.tw")}},
        {"missing argument", {"convert", Path("text.tw")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ToolRun r = Twtool(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        EXPECT_FALSE(fs::exists(Path("out.tw")));
    }
}

}  // namespace
}  // namespace tw
