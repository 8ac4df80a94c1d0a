// The manual-reset event the core waits on.
#include "device/link/manual_reset_event.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace {

TEST(ManualResetEvent, StaysSetUntilReset) {
    orvik::device::ManualResetEvent event;
    EXPECT_FALSE(event.IsSet());
    EXPECT_FALSE(event.Wait(0));
    event.Set();
    EXPECT_TRUE(event.Wait(0));
    EXPECT_TRUE(event.Wait(0)) << "a wait does not consume the event";
    event.Reset();
    EXPECT_FALSE(event.IsSet());
    EXPECT_FALSE(event.Wait(10));
}

TEST(ManualResetEvent, WaitWithoutLimitWakesOnSetFromAnotherThread) {
    struct Events {
        orvik::device::ManualResetEvent event, waiting, done;
    };
    // Shared, so that a waiter that is never woken can be left behind safely.
    auto events = std::make_shared<Events>();
    std::thread waiter([events] {
        events->waiting.Set();
        if (events->event.Wait(-1)) {  // no limit: only Set can end it
            events->done.Set();
        }
    });
    EXPECT_TRUE(events->waiting.Wait(10000));
    events->event.Set();
    const bool woke = events->done.Wait(10000);
    EXPECT_TRUE(woke) << "the waiter was not woken";
    if (woke) {
        waiter.join();
    } else {
        waiter.detach();  // still blocked; joining would hang the test run
    }
}

TEST(ManualResetEvent, BoundedWaitWakesOnSetFromAnotherThread) {
    orvik::device::ManualResetEvent event;
    std::thread setter([&] { event.Set(); });
    EXPECT_TRUE(event.Wait(10000));
    setter.join();
}

TEST(ManualResetEvent, IdleHookRunsWhileWaiting) {
    orvik::device::ManualResetEvent event;
    int calls = 0;
    // The hook is what keeps a window painting; here it ends the wait on its third call.
    const std::function<void()> idle = [&] {
        if (++calls == 3) {
            event.Set();
        }
    };
    EXPECT_TRUE(event.Wait(10000, &idle));
    EXPECT_EQ(calls, 3);
}

TEST(ManualResetEvent, IdleHookRunsUntilTimeout) {
    orvik::device::ManualResetEvent event;
    int calls = 0;
    const std::function<void()> idle = [&] { ++calls; };
    EXPECT_FALSE(event.Wait(100, &idle));
    EXPECT_GE(calls, 1);
}

TEST(ManualResetEvent, IdleHookWakesOnSetFromAnotherThread) {
    orvik::device::ManualResetEvent event;
    std::atomic<int> calls{0};
    std::thread setter;
    const std::function<void()> idle = [&] {
        if (++calls == 1) {
            setter = std::thread([&] { event.Set(); });
        }
    };
    EXPECT_TRUE(event.Wait(-1, &idle));
    if (setter.joinable()) {
        setter.join();
    }
    EXPECT_GE(calls.load(), 1);
}

}  // namespace
