#pragma once
// A small streaming JSON writer: objects, arrays, keys and values with indentation, commas
// and text escaping. Texts are bytes of the Windows Latin-1 code page; every byte outside
// printable ASCII is written as a \u escape of its Unicode character, so the output is ASCII.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tw::twtool {

class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out) : out_(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value inside an object.
    JsonWriter& Key(const char* key);

    void String(const std::string& text);
    void Int(int64_t value);
    void Number(double value);  // null for NaN and infinities, which JSON cannot hold
    void Bool(bool value);
    void Null();

    // The JSON form of a text, quotes included.
    static std::string Quote(const std::string& text);

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void NewLine();

    std::FILE* out_;
    std::vector<bool> hasItems_;  // per open container: something was written into it
    bool afterKey_ = false;
};

}  // namespace tw::twtool
