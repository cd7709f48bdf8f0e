#pragma once
// A byte buffer that knows the primitive forms of the document file and its object table,
// written independently of the program's archive so that the samples check the reader.
// Header-only: the tests build expected files with it too.

#include <cstdint>
#include <cstring>
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

inline void SampleBytes::Little(uint32_t v, int width) {
    for (int i = 0; i < width; ++i) bytes_.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}

inline void SampleBytes::U16(unsigned v) { Little(v & 0xFFFF, 2); }

inline void SampleBytes::I32(int32_t v) { Little(static_cast<uint32_t>(v), 4); }

inline void SampleBytes::F32(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    Little(bits, 4);
}

inline void SampleBytes::Str(const std::string& s) {
    const uint32_t n = static_cast<uint32_t>(s.size());
    if (n < 255) {
        Little(n, 1);
    } else if (n < 65534) {
        Little(0xFF, 1);
        Little(n, 2);
    } else {
        Little(0xFF, 1);
        Little(0xFFFF, 2);
        Little(n, 4);
    }
    bytes_.insert(bytes_.end(), s.begin(), s.end());
}

inline void SampleBytes::Count(uint32_t n) {
    if (n < 0xFFFF) {
        U16(n);
    } else {
        U16(0xFFFF);
        Little(n, 4);
    }
}

inline void SampleBytes::ObjectTag(const std::string& className) {
    auto known = classIndex_.find(className);
    if (known != classIndex_.end()) {
        U16(0x8000 + known->second);
    } else {
        U16(0xFFFF);
        U16(1);
        U16(static_cast<unsigned>(className.size()));
        bytes_.insert(bytes_.end(), className.begin(), className.end());
        classIndex_[className] = nextIndex_++;
    }
    ++nextIndex_;  // the object itself
}

}  // namespace tw::samplegen
