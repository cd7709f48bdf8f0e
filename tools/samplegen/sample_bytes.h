#pragma once
// A byte buffer that knows the primitive forms of the document file and its object table,
// written independently of the program's archive so that the samples check the reader.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tw::samplegen {

class SampleBytes {
public:
    void U16(unsigned v);
    void I32(int32_t v);
    void F32(float v);
    void Str(const std::string& s);
    void Count(uint32_t n);
    // An object tag: a new class (0xFFFF, schema 1, name) the first time, 0x8000 + c after.
    void ObjectTag(const std::string& className);
    void EmptySlot() { U16(0); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    void Little(uint32_t v, int width);
    std::vector<uint8_t> bytes_;
    std::map<std::string, uint32_t> classIndex_;
    uint32_t nextIndex_ = 1;
};

}  // namespace tw::samplegen
