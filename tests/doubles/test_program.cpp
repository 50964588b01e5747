#include "test_program.h"

namespace kavinor::test {

TestProgram::TestProgram(platform::Processes& processes, std::string toolDirectory,
                         platform::IconvCodePages pages)
    : codePages(std::move(pages)),
      platform{processes,
               pause,
               paths,
               codePages,
               directories,
               drives,
               collation,
               links,
               dialog,
               messages,
               std::move(toolDirectory),
               '/'},
      program(platform, loop),
      window(program.fmrMain) {
    drives.table = {{"/", platform::kDriveFixed}};
}

}  // namespace kavinor::test
