#include "framework/archive_streams.h"

#include <algorithm>
#include <cstring>

namespace tw {

namespace {

// The file's size from the current position to its end; 0 when it cannot be told.
uint64_t SizeToEnd(std::FILE* f) {
#if defined(_WIN32)
    const long long here = _ftelli64(f);
    if (here < 0 || _fseeki64(f, 0, SEEK_END) != 0) return 0;
    const long long end = _ftelli64(f);
    _fseeki64(f, here, SEEK_SET);
#else
    const off_t here = ftello(f);
    if (here < 0 || fseeko(f, 0, SEEK_END) != 0) return 0;
    const off_t end = ftello(f);
    fseeko(f, here, SEEK_SET);
#endif
    return end > here ? static_cast<uint64_t>(end - here) : 0;
}

}  // namespace

size_t MemorySource::ReadSome(void* dst, size_t n) {
    const size_t take = std::min(n, size_ - pos_);
    if (take > 0) std::memcpy(dst, data_ + pos_, take);
    pos_ += take;
    return take;
}

bool MemorySink::WriteAll(const void* src, size_t n) {
    const auto* p = static_cast<const uint8_t*>(src);
    bytes_.insert(bytes_.end(), p, p + n);
    return true;
}

FileSource::FileSource(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
    if (file_ != nullptr) remaining_ = SizeToEnd(file_);
}

FileSource::~FileSource() {
    if (file_ != nullptr) std::fclose(file_);
}

size_t FileSource::ReadSome(void* dst, size_t n) {
    if (file_ == nullptr || remaining_ == 0) return 0;
    const size_t want = static_cast<size_t>(std::min<uint64_t>(n, remaining_));
    const size_t got = std::fread(dst, 1, want, file_);
    remaining_ = got == want ? remaining_ - got : 0;  // a short read ends the file for us
    return got;
}

FileSink::FileSink(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {}

FileSink::~FileSink() { Close(); }

bool FileSink::WriteAll(const void* src, size_t n) {
    return file_ != nullptr && std::fwrite(src, 1, n, file_) == n;
}

bool FileSink::Flush() { return file_ != nullptr && std::fflush(file_) == 0; }

bool FileSink::Close() {
    if (file_ == nullptr) return false;
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
}

}  // namespace tw
