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

bool hasShape(std::string_view text, std::string_view shape) {
    if (text.size() != shape.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digitWanted = shape[i] == '#';
        if (digitWanted ? (text[i] < '0' || text[i] > '9') : text[i] != shape[i]) return false;
    }
    return true;
}

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace kavinor::test
