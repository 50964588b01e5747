#include "signal_end_request.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace kavinor::platform {
namespace {

constexpr std::array<int, 3> kEndSignals = {SIGTERM, SIGINT, SIGHUP};

// What the handlers may touch: a lock-free atomic and a descriptor.
std::atomic<int> askedBy{0};
static_assert(std::atomic<int>::is_always_lock_free);
std::atomic<int> wakeWriter{-1};

void noteEnd(int signal) {
    const int savedErrno = errno;
    int none = 0;
    askedBy.compare_exchange_strong(none, signal);
    // A full pipe already wakes the reader; nothing is lost by a failed write.
    [[maybe_unused]] const ssize_t written = ::write(wakeWriter.load(), "!", 1);
    errno = savedErrno;
}

}  // namespace

SignalEndRequest::SignalEndRequest() {
    if (::pipe2(pipe_.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        throw std::system_error(errno, std::generic_category(), "pipe2");
    }
    askedBy = 0;
    wakeWriter = pipe_[1];
    struct sigaction action {};
    action.sa_handler = noteEnd;
    // Interrupted calls go on; a second signal waits until the first is noted.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int number : kEndSignals) sigaddset(&action.sa_mask, number);
    for (std::size_t i = 0; i < kEndSignals.size(); ++i) {
        ::sigaction(kEndSignals[i], &action, &earlier_[i]);
    }
}

SignalEndRequest::~SignalEndRequest() {
    for (std::size_t i = 0; i < kEndSignals.size(); ++i) {
        ::sigaction(kEndSignals[i], &earlier_[i], nullptr);
    }
    wakeWriter = -1;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

int SignalEndRequest::signal() const {
    return askedBy.load();
}

void endBySignal(int signal) {
    ::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    std::_Exit(128 + signal);
}

}  // namespace kavinor::platform
