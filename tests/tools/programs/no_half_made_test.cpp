#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "asc_text.h"
#include "test_files.h"
#include "tool_test.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;

struct FailingRun {
    const char* what;
    Tool tool;
    std::string inputName;
    std::string input;      // the bytes of the input file; no file when empty
    std::string outputDir;  // as written on the command line, with its separator
    std::string outputName;
};

// The valid parts are large enough that their output passes every internal buffer before the
// failure is found.
std::vector<FailingRun> failingRuns() {
    const std::size_t kValidPois = 40'000;
    const std::string badAsc = sampleAsc(kValidPois) + "1.0,\"x\"\r\n";
    const std::string badOv2 = sampleOv2(kValidPois) + "\x07xxxx";
    return {
        {"corrupt after a valid part", kDumpov2, "karte.ov2", badOv2, "", "ziel.asc"},
        {"missing input", kDumpov2, "karte.ov2", "", "", "ziel.asc"},
        {"output in a missing directory", kDumpov2, "karte.ov2", sampleOv2(3), "fehlt\\",
         "ziel.asc"},
        {"corrupt after a valid part", kMakeov2, "karte.asc", badAsc, "", "ziel.ov2"},
        {"missing input", kMakeov2, "karte.asc", "", "", "ziel.ov2"},
        {"output in a missing directory", kMakeov2, "karte.asc", sampleAsc(3), "fehlt\\",
         "ziel.ov2"},
    };
}

std::string upperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

class NothingHalfMade : public ToolTest {
protected:
    // Sets up the case in a directory of its own and returns it.
    fs::path prepare(const FailingRun& c, const std::string& dirName) const {
        const fs::path dir = freshDir(dirName);
        if (!c.input.empty()) writeFile(dir / c.inputName, c.input);
        return dir;
    }

    void expectFailure(const fs::path& dir, const FailingRun& c) const {
        const ToolRun result = runIn(dir, c.tool, {c.inputName, c.outputDir + c.outputName});
        EXPECT_TRUE(failedWithOneLine(result, c.tool, 1));
    }
};

TEST_F(NothingHalfMade, FailedRunLeavesNoOutputAndNoTemporaryFile) {
    int n = 0;
    for (const FailingRun& c : failingRuns()) {
        SCOPED_TRACE(std::string(c.tool.name) + ": " + c.what);
        const fs::path dir = prepare(c, "fall" + std::to_string(++n));
        const auto before = listNames(dir);
        expectFailure(dir, c);
        EXPECT_EQ(listNames(dir), before);
    }
}

TEST_F(NothingHalfMade, FailedRunLeavesExistingOutputUntouched) {
    const std::string old = "alte Ausgabe\r\n" + sampleOv2(50);
    int n = 0;
    for (const FailingRun& c : failingRuns()) {
        if (!c.outputDir.empty()) continue;  // nothing can exist in a missing directory
        // The output's own name, and a case variant that the output name would replace.
        for (const std::string& existing : {c.outputName, upperCase(c.outputName)}) {
            SCOPED_TRACE(std::string(c.tool.name) + ": " + c.what + ", existing " + existing);
            const fs::path dir = prepare(c, "fall" + std::to_string(++n));
            writeFile(dir / existing, old);
            const auto before = listNames(dir);
            expectFailure(dir, c);
            EXPECT_EQ(listNames(dir), before);
            EXPECT_EQ(readFile(dir / existing), old);
        }
    }
}

}  // namespace
}  // namespace kavinor::test
