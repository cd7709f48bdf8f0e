#include "tools/samplegen/sample_bytes.h"

#include <cstring>

namespace tw::samplegen {

void SampleBytes::Little(uint32_t v, int width) {
    for (int i = 0; i < width; ++i) bytes_.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}

void SampleBytes::U16(unsigned v) { Little(v & 0xFFFF, 2); }

void SampleBytes::I32(int32_t v) { Little(static_cast<uint32_t>(v), 4); }

void SampleBytes::F32(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    Little(bits, 4);
}

void SampleBytes::Str(const std::string& s) {
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

void SampleBytes::Count(uint32_t n) {
    if (n < 0xFFFF) {
        U16(n);
    } else {
        U16(0xFFFF);
        Little(n, 4);
    }
}

void SampleBytes::ObjectTag(const std::string& className) {
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
