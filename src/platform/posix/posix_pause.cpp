#include "posix_pause.h"

#include <time.h>

#include <cerrno>

namespace kavinor::platform {

void PosixPause::wait(std::int32_t milliseconds) {
    if (milliseconds <= 0) return;
    timespec remaining{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1'000'000};
    while (::nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}

}  // namespace kavinor::platform
