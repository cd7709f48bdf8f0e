#include "framework/archive.h"
#include "framework/archive_streams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace tw {
namespace {

using Bytes = std::vector<uint8_t>;
using Cause = CArchiveException::Cause;

template <typename WriteFn>
Bytes Store(WriteFn write, size_t bufferSize = CArchive::kDefaultBufferSize) {
    MemorySink sink;
    {
        CArchive ar(sink, bufferSize);
        write(ar);
        ar.Flush();
    }
    return sink.Bytes();
}

// Runs `read` over `bytes` and returns the cause it failed with; fails the test when it did not.
template <typename ReadFn>
Cause FailureOf(const Bytes& bytes, ReadFn read) {
    MemorySource source(bytes);
    CArchive ar(source);
    try {
        read(ar);
    } catch (const CArchiveException& e) {
        return e.GetCause();
    }
    ADD_FAILURE() << "read did not fail";
    return Cause::kGeneric;
}

TEST(Archive, PrimitivesAreLittleEndianAndRoundTrip) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar.WriteU16(0x1234);
        ar.WriteI32(-2);
        ar.WriteF32(1.5f);
        ar.WriteU32(0xA1B2C3D4u);
    });
    const Bytes expected = {0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0x00,
                            0x00, 0xC0, 0x3F, 0xD4, 0xC3, 0xB2, 0xA1};
    EXPECT_EQ(expected, bytes);

    MemorySource source(bytes);
    CArchive ar(source);
    EXPECT_TRUE(ar.IsLoading());
    EXPECT_EQ(bytes.size(), ar.BytesLeft());
    EXPECT_EQ(0x1234, ar.ReadU16());
    EXPECT_EQ(-2, ar.ReadI32());
    EXPECT_EQ(1.5f, ar.ReadF32());
    EXPECT_EQ(0xA1B2C3D4u, ar.ReadU32());
    EXPECT_EQ(0u, ar.BytesLeft());
}

TEST(Archive, StringLengthFormsAtTheirBoundaries) {
    struct Case {
        size_t length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {1, {0x01}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        std::string text(c.length, 'x');
        if (!text.empty()) text.back() = 'z';
        const Bytes bytes = Store([&](CArchive& ar) { ar.WriteString(text); }, 100);
        ASSERT_EQ(c.prefix.size() + c.length, bytes.size()) << c.length;
        EXPECT_EQ(c.prefix, Bytes(bytes.begin(), bytes.begin() + c.prefix.size())) << c.length;
        MemorySource source(bytes);
        CArchive ar(source, 100);
        EXPECT_EQ(text, ar.ReadString()) << c.length;
    }
}

TEST(Archive, CountForms) {
    const uint32_t counts[] = {0, 1, 0xFFFE, 0xFFFF, 0x12345678};
    const size_t sizes[] = {2, 2, 2, 6, 6};
    for (size_t i = 0; i < 5; ++i) {
        const Bytes bytes = Store([&](CArchive& ar) { ar.WriteCount(counts[i]); });
        EXPECT_EQ(sizes[i], bytes.size()) << counts[i];
        MemorySource source(bytes);
        CArchive ar(source);
        EXPECT_EQ(counts[i], ar.ReadCount(0)) << counts[i];
    }
}

TEST(Archive, TruncationAndAbsurdLengthsAreFormatErrors) {
    EXPECT_EQ(Cause::kEndOfFile, FailureOf({0x01}, [](CArchive& ar) { ar.ReadU16(); }));
    EXPECT_EQ(Cause::kEndOfFile, FailureOf({1, 2, 3}, [](CArchive& ar) { ar.ReadI32(); }));
    EXPECT_EQ(Cause::kEndOfFile, FailureOf({}, [](CArchive& ar) { ar.ReadF32(); }));
    EXPECT_EQ(Cause::kEndOfFile, FailureOf({0xFF, 0x00}, [](CArchive& ar) { ar.ReadString(); }));
    // Lengths beyond the data: refused before anything is allocated or read.
    EXPECT_EQ(Cause::kBadLength,
              FailureOf({0x05, 'a', 'b'}, [](CArchive& ar) { ar.ReadString(); }));
    EXPECT_EQ(Cause::kBadLength, FailureOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                                           [](CArchive& ar) { ar.ReadString(); }));
    EXPECT_EQ(Cause::kBadLength, FailureOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
                                           [](CArchive& ar) { ar.ReadCount(2); }));
    EXPECT_EQ(Cause::kBadLength,
              FailureOf({0x03, 0x00, 1, 2, 3, 4, 5}, [](CArchive& ar) { ar.ReadCount(2); }));
    EXPECT_EQ(Cause::kBadLength, FailureOf({1, 2}, [](CArchive& ar) { ar.Skip(3); }));
    EXPECT_EQ(Cause::kBadLength, FailureOf({1, 2}, [](CArchive& ar) {
                  uint8_t out[4];
                  ar.ReadBytes(out, sizeof out);
              }));
    // Using an archive the wrong way round is refused, not carried out on the buffer.
    EXPECT_EQ(Cause::kGeneric, FailureOf({1, 2, 3, 4}, [](CArchive& ar) { ar.WriteU16(1); }));
}

