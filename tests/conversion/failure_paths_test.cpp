#include <grp.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "end_to_end_fixture.h"
#include "test_files.h"

// Runs that cannot succeed: each ends in the failure message, and loses nothing: an earlier
// output of the chosen name, the user's files and the sources stay as they were, and nothing
// of the run is left behind.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;

const std::vector<Poi> kKarte = {{896750, 4832306, "Burg Hohenzollern", "", "", false}};
const std::vector<Poi> kSee = {{947000, 4765000, "Bodensee", "", "", false}};
const std::string kEarlierOutput = "an earlier output, which must survive";

class FailurePaths : public EndToEnd {
protected:
    FailurePaths() {
        writeFile(source() / "Karte.ov2", ov2File(kKarte));
        writeFile(source() / "See.ov2", ov2File(kSee));
        // An earlier run's result: the output and its bitmap.
        writeFile(out() / "Alle.ov2", kEarlierOutput);
        fs::copy_file(kBuiltTools / "icon.bmp", out() / "Alle.bmp");
        writeFile(out() / "Eigene.asc", "0.1,0.2,\"Eigener Text\"\r\n");
    }

    // Runs .ov2 input into out()/Alle.ov2 and checks the outcome; with the error log, only
    // Error.bug may be new. Returns Error.bug, if any.
    std::string runAndExpectNothingLost(bool errorLog) {
        const std::map<std::string, std::string> sources = contents(source());
        std::map<std::string, std::string> expected = contents(out());
        run().messages.shown.clear();
        run().window.mnuError.setChecked(errorLog);
        run().choose(true, source(), {"Karte.ov2", "See.ov2"});
        run().convert(out() / "Alle.ov2");

        EXPECT_EQ(run().messages.shown, std::vector<ShownMessage>{failureMessage()});
        EXPECT_FALSE(run().window.txtov2.visible());
        EXPECT_EQ(contents(source()), sources);
        std::map<std::string, std::string> left = contents(out());
        std::string bug;
        if (errorLog && left.count("Error.bug") != 0) {
            bug = left["Error.bug"];
            left.erase("Error.bug");
        }
        EXPECT_EQ(left, expected);
        return bug;
    }
};

TEST_F(FailurePaths, MissingDumpTool) {
    removeTool("dumpov2");
    EXPECT_TRUE(runAndExpectNothingLost(false).empty());
    const std::string bug = runAndExpectNothingLost(true);
    EXPECT_NE(bug.find("dumpov2.exe"), std::string::npos);
}

// The earlier output of that name is no success when this run made none.
TEST_F(FailurePaths, MissingMakeTool) {
    removeTool("makeov2");
    runAndExpectNothingLost(false);
}

TEST_F(FailurePaths, CorruptInputFile) {
    writeFile(source() / "See.ov2", ov2File(kSee) + "\x07garbage");
    const std::string bug = runAndExpectNothingLost(true);
    // The tool's own message, naming the file, reaches the bundle through the log.
    EXPECT_NE(bug.find("dumpov2: "), std::string::npos) << bug;
    EXPECT_NE(bug.find("See.ov2"), std::string::npos);
}

TEST_F(FailurePaths, InterpreterThatCannotStart) {
    removeTool("kvcmd");
    runAndExpectNothingLost(false);
    EXPECT_EQ(run().window.lngTaskID, 0);
}

// Permission bits do not bind root, so under root the run happens in a child process that has
// become nobody, with tools nobody can reach.
TEST_F(FailurePaths, OutputDirectoryWithoutWritePermission) {
    for (const char* name : {"kvcmd", "dumpov2", "makeov2", "icon.bmp"}) {
        removeTool(name);
        fs::copy_file(kBuiltTools / name, tools() / name);
    }
    for (const fs::path& dir : {temp.path(), tools(), source()}) {
        fs::permissions(dir, static_cast<fs::perms>(0755));
    }
    fs::permissions(out(), static_cast<fs::perms>(0555));
    const std::map<std::string, std::string> before = contents(out());
    const auto runAsNobody = [&] {
        const gid_t nobody = 65534;
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)) {
            std::_Exit(2);
        }
        run().choose(true, source(), {"Karte.ov2", "See.ov2"});
        run().convert(out() / "Alle.ov2");
        const bool failed = run().messages.shown == std::vector<ShownMessage>{failureMessage()};
        std::_Exit(failed && contents(out()) == before ? 0 : 1);
    };
    EXPECT_EXIT(runAsNobody(), ::testing::ExitedWithCode(0), "");
    fs::permissions(out(), fs::perms::owner_all);
}

}  // namespace
}  // namespace kavinor::test
