#pragma once

#include <QTranslator>
#include <string>

#include "front_end.h"
#include "program.h"
#include "qt_event_loop.h"
#include "system_platform.h"

namespace kavinor::app {

// kavinor as it runs, with the Qt application already made: Qt set up for the program, this
// system's parts, the three windows and their views. The program ends Qt's event loop once no
// window of it is loaded.
class DesktopProgram {
public:
    explicit DesktopProgram(const std::string& toolDirectory);
    DesktopProgram(const DesktopProgram&) = delete;
    DesktopProgram& operator=(const DesktopProgram&) = delete;

    program::Program& program() { return program_; }
    const qt::FrontEnd& frontEnd() const { return frontEnd_; }

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
};

}  // namespace kavinor::app
