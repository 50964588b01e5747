#include "posix_pause.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/time.h>

#include <chrono>

namespace kavinor::platform {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

milliseconds timeOf(std::int32_t ms) {
    PosixPause pause;
    const auto begin = Clock::now();
    pause.wait(ms);
    return std::chrono::duration_cast<milliseconds>(Clock::now() - begin);
}

// At least the time asked, seconds and milliseconds both counting; nothing or less returns at
// once: far less than a negative count read as unsigned.
TEST(PosixPauseTest, WaitsTheTimeAsked) {
    EXPECT_LT(timeOf(0), milliseconds(1000));
    EXPECT_LT(timeOf(-5), milliseconds(1000));
    EXPECT_GE(timeOf(30), milliseconds(30));
    EXPECT_GE(timeOf(1005), milliseconds(1005));
}

// A signal handled without SA_RESTART cuts a sleep short; the pause must sleep the rest.
TEST(PosixPauseTest, SleepsOnAfterASignal) {
    struct sigaction handler {};
    handler.sa_handler = [](int) {};
    struct sigaction previous {};
    ASSERT_EQ(::sigaction(SIGALRM, &handler, &previous), 0);
    const itimerval everyFiveMilliseconds{{0, 5'000}, {0, 5'000}};
    ASSERT_EQ(::setitimer(ITIMER_REAL, &everyFiveMilliseconds, nullptr), 0);

    const milliseconds took = timeOf(60);

    const itimerval off{};
    ::setitimer(ITIMER_REAL, &off, nullptr);
    ::sigaction(SIGALRM, &previous, nullptr);
    EXPECT_GE(took, milliseconds(60));
}

}  // namespace
}  // namespace kavinor::platform
