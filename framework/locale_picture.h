#pragma once
// Date and time pictures split into tokens once, so formatting walks a short list instead of
// scanning the picture text on every call.

#include <string>
#include <vector>

namespace tw {

struct PictureToken {
    enum class Kind { kField, kLiteral, kQuoted };
    Kind kind = Kind::kLiteral;
    char letter = 0;   // kField: the picture letter (d, M, y, h, H, m, s, t)
    int count = 0;     // kField: how often the letter repeats
    std::string text;  // kLiteral, kQuoted: the text to copy
};

using Picture = std::vector<PictureToken>;

// Splits `picture` into fields (runs of one of `fieldLetters`), plain literal text and quoted
// text. Inside quotes '' is one quote; outside quotes '' is one quote too. An unterminated
// quote runs to the end of the picture.
Picture ParsePicture(const std::string& picture, const char* fieldLetters);

// The field letters of date and of time pictures.
extern const char kDateFieldLetters[];
extern const char kTimeFieldLetters[];

}  // namespace tw
