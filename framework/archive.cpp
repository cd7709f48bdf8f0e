#include "framework/archive.h"

#include <algorithm>

namespace tw {

namespace {

constexpr uint8_t kStrWideMark = 0xFF;     // STR: a U16 length follows
constexpr uint16_t kU16Escape = 0xFFFF;    // STR and COUNT: a 32-bit length follows
constexpr uint32_t kStrWideLimit = 65534;  // STR lengths from here on take the 32-bit form
constexpr size_t kMinBufferSize = 16;      // room for the widest primitive

[[noreturn]] void ThrowEndOfFile() {
    throw CArchiveException(CArchiveException::Cause::kEndOfFile,
                            "archive: unexpected end of data");
}

}  // namespace

CArchive::CArchive(IByteSource& source, size_t bufferSize)
    : mode_(Mode::kLoad), source_(&source), buffer_(std::max(bufferSize, kMinBufferSize)) {
    readCur_ = readEnd_ = buffer_.data();
}

CArchive::CArchive(IByteSink& sink, size_t bufferSize)
    : mode_(Mode::kStore), sink_(&sink), buffer_(std::max(bufferSize, kMinBufferSize)) {
    writeCur_ = buffer_.data();
    writeEnd_ = buffer_.data() + buffer_.size();
}

CArchive::~CArchive() {
    if (!IsStoring()) return;
    try {
        Flush();
    } catch (const CArchiveException&) {
        // A destructor cannot report; callers who care call Flush() themselves.
    }
}

uint64_t CArchive::BytesLeft() const {
    if (!IsLoading()) return 0;
    return static_cast<uint64_t>(readEnd_ - readCur_) + source_->Remaining();
}

void CArchive::Refill(size_t atLeast) {
    if (!IsLoading())
        throw CArchiveException(CArchiveException::Cause::kGeneric, "archive: read while storing");
    const size_t kept = static_cast<size_t>(readEnd_ - readCur_);
    std::memmove(buffer_.data(), readCur_, kept);
    uint8_t* filled = buffer_.data() + kept;
    const uint8_t* limit = buffer_.data() + buffer_.size();
    while (static_cast<size_t>(filled - buffer_.data()) < atLeast) {
        const size_t got = source_->ReadSome(filled, static_cast<size_t>(limit - filled));
        if (got == 0) ThrowEndOfFile();
        filled += got;
    }
    readCur_ = buffer_.data();
    readEnd_ = filled;
}

void CArchive::Drain() {
    if (!IsStoring())
        throw CArchiveException(CArchiveException::Cause::kGeneric, "archive: write while loading");
    const size_t used = static_cast<size_t>(writeCur_ - buffer_.data());
    writeCur_ = buffer_.data();
    if (used > 0 && !sink_->WriteAll(buffer_.data(), used))
        throw CArchiveException(CArchiveException::Cause::kWriteError, "archive: write failed");
}

void CArchive::Flush() {
    Drain();
    if (!sink_->Flush())
        throw CArchiveException(CArchiveException::Cause::kWriteError, "archive: flush failed");
}

void CArchive::CheckLength(uint64_t bytes, const char* what) const {
    if (bytes > BytesLeft())
        throw CArchiveException(CArchiveException::Cause::kBadLength,
                                std::string("archive: ") + what + " longer than the data left");
}

float CArchive::ReadF32() {
    const uint32_t bits = ReadU32();
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void CArchive::WriteF32(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    WriteU32(bits);
}

void CArchive::ReadBytes(void* dst, size_t n) {
    CheckLength(n, "block");
    auto* out = static_cast<uint8_t*>(dst);
    while (n > 0) {
        if (readCur_ == readEnd_) Refill(1);
        const size_t take = std::min(n, static_cast<size_t>(readEnd_ - readCur_));
        std::memcpy(out, readCur_, take);
        readCur_ += take;
        out += take;
        n -= take;
    }
}

void CArchive::Skip(uint64_t n) {
    CheckLength(n, "skipped block");
    while (n > 0) {
        if (readCur_ == readEnd_) Refill(1);
        const size_t take =
            static_cast<size_t>(std::min<uint64_t>(n, static_cast<uint64_t>(readEnd_ - readCur_)));
        readCur_ += take;
        n -= take;
    }
}

void CArchive::WriteBytes(const void* src, size_t n) {
    const auto* in = static_cast<const uint8_t*>(src);
    while (n > 0) {
        if (writeCur_ == writeEnd_) Drain();
        const size_t take = std::min(n, static_cast<size_t>(writeEnd_ - writeCur_));
        std::memcpy(writeCur_, in, take);
        writeCur_ += take;
        in += take;
        n -= take;
    }
}

std::string CArchive::ReadString() {
    uint32_t n = ReadU8();
    if (n == kStrWideMark) {
        n = ReadU16();
        if (n == kU16Escape) n = ReadU32();
    }
    CheckLength(n, "text");
    std::string s(n, '\0');
    ReadBytes(s.data(), n);
    return s;
}

void CArchive::WriteString(std::string_view s) {
    const uint64_t n = s.size();
    if (n > UINT32_MAX)
        throw CArchiveException(CArchiveException::Cause::kWriteError,
                                "archive: text too long to store");
    if (n < kStrWideMark) {
        WriteU8(static_cast<uint8_t>(n));
    } else {
        WriteU8(kStrWideMark);
        if (n < kStrWideLimit) {
            WriteU16(static_cast<uint16_t>(n));
        } else {
            WriteU16(kU16Escape);
            WriteU32(static_cast<uint32_t>(n));
        }
    }
    WriteBytes(s.data(), s.size());
}

uint32_t CArchive::ReadCount(size_t minBytesPerElement) {
    uint32_t n = ReadU16();
    if (n == kU16Escape) n = ReadU32();
    CheckLength(static_cast<uint64_t>(n) * minBytesPerElement, "count");
    return n;
}

void CArchive::WriteCount(uint32_t n) {
    if (n < kU16Escape) {
        WriteU16(static_cast<uint16_t>(n));
    } else {
        WriteU16(kU16Escape);
        WriteU32(n);
    }
}

}  // namespace tw
