#pragma once
// Byte sources and sinks for CArchive: a memory buffer and a stdio file.

#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/archive.h"

namespace tw {

// Reads from bytes the caller keeps alive for the archive's lifetime.
class MemorySource : public IByteSource {
public:
    MemorySource(const void* data, size_t size)
        : data_(static_cast<const uint8_t*>(data)), size_(size) {}
    explicit MemorySource(const std::vector<uint8_t>& bytes)
        : MemorySource(bytes.data(), bytes.size()) {}
    explicit MemorySource(std::vector<uint8_t>&&) = delete;  // would point into a dead temporary
    size_t ReadSome(void* dst, size_t n) override;
    uint64_t Remaining() const override { return size_ - pos_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// Appends to a byte vector.
class MemorySink : public IByteSink {
public:
    bool WriteAll(const void* src, size_t n) override;
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

// Reads a file through stdio. IsOpen() is false when the file could not be opened.
class FileSource : public IByteSource {
public:
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    size_t ReadSome(void* dst, size_t n) override;
    uint64_t Remaining() const override { return remaining_; }

private:
    std::FILE* file_ = nullptr;
    uint64_t remaining_ = 0;  // file size minus bytes read
};

// Writes a file through stdio (created or truncated). IsOpen() is false when it could not be
// opened; Close() reports whether everything reached the file.
class FileSink : public IByteSink {
public:
    explicit FileSink(const std::string& path);
    ~FileSink() override;
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    bool WriteAll(const void* src, size_t n) override;
    bool Flush() override;
    bool Close();

private:
    std::FILE* file_ = nullptr;
};

}  // namespace tw
