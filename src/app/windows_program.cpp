#include "windows_program.h"

namespace kavinor::app {

WindowsProgram::WindowsProgram(const std::string& toolDirectory)
    : platform_(processes_, pause_, paths_, codePages_, directories_, drives_, collation_, links_,
                saveDialog_, messages_, endRequest_, toolDirectory, '\\'),
      program_(platform_, loop_),
      frontEnd_(program_.windows(), pump_) {}

void WindowsProgram::run() {
    program_.start();
    pump_.runUntil([this] { return !program_.running(); });
}

}  // namespace kavinor::app
