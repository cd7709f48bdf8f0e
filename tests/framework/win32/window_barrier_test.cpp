// Window procedures behind the exception barrier: an exception while creating fails the
// creation, during any other message gives the failure value, and the program goes on.
#include "framework/win32/window_barrier.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "framework/win32/window.h"

namespace tw {
namespace {

constexpr UINT kThrowMessage = WM_USER + 1;
constexpr UINT kAnswerMessage = WM_USER + 2;

class ThrowingWindow : public CWindowImpl {
public:
    explicit ThrowingWindow(bool throwOnCreate) : throwOnCreate_(throwOnCreate) {}

    bool Create() {
        RegisterImplClass("TwBarrierTest", 0, nullptr, nullptr);
        RECT rect = {0, 0, 100, 100};
        return CreateImpl(0, "TwBarrierTest", "", WS_POPUP, rect, nullptr, nullptr);
    }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_CREATE && throwOnCreate_) throw std::bad_alloc();
        if (msg == kThrowMessage) throw std::runtime_error("handler failed");
        if (msg == kAnswerMessage) return 42;
        return CWindowImpl::WindowProc(msg, wp, lp);
    }

private:
    bool throwOnCreate_;
};

TEST(WindowBarrier, AnExceptionWhileCreatingFailsTheCreation) {
    ThrowingWindow window(true);
    EXPECT_FALSE(window.Create());
    EXPECT_FALSE(window.IsWindow());
}

TEST(WindowBarrier, AnExceptionInAMessageGivesTheFailureValueAndTheWindowLivesOn) {
    ThrowingWindow window(false);
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(window.Send(kThrowMessage), 0);
    EXPECT_EQ(window.Send(kAnswerMessage), 42);
    window.Destroy();
}

TEST(WindowBarrier, CreationMessagesFailEachInItsOwnWay) {
    EXPECT_EQ(FailureResultOf(WM_NCCREATE, -1), FALSE);
    EXPECT_EQ(FailureResultOf(WM_CREATE, 0), -1);
    EXPECT_EQ(FailureResultOf(WM_USER, -1), -1);
    EXPECT_EQ(HandleMessageGuarded(WM_PAINT, 5, []() -> LRESULT { throw 1; }), 5);
}

}  // namespace
}  // namespace tw
