#include "framework/object_table.h"

#include <string>

#include "framework/archive.h"

namespace tw {

namespace {

constexpr uint16_t kEmptySlotTag = 0x0000;
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTagBit = 0x8000;
constexpr uint16_t kBigIndexTag = 0x7FFF;
constexpr uint32_t kBigClassBit = 0x80000000u;
constexpr size_t kLongestClassName = 64;  // no class of ours comes near it

[[noreturn]] void Fail(CArchiveException::Cause cause, const std::string& what) {
    throw CArchiveException(cause, "object table: " + what);
}

}  // namespace

const CRuntimeClass* CObjectTable::ClassAt(uint32_t index) const {
    for (const ClassEntry& entry : classes_)
        if (entry.index == index) return entry.cls;
    return nullptr;
}

void CObjectTable::WriteClassTag(CArchive& ar, const CRuntimeClass* cls) {
    for (const ClassEntry& entry : classes_) {
        if (entry.cls != cls) continue;
        if (entry.index < kBigIndexTag) {
            ar.WriteU16(static_cast<uint16_t>(kClassTagBit | entry.index));
        } else {
            ar.WriteU16(kBigIndexTag);
            ar.WriteU32(kBigClassBit | entry.index);
        }
        return;
    }
    const std::string_view name(cls->className);
    ar.WriteU16(kNewClassTag);
    ar.WriteU16(cls->schema);
    ar.WriteU16(static_cast<uint16_t>(name.size()));
    ar.WriteBytes(name.data(), name.size());
    classes_.push_back({nextIndex_++, cls});
}

void CObjectTable::WriteObject(CArchive& ar, CObject* object) {
    if (object == nullptr) {
        ar.WriteU16(kEmptySlotTag);
        return;
    }
    WriteClassTag(ar, object->GetRuntimeClass());
    ++nextIndex_;
    object->Serialize(ar);
}

const CRuntimeClass* CObjectTable::ReadNewClass(CArchive& ar) {
    const uint16_t schema = ar.ReadU16();
    const uint16_t length = ar.ReadU16();
    if (length > kLongestClassName)
        Fail(CArchiveException::Cause::kBadClass, "class name too long");
    std::string name(length, '\0');
    ar.ReadBytes(name.data(), length);
    const CRuntimeClass* cls = ClassRegistry::Find(name);
    if (cls == nullptr || cls->create == nullptr)
        Fail(CArchiveException::Cause::kBadClass, "unknown class \"" + name + "\"");
    if (schema != cls->schema)
        Fail(CArchiveException::Cause::kBadSchema, "wrong schema of " + name);
    classes_.push_back({nextIndex_++, cls});
    return cls;
}

// Reads what follows a non-empty tag and returns the class it names.
const CRuntimeClass* CObjectTable::ReadClassTag(CArchive& ar, uint16_t tag) {
    if (tag == kNewClassTag) return ReadNewClass(ar);
    uint32_t classIndex = 0;
    if (tag == kBigIndexTag) {
        const uint32_t big = ar.ReadU32();
        if ((big & kBigClassBit) == 0)
            Fail(CArchiveException::Cause::kBadIndex, "reference to an earlier object");
        classIndex = big & ~kBigClassBit;
    } else if ((tag & kClassTagBit) != 0) {
        classIndex = tag & ~kClassTagBit;
    } else {
        Fail(CArchiveException::Cause::kBadIndex, "reference to an earlier object");
    }
    const CRuntimeClass* cls = ClassAt(classIndex);
    if (cls == nullptr) Fail(CArchiveException::Cause::kBadIndex, "tag names no class");
    return cls;
}

std::unique_ptr<CObject> CObjectTable::ReadObject(CArchive& ar, const CRuntimeClass& expected) {
    const uint16_t tag = ar.ReadU16();
    if (tag == kEmptySlotTag) return nullptr;
    const CRuntimeClass* cls = ReadClassTag(ar, tag);
    if (cls != &expected)
        Fail(CArchiveException::Cause::kBadClass,
             std::string(cls->className) + " where " + expected.className + " belongs");
    ++nextIndex_;
    std::unique_ptr<CObject> object = cls->CreateObject();
    object->Serialize(ar);
    return object;
}

}  // namespace tw
