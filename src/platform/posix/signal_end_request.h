#pragma once

#include <signal.h>

#include <array>

#include "end_request.h"

namespace kavinor::platform {

// The end that SIGTERM, SIGINT or SIGHUP asks for. The handlers only note the first signal and
// write a byte to a pipe, whose reading end a front end watches to wake its event loop; the run
// sees the note between two polls of its script. The handlers are the process's: one object at a
// time, which gives the earlier handlers back when it goes.
class SignalEndRequest final : public EndRequest {
public:
    SignalEndRequest();
    ~SignalEndRequest() override;
    SignalEndRequest(const SignalEndRequest&) = delete;
    SignalEndRequest& operator=(const SignalEndRequest&) = delete;

    bool requested() const override { return signal() != 0; }
    // The signal that asked first; 0 while none has.
    int signal() const;
    // Becomes readable when an end is asked for.
    int wakeDescriptor() const { return pipe_[0]; }

private:
    std::array<int, 2> pipe_{-1, -1};
    std::array<struct sigaction, 3> earlier_{};
};

// Ends the process as `signal` ends a program whose handler is the system's, so the caller sees
// how it ended; 128 + `signal` if the signal should not end it.
[[noreturn]] void endBySignal(int signal);

}  // namespace kavinor::platform
