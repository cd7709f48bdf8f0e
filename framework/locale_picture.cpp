#include "framework/locale_picture.h"

#include <cstring>

namespace tw {

const char kDateFieldLetters[] = "dMy";
const char kTimeFieldLetters[] = "hHmst";

namespace {

bool IsFieldLetter(char c, const char* letters) {
    return c != '\0' && std::strchr(letters, c) != nullptr;
}

// Appends `c` to the last token when it has the same kind, else starts a new token.
void AppendText(Picture& out, PictureToken::Kind kind, char c) {
    if (out.empty() || out.back().kind != kind) {
        PictureToken token;
        token.kind = kind;
        out.push_back(token);
    }
    out.back().text.push_back(c);
}

// Reads a quoted section starting after its opening quote; returns the index after it.
size_t ParseQuoted(const std::string& p, size_t i, Picture& out) {
    PictureToken token;
    token.kind = PictureToken::Kind::kQuoted;
    while (i < p.size()) {
        if (p[i] != '\'') {
            token.text.push_back(p[i++]);
        } else if (i + 1 < p.size() && p[i + 1] == '\'') {
            token.text.push_back('\'');
            i += 2;
        } else {
            ++i;  // closing quote
            break;
        }
    }
    out.push_back(token);
    return i;
}

}  // namespace

Picture ParsePicture(const std::string& p, const char* fieldLetters) {
    Picture out;
    size_t i = 0;
    while (i < p.size()) {
        const char c = p[i];
        if (IsFieldLetter(c, fieldLetters)) {
            PictureToken token;
            token.kind = PictureToken::Kind::kField;
            token.letter = c;
            while (i < p.size() && p[i] == c) {
                ++token.count;
                ++i;
            }
            out.push_back(token);
        } else if (c == '\'' && i + 1 < p.size() && p[i + 1] == '\'') {
            AppendText(out, PictureToken::Kind::kLiteral, '\'');
            i += 2;
        } else if (c == '\'') {
            i = ParseQuoted(p, i + 1, out);
        } else {
            AppendText(out, PictureToken::Kind::kLiteral, c);
            ++i;
        }
    }
    return out;
}

}  // namespace tw
