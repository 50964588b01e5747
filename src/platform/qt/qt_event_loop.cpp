#include "qt_event_loop.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace kavinor::qt {

void QtEventLoop::runUntil(const std::function<bool()>& done) {
    // The event that ends the display is handled inside this call, so the test after it sees it.
    while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace kavinor::qt
