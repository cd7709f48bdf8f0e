#include "framework/recent_file_list.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFileList, KeepsNewestFirstWithoutDuplicates) {
    RecentFileList list;
    for (const char* p : {"a.tw", "b.tw", "c.tw", "d.tw", "e.tw"}) list.Add(p);
    EXPECT_EQ(list.Paths(), (Paths{"e.tw", "d.tw", "c.tw", "b.tw"}));

    list.Add("C.TW");  // same file in other case moves to the front with the new spelling
    EXPECT_EQ(list.Paths(), (Paths{"C.TW", "e.tw", "d.tw", "b.tw"}));

    list.Add("");
    list.Remove(1);
    list.Remove(9);
    list.Remove(-1);
    EXPECT_EQ(list.Paths(), (Paths{"C.TW", "d.tw", "b.tw"}));
    EXPECT_EQ(list.At(2), "b.tw");
    EXPECT_EQ(list.At(3), "");
}

TEST(RecentFileList, SavesAndLoadsThroughTheStore) {
    MemorySettings store;
    RecentFileList first;
    for (const char* p : {"one.tw", "two.tw", "three.tw"}) first.Add(p);
    first.Save(store);
    EXPECT_EQ(store.GetString("Recent File List", "File1", ""), "three.tw");

    RecentFileList second;
    second.Load(store);
    EXPECT_EQ(second.Paths(), first.Paths());

    // Gaps and repeats in the store are dropped; a shorter list clears the old slots.
    store.WriteString("Recent File List", "File2", "");
    store.WriteString("Recent File List", "File4", "THREE.tw");
    second.Load(store);
    EXPECT_EQ(second.Paths(), (Paths{"three.tw", "one.tw"}));
    second.Remove(0);
    second.Save(store);
    EXPECT_EQ(store.GetString("Recent File List", "File2", "gone"), "gone");
    EXPECT_EQ(store.GetString("Recent File List", "File4", "gone"), "gone");
}

}  // namespace
}  // namespace tw
