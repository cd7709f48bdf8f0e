#pragma once
// Code called back by the system (window procedures, dialog procedures, timer and enumeration
// callbacks) must not let a C++ exception cross the system's frames: that ends the program.
// CallWithBarrier runs a body and turns any exception into the caller's failure value.

#include <utility>

namespace tw {

// Runs `body` and returns what it returns; when it throws (std::bad_alloc included), returns
// `failure` instead. Nothing escapes.
template <typename Result, typename Body>
Result CallWithBarrier(Result failure, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return failure;
    }
}

}  // namespace tw
