// The outline list filled from the file system under Wine: a directory's entries in lower
// case with pictures by kind and attributes, directories and their contents, the exclusive
// bit, a drive mapped to a directory, the drives themselves, and listings that must end.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "outline_harness.h"

namespace tw::test {
namespace {

constexpr int kPictureFile = 2, kPictureRoot = 3, kPictureProgram = 4, kPictureSystem = 5;
constexpr int kPictureText = 8, kPictureHelp = 9, kPictureFixed = 11;

std::string LowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                RemoveTree(child);
            else if (!DeleteFileA(child.c_str()))
                RemoveDirectoryA(child.c_str());
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

class OutlineDir : public ::testing::Test {
protected:
    OutlineParent parent;
    HWND list = nullptr;
    std::string root;

    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        root = std::string(temp) + "OlbDir" + std::to_string(GetCurrentProcessId());
        RemoveTree(root);
        ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
        for (const char* name : {"Readme.TXT", "Setup.EXE", "Manual.HLP", "NoExt", "Data.xyz"})
            File(name);
        File("System.dat", FILE_ATTRIBUTE_SYSTEM);
        File("Hidden.txt", FILE_ATTRIBUTE_HIDDEN);
        CreateDirectoryA((root + "\\Sub").c_str(), nullptr);
        CreateDirectoryA((root + "\\Sub\\Deep").c_str(), nullptr);
        File("Sub\\Inner.DOC");
        list = parent.CreateList(0, 300, 400);
        olbSetColor(list, OLB_COLOR_BACKGROUND, kWhite, FALSE);
        olbEnableBitmaps(list, TRUE);
    }
    void TearDown() override { RemoveTree(root); }

