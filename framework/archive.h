#pragma once
// CArchive: a buffered byte stream that either loads or stores, with the primitive forms of
// our files (all little-endian, no alignment):
//   U16    2 bytes unsigned
//   I32    4 bytes signed
//   F32    4 bytes IEEE single
//   STR    length then bytes: n < 255: byte n; n < 65534: 0xFF, U16 n;
//          otherwise 0xFF, U16 0xFFFF, 32-bit n
//   COUNT  U16 n when n < 0xFFFF, otherwise U16 0xFFFF then 32-bit n
// The bytes come from an IByteSource (loading) or go to an IByteSink (storing); file (stdio)
// and memory implementations are in framework/archive_streams.h.
//
// Every read failure throws CArchiveException: the stream ends early (kEndOfFile), or a
// stored length or count is larger than the bytes left (kBadLength), so a damaged file never
// causes a huge allocation or a read past the end. A failed write throws kWriteError.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

class CArchiveException : public std::runtime_error {
public:
    enum class Cause {
        kEndOfFile,   // the stream ended inside a value
        kBadLength,   // a length or count larger than what is left in the stream
        kBadSchema,   // unknown signature/version or a schema the program does not read
        kBadClass,    // a class name no class of the program has, or the wrong class
        kBadIndex,    // an object reference to nothing
        kGeneric,     // any other format error
        kWriteError,  // the sink did not take the bytes
    };

    CArchiveException(Cause cause, const std::string& what)
        : std::runtime_error(what), cause_(cause) {}
    Cause GetCause() const { return cause_; }

private:
    Cause cause_;
};

// Where a loading archive takes its bytes from.
class IByteSource {
public:
    virtual ~IByteSource() = default;
    // Copies up to `n` bytes to `dst`; returns how many (0 at the end).
    virtual size_t ReadSome(void* dst, size_t n) = 0;
    // Bytes not read yet.
    virtual uint64_t Remaining() const = 0;
};

// Where a storing archive puts its bytes.
class IByteSink {
public:
    virtual ~IByteSink() = default;
    // Takes all `n` bytes; false when they could not be written.
    virtual bool WriteAll(const void* src, size_t n) = 0;
    // Pushes written bytes to their destination; false on failure.
    virtual bool Flush() { return true; }
};

// What the document layer tells the records and items about the file being read. The
// document sets it after reading the file's header, before the collections are read.
struct ArchiveReadContext {
    static constexpr int kCurrentVersion = 12;
    int versionIndex = kCurrentVersion;  // 0..12, the file's version index (selects record layout)
    float oldFileRate = -1.0f;           // own rate given to records of files of index 0..7
};

class CArchive {
public:
    enum class Mode { kLoad, kStore };

    explicit CArchive(IByteSource& source, size_t bufferSize = kDefaultBufferSize);
    explicit CArchive(IByteSink& sink, size_t bufferSize = kDefaultBufferSize);
    ~CArchive();  // a storing archive flushes what is left, silently; call Flush() to check
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return mode_ == Mode::kLoad; }
    bool IsStoring() const { return mode_ == Mode::kStore; }

    // The document this archive serves; set and read by the document layer.
    void SetDocument(void* document) { document_ = document; }
    void* GetDocument() const { return document_; }

    ArchiveReadContext& Context() { return context_; }
    const ArchiveReadContext& Context() const { return context_; }

    // Loading: bytes left in the buffer and the source together.
    uint64_t BytesLeft() const;

    // --- Loading; each throws CArchiveException as described above.
    uint16_t ReadU16() { return static_cast<uint16_t>(ReadLittle(2)); }
    int32_t ReadI32() { return static_cast<int32_t>(ReadLittle(4)); }
    uint32_t ReadU32() { return ReadLittle(4); }
    float ReadF32();
    uint8_t ReadU8() { return static_cast<uint8_t>(ReadLittle(1)); }
    std::string ReadString();
    // Reads a COUNT; throws kBadLength when `count * minBytesPerElement` exceeds BytesLeft().
    uint32_t ReadCount(size_t minBytesPerElement = 1);
    void ReadBytes(void* dst, size_t n);
    void Skip(uint64_t n);

    // --- Storing; each throws CArchiveException(kWriteError) when the sink fails.
    void WriteU16(uint16_t v) { WriteLittle(v, 2); }
    void WriteI32(int32_t v) { WriteLittle(static_cast<uint32_t>(v), 4); }
    void WriteU32(uint32_t v) { WriteLittle(v, 4); }
    void WriteF32(float v);
    void WriteU8(uint8_t v) { WriteLittle(v, 1); }
    void WriteString(std::string_view s);
    void WriteCount(uint32_t n);
    void WriteBytes(const void* src, size_t n);

    // Storing: hands buffered bytes to the sink and flushes it; throws kWriteError on failure.
    void Flush();

    static constexpr size_t kDefaultBufferSize = 64 * 1024;

private:
    uint32_t ReadLittle(size_t width) {
        if (static_cast<size_t>(readEnd_ - readCur_) < width) Refill(width);
        uint32_t v = 0;
        for (size_t i = 0; i < width; ++i) v |= static_cast<uint32_t>(readCur_[i]) << (8 * i);
        readCur_ += width;
        return v;
    }
    void WriteLittle(uint32_t v, size_t width) {
        if (static_cast<size_t>(writeEnd_ - writeCur_) < width) Drain();
        for (size_t i = 0; i < width; ++i) writeCur_[i] = static_cast<uint8_t>(v >> (8 * i));
        writeCur_ += width;
    }
    void Refill(size_t atLeast);  // loading: makes `atLeast` bytes available or throws
    void Drain();                 // storing: empties the buffer into the sink or throws
    void CheckLength(uint64_t bytes, const char* what) const;

    Mode mode_;
    IByteSource* source_ = nullptr;
    IByteSink* sink_ = nullptr;
    std::vector<uint8_t> buffer_;
    // Loading uses the read pair, storing the write pair; the other pair stays null, so a
    // read while storing (or the reverse) always takes the slow path, which refuses it.
    const uint8_t* readCur_ = nullptr;  // next byte to read
    const uint8_t* readEnd_ = nullptr;  // end of the bytes read into the buffer
    uint8_t* writeCur_ = nullptr;       // next free byte
    uint8_t* writeEnd_ = nullptr;       // end of the buffer
    void* document_ = nullptr;
    ArchiveReadContext context_;
};

}  // namespace tw
