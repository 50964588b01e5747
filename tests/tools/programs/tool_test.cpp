#include "tool_test.h"

#include <algorithm>

namespace kavinor::test {

ToolTest::ToolTest() : work_(tmp_.path() / "arbeit") {
    std::filesystem::create_directory(work_);
}

ToolRun ToolTest::run(const Tool& tool, const std::vector<std::string>& args) const {
    return runIn(work_, tool, args);
}

ToolRun ToolTest::runIn(const std::filesystem::path& dir, const Tool& tool,
                        const std::vector<std::string>& args) const {
    return runTool(tool.path, args, dir, tmp_.path() / "stderr.txt");
}

std::filesystem::path ToolTest::freshDir(const std::string& name) const {
    const std::filesystem::path dir = tmp_.path() / name;
    std::filesystem::create_directory(dir);
    return dir;
}

::testing::AssertionResult succeeded(const ToolRun& run) {
    if (run.exitCode == 0 && run.errors.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "exit " << run.exitCode << ", errors: " << run.errors;
}

::testing::AssertionResult failedWithOneLine(const ToolRun& run, const Tool& tool, int exitCode) {
    const std::string prefix = std::string(tool.name) + ": ";
    auto failure = [&] {
        return ::testing::AssertionFailure() << "exit " << run.exitCode << " (expected " << exitCode
                                             << "), errors: \"" << run.errors << "\"";
    };
    if (run.exitCode != exitCode) return failure() << " - wrong exit code";
    if (run.errors.empty() || run.errors.back() != '\n' ||
        std::count(run.errors.begin(), run.errors.end(), '\n') != 1) {
        return failure() << " - not exactly one line";
    }
    if (run.errors.compare(0, prefix.size(), prefix) != 0 ||
        run.errors.size() <= prefix.size() + 1) {
        return failure() << " - does not begin with \"" << prefix << "\" and a message";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace kavinor::test
