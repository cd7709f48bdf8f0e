// The outline list's portable rules: matching and searching, full paths, the picture an item
// shows, the lines of a row, tabbed text, rows per column, the open/close mark, caret moves
// and what a directory listing takes and shows.

#include <gtest/gtest.h>

#include "controls/outline/caret_moves.h"
#include "controls/outline/dir_rules.h"
#include "controls/outline/outline_layout.h"
#include "controls/outline/outline_search.h"

namespace tw {
namespace {

TEST(OutlineRules, PrefixAndExactMatchesIgnoreCase) {
    EXPECT_TRUE(TextMatches("About", "ab", false));
    EXPECT_TRUE(TextMatches("ABACUS", "ab", false));
    EXPECT_FALSE(TextMatches("About", "ab", true));
    EXPECT_TRUE(TextMatches("aB", "Ab", true));
    EXPECT_FALSE(TextMatches("a", "ab", false));
    EXPECT_TRUE(TextMatches("\xC4pfel", "\xE4p", false)) << "accented capitals fold too";
    EXPECT_EQ("c:\\ label", LowerCased("C:\\ LABEL"));
}

TEST(OutlineRules, SearchesWrapRoundAndPathsJoinOnce) {
    OutlineTree tree;
    const uint32_t root = OutlineTree::kRoot;
    const uint32_t drive = tree.AddChild(root, 0, "c:\\", 0);
    const uint32_t b = tree.AddChild(drive, 0, "b", 0);
    const uint32_t about = tree.AddChild(root, 0, "About", 7);
    const uint32_t ab = tree.AddChild(root, 0, "ab", 8);
    const SearchKey prefix{SearchKey::Kind::Prefix, "AB", 0};
    const SearchKey exact{SearchKey::Kind::Exact, "AB", 0};
    const SearchKey value{SearchKey::Kind::Value, "", 8};
    EXPECT_EQ(about, FindChild(tree, root, 0, prefix));
    EXPECT_EQ(ab, FindChild(tree, root, about, prefix));
    EXPECT_EQ(about, FindChild(tree, root, ab, prefix)) << "wraps round";
    EXPECT_EQ(ab, FindChild(tree, root, 0, exact));
    EXPECT_EQ(ab, FindChild(tree, root, 0, value));
    EXPECT_EQ(ab, FindChild(tree, root, 0, prefix, Direction::Backward));
    EXPECT_EQ(0u, FindChild(tree, drive, 0, prefix));
    EXPECT_EQ(b, FindInTree(tree, 0, {SearchKey::Kind::Prefix, "b", 0}, Direction::Forward));
    EXPECT_EQ(0u, FindInRows(tree, 0, {SearchKey::Kind::Prefix, "b", 0}, Direction::Forward))
        << "b is hidden in a closed parent";
    EXPECT_EQ(ab, FindInRows(tree, about, prefix, Direction::Forward));
    EXPECT_EQ("c:\\b", FullPath(tree, b, '\\'));
    EXPECT_EQ("c:\\/b", FullPath(tree, b, '/'));
    const uint32_t dir = tree.AddChild(root, 0, "dir", 0);
    EXPECT_EQ("dir\\x", FullPath(tree, tree.AddChild(dir, 0, "x", 0), '\\'));
}

TEST(OutlineRules, PictureChoiceByControlLevelAndItem) {
    PictureSettings settings;
    OutlineItem item;
    item.level = 3;
    auto choice = ChoosePicture(settings, item);
    EXPECT_EQ(PictureChoice::Source::Strip, choice.source);
    EXPECT_EQ(0u, choice.image) << "the control's image at first";
    settings.controlBitmap = 0x100;
    EXPECT_EQ(PictureChoice::Source::Bitmap, ChoosePicture(settings, item).source);
    settings.levelImage[3] = 6;
    EXPECT_EQ(6u, ChoosePicture(settings, item).image) << "the level's image replaces it";
    settings.levelBitmap[3] = 0x200;
    EXPECT_EQ(0x200u, ChoosePicture(settings, item).bitmap);
    item.bitmapIndex = kDirectoryImage | 2;
    choice = ChoosePicture(settings, item);
    EXPECT_EQ(PictureChoice::Source::Strip, choice.source);
    EXPECT_EQ(2u, choice.image) << "the item's index without the directory bit";
    item.bitmap = 0x300;
    EXPECT_EQ(0x300u, ChoosePicture(settings, item).bitmap);
    item.level = 25;  // past the level table: the level's pictures do not apply
    item.bitmap = 0;
    item.bitmapIndex = kNoImage;
    EXPECT_EQ(0x100u, ChoosePicture(settings, item).bitmap);
    EXPECT_FALSE(IsBuiltInImage(0x7FFF));
    EXPECT_TRUE(IsBuiltInImage(13));

    OutlineItem dir;
    EXPECT_EQ(0, StateCell(dir));
    dir.firstChild = 5;
    EXPECT_EQ(2, StateCell(dir));
    dir.flags = kItemOpen;
    EXPECT_EQ(1, StateCell(dir));
}

TEST(OutlineRules, LinesOfARow) {
    // A lone top-level item: the connector alone.
    LineShape lone{0, {false}, false, 0, 0, 18, 20};
    auto lines = RowLines(lone);
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(7, lines[0].x0);
    EXPECT_EQ(21, lines[0].x1);
    EXPECT_EQ(8, lines[0].y0);
    EXPECT_EQ(8, lines[0].y1);
    // The first of several top-level items: from mid down.
    lines = RowLines({0, {true}, false, 0, 0, 18, 20});
    EXPECT_EQ(8, lines[0].y0);
    EXPECT_EQ(17, lines[0].y1);
    // The last of several: from the top to mid.
    lines = RowLines({0, {false}, true, 0, 18, 18, 20});
    EXPECT_EQ(18, lines[0].y0);
    EXPECT_EQ(26, lines[0].y1);
    // A last child at level 2 whose grandparent has a next sibling and parent has none.
    lines = RowLines({2, {true, false, false}, true, 5, 0, 18, 20});
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(12, lines[0].x0) << "x(0) = left + 7";
    EXPECT_EQ(17, lines[0].y1);
    EXPECT_EQ(52, lines[1].x0) << "x(2)";
    EXPECT_EQ(8, lines[1].y1) << "to mid only";
    EXPECT_EQ(52 + 14, lines[2].x1);
    // An indent below 6 has no connector to draw.
    EXPECT_TRUE(RowLines({0, {false}, false, 0, 0, 18, 4}).empty());
}

TEST(OutlineRules, TabbedPiecesStartAtStops) {
    // Base width 8: a dialog unit is 2 pixels.
    EXPECT_EQ(std::vector<int>({0, 4, 12}), TabbedPieceStarts({3, 6, 5}, {}, 8))
        << "no stop: every 2 units (4 pixels), at least one step";
    EXPECT_EQ(std::vector<int>({0, 40, 80}), TabbedPieceStarts({30, 35, 1}, {20}, 8));
    EXPECT_EQ(std::vector<int>({0, 40, 40 + 50}), TabbedPieceStarts({10, 50, 1}, {20, 40}, 8))
        << "after the last stop a piece follows directly";
    EXPECT_EQ(std::vector<int>({0, 5}), TabbedPieceStarts({5, 5}, {0}, 8)) << "a stop of 0";
    EXPECT_EQ(std::vector<int>({0}), TabbedPieceStarts({5}, {10}, 0));
    // Absurd stops and widths stay in range instead of overflowing.
    const std::vector<int> far = TabbedPieceStarts({5, 5, 5}, {0x7FFFFFFF}, 8);
    EXPECT_GT(far[1], 0);
    EXPECT_GE(far[2], far[1]);
    const std::vector<int> wide =
        TabbedPieceStarts({0x7FFFFFFF, 0x7FFFFFFF, 1}, {3, 0x7FFFFFF0}, 8);
    EXPECT_GE(wide[2], wide[1]);
    EXPECT_GT(TabbedPieceStarts({1, 1}, {-0x7FFFFFFF}, 8)[1], -1 - 0x7FFFFFFF / 2);
}

TEST(OutlineRules, RowsPerColumnMarkAndCaretMoves) {
    EXPECT_EQ(4, RowsPerColumn(10, 3));
    EXPECT_EQ(3, RowsPerColumn(9, 3));
    EXPECT_EQ(1, RowsPerColumn(0, 3));
    EXPECT_EQ(1, RowsPerColumn(2, 5));
    EXPECT_EQ(7, RowsPerColumn(7, 0)) << "zero columns count as one";

    EXPECT_FALSE(OnOpenCloseMark(2, 0, 20, 0));
    EXPECT_TRUE(OnOpenCloseMark(3, 0, 20, 0));
    EXPECT_TRUE(OnOpenCloseMark(54, 2, 20, 0));
    EXPECT_FALSE(OnOpenCloseMark(55, 2, 20, 0));
    EXPECT_TRUE(OnOpenCloseMark(44, 2, 20, 10)) << "scrolled 10 pixels";

    EXPECT_EQ(-1, CaretTarget(CaretKey::Down, 0, 0, 5, 1));
    EXPECT_EQ(0, CaretTarget(CaretKey::Down, -1, 10, 5, 1));
    EXPECT_EQ(9, CaretTarget(CaretKey::Down, 9, 10, 5, 1));
    EXPECT_EQ(4, CaretTarget(CaretKey::PageDown, 0, 10, 5, 1));
    EXPECT_EQ(0, CaretTarget(CaretKey::PageUp, 3, 10, 5, 1));
    EXPECT_EQ(9, CaretTarget(CaretKey::End, 2, 10, 5, 1));
    EXPECT_EQ(8, CaretTarget(CaretKey::Right, 4, 10, 5, 4));
    EXPECT_EQ(9, CaretTarget(CaretKey::Right, 8, 10, 5, 4));
    EXPECT_EQ(1, CaretTarget(CaretKey::PageDown, 0, 10, 1, 1)) << "a page is at least a row";
}

TEST(OutlineRules, DirectoryEntriesAndTheirPictures) {
    EXPECT_TRUE(EntryWanted(kDirArchive | kDirReadOnly, 0));
    EXPECT_FALSE(EntryWanted(kDirHidden, 0));
    EXPECT_TRUE(EntryWanted(kDirHidden, kDirHidden));
    EXPECT_FALSE(EntryWanted(kDirDirectory, kDirHidden));
    EXPECT_TRUE(EntryWanted(kDirDirectory, kDirDirectory | kDirRecurse));
    EXPECT_FALSE(EntryWanted(kDirArchive, kDirExclusive | kDirDirectory));
    EXPECT_TRUE(EntryWanted(kDirDirectory, kDirExclusive | kDirDirectory));
    EXPECT_TRUE(EntryWanted(kDirArchive, kDirExclusive)) << "exclusive plain files";
    EXPECT_FALSE(EntryWanted(kDirReadOnly, kDirExclusive));

    EXPECT_EQ(kImageFile, FileImage("noext", 0));
    EXPECT_EQ(kImageProgram, FileImage("a.DLL", 0));
    EXPECT_EQ(kImageProgram, FileImage("setup.exe", 0));
    EXPECT_EQ(kImageDocument, FileImage("x.Rtf", 0));
    EXPECT_EQ(kImageHelp, FileImage("x.hlp", 0));
    EXPECT_EQ(kImageFile, FileImage("x.hlpx", 0));
    EXPECT_EQ(kImageSystemFile, FileImage("kernel.exe", kDirSystem));

    EXPECT_EQ("a:\\", DriveText('A', DriveKind::Removable, ""));
    EXPECT_EQ("c:\\ system", DriveText('c', DriveKind::Fixed, "SYSTEM"));
    EXPECT_EQ("c:\\", DriveText('c', DriveKind::Fixed, ""));
    EXPECT_EQ("n: \\\\server\\share", DriveText('N', DriveKind::Remote, "\\\\Server\\Share"));
    EXPECT_EQ("n: not connected", DriveText('N', DriveKind::Remote, ""));
    EXPECT_EQ(kImageCdRom, DriveImage(DriveKind::CdRom));

    EXPECT_EQ("c:\\dir\\x", JoinPath("c:\\dir", "x"));
    EXPECT_EQ("c:\\x", JoinPath("c:\\", "x"));
    EXPECT_EQ("", JoinPath(std::string(250, 'd'), std::string(20, 'n'))) << "past the limit";
}

}  // namespace
}  // namespace tw
