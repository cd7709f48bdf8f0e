#include "tools/twtool/json_writer.h"

#include <cmath>
#include <cinttypes>

namespace tw::twtool {

namespace {

// Unicode characters of the bytes 0x80..0x9F in the Windows Latin-1 code page (0: undefined,
// written as the replacement character).
const uint16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

unsigned CodePoint(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0) return byte;
    const uint16_t mapped = kHighControls[byte - 0x80];
    return mapped != 0 ? mapped : 0xFFFD;
}

void AppendEscaped(std::string& out, unsigned char byte) {
    switch (byte) {
        case '"': out += "\\\""; return;
        case '\\': out += "\\\\"; return;
        case '\n': out += "\\n"; return;
        case '\r': out += "\\r"; return;
        case '\t': out += "\\t"; return;
        default: break;
    }
    if (byte >= 0x20 && byte < 0x7F) {
        out += static_cast<char>(byte);
        return;
    }
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", CodePoint(byte));
    out += escaped;
}

}  // namespace

std::string JsonWriter::Quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) AppendEscaped(out, static_cast<unsigned char>(c));
    return out + "\"";
}

void JsonWriter::NewLine() {
    std::fputc('\n', out_);
    for (size_t i = 0; i < hasItems_.size(); ++i) std::fputs("  ", out_);
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasItems_.empty()) return;
    if (hasItems_.back()) std::fputc(',', out_);
    hasItems_.back() = true;
    NewLine();
}

JsonWriter& JsonWriter::Key(const char* key) {
    BeforeValue();
    std::fprintf(out_, "%s: ", Quote(key).c_str());
    afterKey_ = true;
    return *this;
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    std::fputc(bracket, out_);
    hasItems_.push_back(false);
}

void JsonWriter::Close(char bracket) {
    const bool hadItems = hasItems_.back();
    hasItems_.pop_back();
    if (hadItems) NewLine();
    std::fputc(bracket, out_);
    if (hasItems_.empty()) std::fputc('\n', out_);
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::String(const std::string& text) {
    BeforeValue();
    std::fputs(Quote(text).c_str(), out_);
}

void JsonWriter::Int(int64_t value) {
    BeforeValue();
    std::fprintf(out_, "%" PRId64, value);
}

void JsonWriter::Number(double value) {
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    BeforeValue();
    std::fprintf(out_, "%.9g", value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    std::fputs(value ? "true" : "false", out_);
}

void JsonWriter::Null() {
    BeforeValue();
    std::fputs("null", out_);
}

}  // namespace tw::twtool
