#pragma once

#include <QSocketNotifier>
#include <QTranslator>
#include <string>

#include "front_end.h"
#include "program.h"
#include "qt_event_loop.h"
#include "system_platform.h"

namespace kavinor::app {

// kavinor as it runs, with the Qt application already made: Qt set up for the program, this
// system's parts, the three windows and their views. The program ends Qt's event loop once no
// window of it is loaded, and so does a signal that asks for an end, with 128 and the signal's
// number as the loop's result; a run in progress then ends its script and cleans up first.
class DesktopProgram {
public:
    explicit DesktopProgram(const std::string& toolDirectory);
    DesktopProgram(const DesktopProgram&) = delete;
    DesktopProgram& operator=(const DesktopProgram&) = delete;

    program::Program& program() { return program_; }
    const qt::FrontEnd& frontEnd() const { return frontEnd_; }
    // The signal that asked for the program's end; 0 when none did.
    int endSignal() const { return system_.endRequest().signal(); }

private:
    // Qt set up before any view makes its widgets, which take their fonts as they are made.
    struct QtSetup {
        QtSetup();
        QTranslator dialogTexts;
    };

    QtSetup setup_;
    SystemPlatform system_;
    qt::QtEventLoop loop_;
    program::Program program_;
    qt::FrontEnd frontEnd_;
    QSocketNotifier endWatch_;
};

}  // namespace kavinor::app
