#include "framework/safe_save.h"

namespace tw {

namespace {

bool FileExists(const std::string& name) {
    std::FILE* f = std::fopen(name.c_str(), "rb");
    if (f == nullptr) return false;
    std::fclose(f);
    return true;
}

void SetError(std::string* error, const char* text) {
    if (error != nullptr) *error = text;
}

// Writes, flushes and closes the temporary file. Closes it in every case.
bool WriteTemporary(std::FILE* out, const FileContentWriter& write, IFileReplace& replace,
                    std::string* error) {
    bool ok = false;
    try {
        ok = write(out);
    } catch (...) {
        std::fclose(out);
        throw;
    }
    if (!ok) {
        SetError(error, "the file could not be written");
    } else if (std::ferror(out) != 0 || !replace.FlushToDisk(out)) {
        SetError(error, "the file could not be written to the disk");
        ok = false;
    }
    if (std::fclose(out) != 0 && ok) {
        SetError(error, "the file could not be closed");
        ok = false;
    }
    return ok;
}

}  // namespace

std::string TemporaryNameBeside(const std::string& path) {
    for (int n = 0;; ++n) {
        std::string name = path + ".~tw" + std::to_string(n);
        if (!FileExists(name)) return name;
    }
}

bool SaveFileSafely(const std::string& path, const FileContentWriter& write, IFileReplace& replace,
                    std::string* error) {
    const std::string temp = TemporaryNameBeside(path);
    std::FILE* out = std::fopen(temp.c_str(), "wb");
    if (out == nullptr) {
        SetError(error, "the file could not be created");
        return false;
    }
    bool ok = false;
    try {
        ok = WriteTemporary(out, write, replace, error);
    } catch (...) {
        std::remove(temp.c_str());
        throw;
    }
    if (ok && !replace.Replace(temp, path)) {
        SetError(error, "the file could not be replaced");
        ok = false;
    }
    if (!ok) std::remove(temp.c_str());
    return ok;
}

}  // namespace tw
