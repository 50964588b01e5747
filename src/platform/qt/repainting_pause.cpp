#include "repainting_pause.h"

#include <QEventLoop>
#include <QTimer>

namespace kavinor::qt {

void runEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void RepaintingPause::wait(std::int32_t milliseconds) {
    if (milliseconds > 0) runEventsFor(milliseconds);
}

}  // namespace kavinor::qt
