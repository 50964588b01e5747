#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "poi_files.h"
#include "posix_processes.h"
#include "temp_dir.h"
#include "test_files.h"
#include "test_program.h"

// The road a user takes, from the notice to the merged file, with every control worked as the
// user works it and the real interpreter and tools doing the run.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;

const std::filesystem::path kBuiltTools = KAVINOR_TOOL_DIR;
const std::vector<Poi> kBurgen{{1074980, 4755760, "Schloss Neuschwanstein", "", "", false}};
const std::vector<Poi> kSeen{{947000, 4765000, "Bodensee", "r-7", "am Ufer", true},
                             {-12345, -3350000, "Kap der Guten Hoffnung", "", "", false}};
const std::vector<Poi> kNicht{{100, 200, "Nicht gewählt", "", "", false}};
const std::string kBurgenText = "10.74980,47.55760,\"Schloss Neuschwanstein\"\r\n";
const std::string kSeenText =
    "9.47,47.65,\"Bodensee\",\"r-7\",\"am Ufer\"\r\n-0.12345,-33.5,\"Kap der Guten Hoffnung\"\r\n";

class WholeRoad : public ::testing::Test {
protected:
    WholeRoad() {
        writeFile(source() / "Burgen Ä.ov2", ov2File(kBurgen));
        writeFile(source() / "seen.OV2", ov2File(kSeen));
        writeFile(source() / "Nicht.ov2", ov2File(kNicht));
        writeFile(source() / "Burgen Ä.asc", kBurgenText);
        writeFile(source() / "seen.asc", kSeenText);
        test.program.start();
        test.program.frmSplash.cmdOK.click();
    }
    fs::path source() const { return temp.path() / "Meine Karten"; }

    // Opens the input frame, walks the directory list down from the drive's root to the source
    // directory, confirms, and moves every name but "Nicht" into the target list.
    void chooseSources(const std::function<void()>& open) {
        mainwindow::FmrMain& w = test.window;
        open();
        w.Drive.focus();
        w.Drive.choose(0);
        w.Dir.open(0);
        for (const fs::path& part : source().relative_path()) {
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
    }
    void convertTo(const fs::path& output) {
        test.dialog.answer(true, output.string());
        test.window.cmdKonvert.click();
    }
    void expectMerged(const fs::path& output) {
        const mainwindow::FmrMain& w = test.window;
        ASSERT_EQ(test.messages.shown.size(), 1u);
        EXPECT_EQ(test.messages.shown[0].title, "Konvertierung beendet");
        EXPECT_EQ(readOv2(readFile(output)).size(), 3u);
        EXPECT_EQ(sorted(readOv2(readFile(output))), joined({kBurgen, kSeen}));
        EXPECT_EQ(w.txtov2.text(), output.string());
        EXPECT_TRUE(w.txtov2.visible() && w.lblPfad.visible());
        EXPECT_EQ(w.cmdKonvert.caption(), "LUV Datei erstellen");
    }

    TempDir temp;
    platform::PosixProcesses processes{(kBuiltTools / "kvcmd").string()};
    TestProgram test{processes, kBuiltTools.string()};
};

TEST_F(WholeRoad, Ov2FilesFromTheNoticeToTheMergedFile) {
    chooseSources([this] { test.window.cmdStart.click(); });
    EXPECT_EQ(test.window.lstAuswahl2.entries(),
              (std::vector<std::string>{"Burgen Ä.ov2", "seen.OV2"}));
    convertTo(source() / "Alle Orte.ov2");
    expectMerged(source() / "Alle Orte.ov2");
    EXPECT_EQ(test.window.lstAuswahl1.entries(),
              (std::vector<std::string>{"Alle Orte.ov2", "Burgen Ä.ov2", "Nicht.ov2", "seen.OV2"}));
    EXPECT_EQ(test.window.lblDatei1.caption(), "Anzahl der Input-Dateien : 4");
}

TEST_F(WholeRoad, AscFilesFromTheNoticeToTheMergedFile) {
    chooseSources([this] { test.window.mnuConvertASC.click(); });
    convertTo(temp.path() / "alle.ov2");
    expectMerged(temp.path() / "alle.ov2");
    EXPECT_EQ(test.window.lstAuswahl1.entries(),
              (std::vector<std::string>{"Burgen Ä.asc", "seen.asc"}));
}

TEST_F(WholeRoad, ARunAfterACancelledOpeningConvertsTheListedFilesAsWhatTheyAre) {
    chooseSources([this] { test.window.cmdStart.click(); });
    test.window.cmdStart1.click();
    test.window.cmdAbbrechen.click();
    convertTo(temp.path() / "alle.ov2");
    expectMerged(temp.path() / "alle.ov2");
}

}  // namespace
}  // namespace kavinor::test
