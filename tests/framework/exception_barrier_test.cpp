#include "framework/exception_barrier.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace tw {
namespace {

TEST(ExceptionBarrier, GivesTheBodysResultOrTheFailureValueWhateverIsThrown) {
    EXPECT_EQ(CallWithBarrier(-1, [] { return 42; }), 42);
    EXPECT_EQ(CallWithBarrier(-1, []() -> int { throw std::bad_alloc(); }), -1);
    EXPECT_EQ(CallWithBarrier(-1, []() -> int { throw std::runtime_error("x"); }), -1);
    EXPECT_EQ(CallWithBarrier(7, []() -> int { throw 3; }), 7);
    // A library call that throws fails the call instead of ending the program.
    EXPECT_EQ(CallWithBarrier(std::string("failed"),
                              [] { return std::to_string(std::vector<int>().at(1)); }),
              "failed");
}

TEST(ExceptionBarrier, SideEffectsBeforeTheThrowStay) {
    std::vector<int> done;
    CallWithBarrier(0, [&]() -> int {
        done.push_back(1);
        throw std::bad_alloc();
    });
    EXPECT_EQ(done, std::vector<int>{1});
}

}  // namespace
}  // namespace tw
