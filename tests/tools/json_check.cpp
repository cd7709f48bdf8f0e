#include "tests/tools/json_check.h"

#include <cctype>
#include <cstring>

namespace tw::testing {

namespace {

class Checker {
public:
    explicit Checker(const std::string& text) : s_(text) {}

    bool Document() {
        Space();
        if (!Value()) return false;
        Space();
        return pos_ == s_.size();
    }

private:
    bool Value() {
        if (pos_ >= s_.size()) return false;
        switch (s_[pos_]) {
            case '{': return Container('}', true);
            case '[': return Container(']', false);
            case '"': return String();
            case 't': return Word("true");
            case 'f': return Word("false");
            case 'n': return Word("null");
            default: return Number();
        }
    }

    bool Container(char close, bool isObject) {
        ++pos_;
        Space();
        if (Peek(close)) return ++pos_, true;
        for (;;) {
            if (isObject && !(String() && (Space(), Eat(':')))) return false;
            Space();
            if (!Value()) return false;
            Space();
            if (Eat(close)) return true;
            if (!Eat(',')) return false;
            Space();
        }
    }

    bool String() {
        if (!Eat('"')) return false;
        while (pos_ < s_.size()) {
            const unsigned char c = static_cast<unsigned char>(s_[pos_++]);
            if (c == '"') return true;
            if (c < 0x20 || c >= 0x7F) return false;
            if (c != '\\') continue;
            if (pos_ >= s_.size()) return false;
            const char e = s_[pos_++];
            if (e == 'u') {
                for (int i = 0; i < 4; ++i)
                    if (pos_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[pos_++])))
                        return false;
            } else if (std::strchr("\"\\/bfnrt", e) == nullptr) {
                return false;
            }
        }
        return false;
    }

    bool Number() {
        const size_t start = pos_;
        Eat('-');
        if (Eat('0')) {
        } else if (!Digits()) {
            return false;
        }
        if (Eat('.') && !Digits()) return false;
        if (Eat('e') || Eat('E')) {
            if (!Eat('+')) Eat('-');
            if (!Digits()) return false;
        }
        return pos_ > start;
    }

    bool Digits() {
        const size_t start = pos_;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
        return pos_ > start;
    }

    bool Word(const char* word) {
        const size_t n = std::strlen(word);
        if (s_.compare(pos_, n, word) != 0) return false;
        pos_ += n;
        return true;
    }

    void Space() {
        while (pos_ < s_.size() && std::strchr(" \t\r\n", s_[pos_]) != nullptr) ++pos_;
    }
    bool Peek(char c) const { return pos_ < s_.size() && s_[pos_] == c; }
    bool Eat(char c) { return Peek(c) ? (++pos_, true) : false; }

    const std::string& s_;
    size_t pos_ = 0;
};

}  // namespace

bool IsValidJson(const std::string& text) { return Checker(text).Document(); }

}  // namespace tw::testing
