#pragma once
// The table of stored things of one file: every class written for the first time and every
// object written take the next index (from 1), and each object in a collection is preceded by
// a tag that names its class by that table:
//   0x0000                       an empty slot
//   0xFFFF, U16 schema, U16 n, n name bytes   a class not seen before, then the object
//   0x8000 + c                   an object of the already seen class c (c < 0x7FFF)
//   0x7FFF, 32-bit 0x80000000+c  the same for a class index of 0x7FFF or more
// One table serves a whole file, so the document keeps one for its Serialize run.

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/object.h"

namespace tw {

class CArchive;

class CObjectTable {
public:
    // Storing: writes the tag of `object` (0x0000 for null) and then its body.
    void WriteObject(CArchive& ar, CObject* object);

    // Loading: reads one tag and, unless it is an empty slot (null result), creates the
    // object by its class name and reads its body. Throws CArchiveException for an unknown
    // class or schema (kBadClass, kBadSchema), a class other than `expected` (kBadClass), or a
    // tag that names no class of the table (kBadIndex).
    std::unique_ptr<CObject> ReadObject(CArchive& ar, const CRuntimeClass& expected);

    // The same, typed: T is the class `expected` describes.
    template <class T>
    std::unique_ptr<T> Read(CArchive& ar) {
        return std::unique_ptr<T>(static_cast<T*>(ReadObject(ar, T::classInfo).release()));
    }

private:
    struct ClassEntry {
        uint32_t index;
        const CRuntimeClass* cls;
    };

    const CRuntimeClass* ReadClassTag(CArchive& ar, uint16_t tag);
    const CRuntimeClass* ReadNewClass(CArchive& ar);
    const CRuntimeClass* ClassAt(uint32_t index) const;
    void WriteClassTag(CArchive& ar, const CRuntimeClass* cls);

    std::vector<ClassEntry> classes_;  // the few classes of the file, in order of appearance
    uint32_t nextIndex_ = 1;           // index the next class or object takes
};

}  // namespace tw