    void File(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        HANDLE file = CreateFileA((root + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, attributes, nullptr);
        CloseHandle(file);
    }
    std::string Pattern() const { return root + "\\*.*"; }
    HOLBITEM Find(const char* text) { return olbFindNextEx(list, OLB_NOITEM, text); }
    // The strip cell a listed item shows (it must be a row).
    int CellOf(const char* text) {
        const LONG row = olbHandleToIndex(list, Find(text));
        return row < 0 ? -1 : ShownCell(list, row, 20 * olbQueryLevel(list, row));
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (HOLBITEM item = olbGetNextEx(list, 0); item && item != OLB_BADITEM;
             item = olbGetNextEx(list, item)) {
            char text[MAX_PATH] = "";
            olbGetTextEx(list, item, text, sizeof text);
            texts.push_back(text);
        }
        return texts;
    }
};

TEST_F(OutlineDir, FilesInLowerCaseWithPicturesByKind) {
    const LONG last = olbDir(list, 0, Pattern().c_str());
    EXPECT_EQ(4, last) << "the row of the last item added";
    EXPECT_EQ(5, olbGetCount(list)) << "no directories, hidden or system files unless asked";
    for (const std::string& text : Texts())
        EXPECT_EQ(std::string::npos, text.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ")) << text;
    EXPECT_EQ(3 * kPictureText, CellOf("readme.txt"));
    EXPECT_EQ(3 * kPictureProgram, CellOf("setup.exe"));
    EXPECT_EQ(3 * kPictureHelp, CellOf("manual.hlp"));
    EXPECT_EQ(3 * kPictureFile, CellOf("noext"));
    EXPECT_EQ(3 * kPictureFile, CellOf("data.xyz"));
    EXPECT_EQ(OLB_BADITEM, Find("sub"));
    // Asked for: system and hidden files, the system file with its own picture.
    olbResetContent(list);
    olbDir(list, 0x0002 | 0x0004, Pattern().c_str());
    EXPECT_EQ(7, olbGetCount(list));
    EXPECT_EQ(3 * kPictureSystem, CellOf("system.dat"));
    // A pattern picks the entries; nothing matching gives -1.
    olbResetContent(list);
    EXPECT_EQ(0, olbDir(list, 0, (root + "\\*.exe").c_str()));
    EXPECT_EQ(OLB_ERR, olbDir(list, 0, (root + "\\*.none").c_str()));
    EXPECT_EQ(
        0, SendMessageA(list, LB_DIR, 0, reinterpret_cast<LPARAM>((root + "\\*.hlp").c_str())) - 1);
}

TEST_F(OutlineDir, DirectoriesWithTheirContentsAndTheExclusiveBit) {
    olbDir(list, 0x0010 | OLBDIR_RECURSE, Pattern().c_str());
    const HOLBITEM sub = Find("sub");
    ASSERT_NE(OLB_BADITEM, sub);
    EXPECT_EQ(2, olbHasChildrenEx(list, sub)) << "deep and inner.doc";
    EXPECT_EQ(2, CellOf("sub")) << "a directory, closed with children";
    EXPECT_EQ(1, olbQueryLevelEx(list, Find("inner.doc")));
    olbOpenAll(list, -1);
    EXPECT_EQ(0, CellOf("deep")) << "an empty directory";
    EXPECT_EQ(3 * kPictureText, CellOf("inner.doc"));
    char path[MAX_PATH];
    olbGetFullPathEx(list, Find("inner.doc"), path, sizeof path);
    EXPECT_STREQ("sub\\inner.doc", path);

    olbResetContent(list);
    olbDir(list, 0x8000 | 0x0010, Pattern().c_str());
    EXPECT_EQ(std::vector<std::string>({"sub"}), Texts()) << "exclusive: directories only";
}

TEST_F(OutlineDir, DirExListsADriveBeneathItsRoot) {
    EXPECT_EQ(0, olbDirEx(list, 0, 3)) << "c:, the prefix's own drive";
    char text[16] = "";
    olbGetText(list, 0, text, sizeof text);
    EXPECT_STREQ("c:\\", text);
    EXPECT_EQ(kPictureRoot, ShownCell(list, 0, 0) / 3);
    const HOLBITEM inner = Find("inner.doc");
    ASSERT_NE(OLB_BADITEM, inner);
    char path[MAX_PATH];
    olbGetFullPathEx(list, inner, path, sizeof path);
    EXPECT_EQ(LowerCase(root + "\\sub\\inner.doc"), path);
    EXPECT_NE(OLB_BADITEM, Find("deep")) << "directories come with the contents";
    EXPECT_EQ(OLB_ERR, olbDirEx(list, 0, 27)) << "no drive past z:";
}

TEST_F(OutlineDir, DrivesAreListedByKind) {
    const LONG last = olbDir(list, 0x4000, "*.*");
    ASSERT_GE(last, 0);
    EXPECT_EQ(last + 1, olbGetCount(list));
    const std::vector<std::string> texts = Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(0u, texts[0].find("c:\\")) << texts[0];
    for (const std::string& text : texts)
        EXPECT_EQ(std::string::npos, text.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ")) << text;
    EXPECT_EQ(3 * kPictureFixed, CellOf(texts[0].c_str()));
}

TEST_F(OutlineDir, ListingsEndAtLoopsAndAtTheDepthLimit) {
    std::string deep = root + "\\Sub";
    for (int i = 0; i < 40; ++i) {
        deep += "\\d";
        CreateDirectoryA(deep.c_str(), nullptr);
    }
    olbDir(list, 0x0010 | OLBDIR_RECURSE, Pattern().c_str());
    LONG deepest = 0;
    for (HOLBITEM item = olbGetNextEx(list, 0); item && item != OLB_BADITEM;
         item = olbGetNextEx(list, item))
        deepest = std::max(deepest, olbQueryLevelEx(list, item));
    EXPECT_LE(deepest, 32) << "the depth is bounded";
    EXPECT_GE(deepest, 30);
    // The build made a folder whose subfolder "inner" holds a link "back" to the folder.
    olbResetContent(list);
    olbDir(list, 0x0010 | OLBDIR_RECURSE, TW_LOOP_FOLDER "\\*.*");
    const HOLBITEM back = Find("back");
    ASSERT_NE(OLB_BADITEM, back);
    EXPECT_EQ(1, olbQueryLevelEx(list, back));
    EXPECT_EQ(0, olbHasChildrenEx(list, back)) << "a link back to a folder being listed";
    EXPECT_EQ(2, olbGetCount(list));
}

}  // namespace
}  // namespace tw::test
