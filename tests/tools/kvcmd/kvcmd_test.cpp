#include "kvcmd_test.h"

namespace kavinor::test {

KvcmdTest::KvcmdTest() : work_(tmp_.path() / "work"), scratch_(tmp_.path() / "scratch") {
    std::filesystem::create_directories(work_);
    std::filesystem::create_directories(scratch_);
}

ToolRun KvcmdTest::runLine(const std::string& commandLine, const std::filesystem::path& dir) const {
    return runTool((kToolDir / "kvcmd").string(), {"/c", commandLine}, dir.empty() ? work_ : dir,
                   scratch_ / "stderr.txt", scratch_ / "stdout.txt");
}

ToolRun KvcmdTest::runScript(const std::string& name, std::string_view text) const {
    writeFile(work_ / name, text);
    const std::string script = (work_ / name).string();
    return runLine("\"" + script + "\"");
}

ToolRun KvcmdTest::runArgs(const std::vector<std::string>& args) const {
    return runTool((kToolDir / "kvcmd").string(), args, work_, scratch_ / "stderr.txt",
                   scratch_ / "stdout.txt");
}

}  // namespace kavinor::test
