#include "doc/project_cost.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/archive.h"
#include "framework/archive_streams.h"

namespace tw {
namespace {

TEST(ProjectCost, ConstructionAndNames) {
    const CProjectCost blank;
    EXPECT_EQ(" ", blank.GetName());
    EXPECT_EQ(0.0f, blank.GetRate());

    const CProjectCost typed(std::string(64, 'w'), 40.0f);  // a typed cell text is taken whole
    EXPECT_EQ(std::string(64, 'w'), typed.GetName());
    EXPECT_EQ(40.0f, typed.GetRate());
    const CProjectCost copy(typed);
    EXPECT_EQ(typed.GetName(), copy.GetName());
    EXPECT_EQ(typed.GetRate(), copy.GetRate());

    const struct {
        size_t length;
        size_t kept;
    } names[] = {{0, 0}, {1, 1}, {63, 63}, {64, 63}, {70, 63}};
    CProjectCost item;
    for (const auto& c : names) {
        std::string name(c.length, 'a');
        for (size_t i = 0; i < name.size(); ++i) name[i] = static_cast<char>('a' + i % 26);
        item.SetName(name);
        EXPECT_EQ(name.substr(0, c.kept), item.GetName()) << c.length;
    }
    item.SetRate(-2.5f);
    EXPECT_EQ(-2.5f, item.GetRate());

    EXPECT_EQ(1, ClassRegistry::Find("CProjectCost")->schema);
    EXPECT_TRUE(ClassRegistry::Create("CProjectCost")->IsKindOf(&CProjectCost::classInfo));
}

TEST(ProjectCost, BodyIsNameThenRate) {
    CProjectCost blank;
    MemorySink sink;
    {
        CArchive ar(sink);
        blank.Serialize(ar);
        CProjectCost web("Web", 40.0f);
        web.Serialize(ar);
    }
    const std::vector<uint8_t> expected = {0x01, 0x20, 0,   0,    0,    0,    0x03,
                                           'W',  'e',  'b', 0x00, 0x00, 0x20, 0x42};
    EXPECT_EQ(expected, sink.Bytes());

    MemorySource source(sink.Bytes());
    CArchive ar(source);
    CProjectCost a("x", 1), b;
    a.Serialize(ar);
    b.Serialize(ar);
    EXPECT_EQ(" ", a.GetName());
    EXPECT_EQ(0.0f, a.GetRate());
    EXPECT_EQ("Web", b.GetName());
    EXPECT_EQ(40.0f, b.GetRate());
    EXPECT_THROW(b.Serialize(ar), CArchiveException);
}

}  // namespace
}  // namespace tw
