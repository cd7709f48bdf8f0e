#include "framework/archive.h"
#include "framework/archive_streams.h"
#include "framework/object.h"

#include <gtest/gtest.h>

namespace tw {

// Two small classes of this test only, registered like the program's own.
class CTestPoint : public CObject {
    TW_DECLARE_SERIAL(CTestPoint)
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar.WriteI32(x);
        } else {
            x = ar.ReadI32();
        }
    }
    int32_t x = 0;
};
TW_IMPLEMENT_SERIAL(CTestPoint, 3)

class CTestOther : public CObject {
    TW_DECLARE_SERIAL(CTestOther)
};
TW_IMPLEMENT_SERIAL(CTestOther, 1)

namespace {

TEST(ObjectModel, ClassesAreFoundAndCreatedByName) {
    const CRuntimeClass* cls = ClassRegistry::Find("CTestPoint");
    ASSERT_EQ(&CTestPoint::classInfo, cls);
    EXPECT_STREQ("CTestPoint", cls->className);
    EXPECT_EQ(3, cls->schema);

    std::unique_ptr<CObject> obj = ClassRegistry::Create("CTestPoint");
    ASSERT_NE(nullptr, obj);
    EXPECT_TRUE(obj->IsKindOf(&CTestPoint::classInfo));
    EXPECT_FALSE(obj->IsKindOf(&CTestOther::classInfo));
    EXPECT_EQ(&CTestOther::classInfo, ClassRegistry::Create("CTestOther")->GetRuntimeClass());

    // Names are exact: no prefix, no case folding, no class of that name.
    EXPECT_EQ(nullptr, ClassRegistry::Find("CTestPoin"));
    EXPECT_EQ(nullptr, ClassRegistry::Find("ctestpoint"));
    EXPECT_EQ(nullptr, ClassRegistry::Find(""));
    EXPECT_EQ(nullptr, ClassRegistry::Create("CNoSuchClass"));
}

TEST(ObjectModel, ARegisteredNameKeepsItsFirstClass) {
    static const CRuntimeClass impostor{"CTestPoint", 9, &CTestOther::CreateObject};
    ClassRegistry::Add(&impostor);
    ClassRegistry::Add(nullptr);
    EXPECT_EQ(&CTestPoint::classInfo, ClassRegistry::Find("CTestPoint"));
}

TEST(ObjectModel, CreatedObjectSerializesThroughItsOwnBody) {
    MemorySink sink;
    {
        CTestPoint p;
        p.x = -77;
        CArchive ar(sink);
        static_cast<CObject&>(p).Serialize(ar);
    }
    MemorySource source(sink.Bytes());
    CArchive ar(source);
    std::unique_ptr<CObject> obj = ClassRegistry::Create("CTestPoint");
    obj->Serialize(ar);
    EXPECT_EQ(-77, static_cast<CTestPoint*>(obj.get())->x);
}

}  // namespace
}  // namespace tw
