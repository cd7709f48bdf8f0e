// Message substitution, file error texts, document type descriptions and file filters.
#include <gtest/gtest.h>

#include "framework/document_type.h"
#include "framework/file_error_text.h"
#include "framework/message_text.h"

namespace tw {
namespace {

TEST(SubstituteArgs, ReplacesNumberedPlaceHolders) {
    struct Case {
        const char* pattern;
        std::vector<std::string> args;
        const char* expected;
    };
    const Case cases[] = {
        {"Save changes to %1?", {"Tally1"}, "Save changes to Tally1?"},
        {"between %1 and %2.", {"5", "100"}, "between 5 and 100."},
        {"%2-%1-%2", {"a", "b"}, "b-a-b"},
        {"%1 and %2", {"only"}, "only and %2"},
        {"100% sure, %0 %x", {"a"}, "100% sure, %0 %x"},
        {"ends in %", {"a"}, "ends in %"},
        {"%1", {"%1"}, "%1"},  // an argument is not substituted again
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SubstituteArgs(c.pattern, c.args), c.expected) << c.pattern;
    }
}

TEST(FileErrorText, NamesTheFileForEveryCause) {
    EXPECT_EQ(FileErrorText(FileErrorCause::AccessDenied, "a.tw"), "Access to a.tw was denied.");
    EXPECT_EQ(FileErrorText(FileErrorCause::FileNotFound, "a.tw"), "a.tw was not found.");
    EXPECT_EQ(FileErrorText(FileErrorCause::SharingViolation, "a.tw"),
              "A sharing violation occurred while accessing a.tw.");
    for (FileErrorCause cause :
         {FileErrorCause::Generic, FileErrorCause::BadPath, FileErrorCause::TooManyOpenFiles,
          FileErrorCause::InvalidFile, FileErrorCause::LockViolation, FileErrorCause::DiskFull,
          FileErrorCause::EndOfFile, FileErrorCause::HardIo}) {
        EXPECT_NE(FileErrorText(cause, "x.tw").find("x.tw"), std::string::npos);
    }
    EXPECT_EQ(FileErrorText(FileErrorCause::None, "x.tw"), "");
}

TEST(DocumentType, ParsesFieldsAndNamesDocuments) {
    DocumentType type = ParseDocumentType(
        "\nTally\nTallywick Document\nTallywick Files (*.tw)\n.tw\nTallywickFileType\n"
        "Tallywick File Type");
    EXPECT_EQ(type.windowTitle, "");
    EXPECT_EQ(type.newName, "Tally");
    EXPECT_EQ(type.filterName, "Tallywick Files (*.tw)");
    EXPECT_EQ(type.extension, ".tw");
    EXPECT_EQ(type.shellTypeId, "TallywickFileType");
    EXPECT_EQ(type.shellTypeName, "Tallywick File Type");
    EXPECT_EQ(NewDocumentTitle(type, 3), "Tally3");

    DocumentType shortType = ParseDocumentType("Title");
    EXPECT_EQ(shortType.windowTitle, "Title");
    EXPECT_EQ(shortType.shellTypeName, "");
    EXPECT_EQ(NewDocumentTitle(shortType, 1), "Untitled");

    EXPECT_EQ(TitleFromPath("C:\\work\\jan.tw"), "jan.tw");
    EXPECT_EQ(TitleFromPath("jan.tw"), "jan.tw");
    EXPECT_EQ(TitleFromPath("/tmp/x/feb.tw"), "feb.tw");
}

TEST(FileDialogFilter, ReplacesSeparatorsAndEndsWithTwoNuls) {
    using namespace std::string_literals;
    EXPECT_EQ(FileDialogFilter("T (*.tw) |*.tw| All |*.*||"), "T (*.tw) \0*.tw\0 All \0*.*\0\0"s);
    EXPECT_EQ(FileDialogFilter("A|*.a"), "A\0*.a\0\0"s);
    EXPECT_EQ(FileDialogFilter(""), "\0\0"s);
    EXPECT_EQ(FileDialogFilter("Text\n*.txt\n", '\n'), "Text\0*.txt\0\0"s);
}

}  // namespace
}  // namespace tw
