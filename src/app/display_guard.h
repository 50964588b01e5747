#pragma once

#include <string>

namespace kavinor::app {

// kavinor needs a display. While Qt's application is made, Qt's messages are held back; when Qt
// finds no display to connect to, the program says so in one German line on standard error and
// ends with 1, where Qt would abort. Only while QT_QPA_PLATFORM is not set: a platform that the
// user names gets Qt's own word. From a build tree (the tool directory's parent holds
// CMakeCache.txt) the line names the demonstration in the terminal.
class DisplayGuard {
public:
    explicit DisplayGuard(const std::string& toolDirectory);
    ~DisplayGuard() { release(); }
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    // Qt's application is made: the messages held back, and later ones, go their usual way.
    void release();
};

}  // namespace kavinor::app
