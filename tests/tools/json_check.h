#pragma once
// A strict JSON syntax check for the tool's output (RFC 8259 grammar, ASCII only).

#include <string>

namespace tw::testing {

// True when `text` is exactly one JSON value, optionally surrounded by whitespace.
bool IsValidJson(const std::string& text);

}  // namespace tw::testing