TEST(Archive, CountThatFitsTheDataIsAccepted) {
    const Bytes bytes = {0x03, 0x00, 1, 2, 3, 4, 5, 6};
    MemorySource source(bytes);
    CArchive ar(source);
    EXPECT_EQ(3u, ar.ReadCount(2));
    ar.Skip(6);
    EXPECT_EQ(0u, ar.BytesLeft());
}

// A sink that takes a limited number of bytes, like a full disk.
class FullDisk : public IByteSink {
public:
    explicit FullDisk(size_t room) : room_(room) {}
    bool WriteAll(const void*, size_t n) override {
        if (n > room_) return false;
        room_ -= n;
        return true;
    }

private:
    size_t room_;
};

TEST(Archive, WriteFailureIsReportedAtFlushOrWhenTheBufferFills) {
    FullDisk disk(3);
    CArchive small(disk, 16);
    small.WriteI32(1);
    EXPECT_THROW(small.Flush(), CArchiveException);

    FullDisk none(0);
    CArchive ar(none, 16);
    try {
        for (int i = 0; i < 10; ++i) ar.WriteI32(i);
        ADD_FAILURE() << "no error while the buffer overflowed into a full sink";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(Cause::kWriteError, e.GetCause());
    }
}

TEST(Archive, SmallBufferCarriesValuesAcrossRefills) {
    const Bytes bytes = Store(
        [](CArchive& ar) {
            for (int i = 0; i < 1000; ++i) {
                ar.WriteU16(static_cast<uint16_t>(i));
                ar.WriteString(std::string(static_cast<size_t>(i % 300), 'a' + i % 26));
                ar.WriteI32(-i);
            }
        },
        16);
    MemorySource source(bytes);
    CArchive ar(source, 16);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(i, ar.ReadU16());
        ASSERT_EQ(std::string(static_cast<size_t>(i % 300), 'a' + i % 26), ar.ReadString());
        ASSERT_EQ(-i, ar.ReadI32());
    }
    EXPECT_EQ(0u, ar.BytesLeft());
}

TEST(Archive, FileStreamsRoundTripAndTellWhatIsLeft) {
    const std::string path = ::testing::TempDir() + "archive_test.bin";
    {
        FileSink sink(path);
        ASSERT_TRUE(sink.IsOpen());
        CArchive ar(sink);
        ar.WriteString("file text");
        ar.WriteI32(123456);
        ar.Flush();
    }
    {
        FileSource source(path);
        ASSERT_TRUE(source.IsOpen());
        CArchive ar(source);
        EXPECT_EQ(14u, ar.BytesLeft());
        EXPECT_EQ("file text", ar.ReadString());
        EXPECT_EQ(4u, ar.BytesLeft());
        EXPECT_EQ(123456, ar.ReadI32());
        EXPECT_THROW(ar.ReadU16(), CArchiveException);
    }
    ASSERT_EQ(0, std::remove(path.c_str()));

    FileSource missing(path);
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(0u, missing.Remaining());
}

}  // namespace
}  // namespace tw
