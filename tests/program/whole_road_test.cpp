#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "poi_files.h"
#include "posix_processes.h"
#include "temp_dir.h"
#include "test_files.h"
#include "test_program.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const std::filesystem::path kBuiltTools = KAVINOR_TOOL_DIR;

// The road a user takes from the notice to the merged file, with every control worked as the
// user works it and the real interpreter and tools doing the runs: .ov2 files, the same again
// after a cancelled opening for .asc files, then .asc files.
TEST(WholeRoad, FromTheNoticeToTheMergedFileInBothModes) {
    const TempDir temp;
    const fs::path source = temp.path() / "Meine Karten";
    const std::vector<Poi> burgen{{1074980, 4755760, "Schloss Neuschwanstein", "", "", false}};
    const std::vector<Poi> seen{{947000, 4765000, "Bodensee", "r-7", "am Ufer", true},
                                {-12345, -3350000, "Kap der Guten Hoffnung", "", "", false}};
    writeFile(source / "Burgen Ä.ov2", ov2File(burgen));
    writeFile(source / "seen.OV2", ov2File(seen));
    writeFile(source / "Nicht.ov2", ov2File({{100, 200, "Nicht gewählt", "", "", false}}));
    writeFile(source / "Burgen Ä.asc", ascFile(burgen));
    writeFile(source / "seen.asc", ascFile(seen));
    platform::PosixProcesses processes{(kBuiltTools / "kvcmd").string()};
    TestProgram test{processes, kBuiltTools.string()};
    mainwindow::FmrMain& w = test.window;
    // Input while the run's message is up: a handler runs, so it is dropped.
    test.messages.onShow = [&] {
        w.cmdStart.click();
        w.requestClose();
    };
    test.program.start();
    test.program.frmSplash.cmdOK.click();

    // Walks the directory list down from the drive's root to the source directory, confirms,
    // and moves every name but "Nicht" into the target list.
    const auto chooseSources = [&](auto& opener) {
        opener.click();
        w.Drive.focus();
        w.Drive.choose(0);
        w.Dir.open(0);
        for (const fs::path& part : source.relative_path()) {
            const auto& entries = w.Dir.entries();
            const auto found = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
                return e.level > w.Dir.currentIndex() && e.name == part.string();
            });
            ASSERT_NE(found, entries.end()) << part;
            w.Dir.open(static_cast<std::int16_t>(found - entries.begin()));
        }
        w.cmdOK.click();
        for (std::int16_t i = 0; i < w.lstAuswahl1.count(); ++i) {
            if (!w.lstAuswahl1.entries()[i].starts_with("Nicht")) {
                w.lstAuswahl1.choose(i);
                w.cmd1hin.click();
            }
        }
    };
    const auto convertTo = [&](const fs::path& output) {
        SCOPED_TRACE(output);
        test.messages.shown.clear();
        test.dialog.answer(true, output.string());
        w.cmdKonvert.click();
        EXPECT_EQ(test.messages.shown, std::vector<ShownMessage>{kSuccess});
        EXPECT_EQ(sorted(readOv2(readFile(output))), joined({burgen, seen}));
    };

    chooseSources(w.cmdStart);
    EXPECT_EQ(w.lstAuswahl2.entries(), (Names{"Burgen Ä.ov2", "seen.OV2"}));
    convertTo(source / "Alle Orte.ov2");

    w.cmdStart1.click();
    w.cmdalleweg.click();  // under the shown frame: dropped
    w.cmdAbbrechen.click();
    convertTo(temp.path() / "alle.ov2");

    chooseSources(w.mnuConvertASC);
    convertTo(temp.path() / "alle.ov2");
    EXPECT_EQ(w.lstAuswahl1.entries(), (Names{"Burgen Ä.asc", "seen.asc"}));
    EXPECT_TRUE(w.loaded());
}

}  // namespace
}  // namespace kavinor::test
