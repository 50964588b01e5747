#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "asc_text.h"
#include "test_files.h"
#include "tool_test.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class Paths : public ToolTest {
protected:
    // A valid .ov2 (in file order, so its text is known) and a valid .asc under `dir`.
    void writeInputs(const fs::path& dir, const std::string& ov2, const std::string& asc) const {
        writeFile(work() / dir / ov2, sampleOv2(40));
        writeFile(work() / dir / asc, sampleAsc(40));
    }

    // Whether `path` holds the text of the sample .ov2, as dumpov2 writes it.
    void expectSampleText(const fs::path& path) const { EXPECT_EQ(readFile(path), sampleAsc(40)); }

    // Whether `path` holds an .ov2 file with the sample POIs.
    void expectSampleOv2(const fs::path& path) const {
        ASSERT_TRUE(succeeded(run(kDumpov2, {path.string(), "../kontrolle.asc"})));
        EXPECT_EQ(sortedLines(readFile(work().parent_path() / "kontrolle.asc")),
                  sortedLines(sampleAsc(40)));
    }
};

TEST_F(Paths, RelativeNamesStartAtTheWorkingDirectory) {
    writeInputs("unter", "daten.ov2", "daten.asc");
    EXPECT_TRUE(succeeded(run(kMakeov2, {"unter/daten.asc", "ziel.ov2"})));
    EXPECT_TRUE(succeeded(runIn(work() / "unter", kDumpov2, {"daten.ov2", "../ziel.asc"})));

    EXPECT_EQ(listNames(work()), (Names{"unter", "ziel.asc", "ziel.ov2"}));
    EXPECT_EQ(listNames(work() / "unter"), (Names{"daten.asc", "daten.ov2"}));
    expectSampleText(work() / "ziel.asc");
    expectSampleOv2(work() / "ziel.ov2");
}

TEST_F(Paths, BackslashesAndDoubledSeparatorsSeparateOnce) {
    writeInputs("unter", "daten.ov2", "daten.asc");
    fs::create_directory(work() / "aus");
    std::string absolute = (work() / "unter" / "daten.ov2").string();
    std::replace(absolute.begin(), absolute.end(), '/', '\\');

    EXPECT_TRUE(succeeded(run(kDumpov2, {"unter\\daten.ov2", "aus\\eins.asc"})));
    EXPECT_TRUE(succeeded(run(kDumpov2, {".\\\\unter\\/daten.ov2", "aus//zwei.asc"})));
    EXPECT_TRUE(succeeded(run(kDumpov2, {absolute, "aus\\\\drei.asc"})));
    EXPECT_TRUE(succeeded(run(kMakeov2, {"unter\\\\daten.asc", "aus\\ziel.ov2"})));

    EXPECT_EQ(listNames(work() / "aus"), (Names{"drei.asc", "eins.asc", "ziel.ov2", "zwei.asc"}));
    for (const char* name : {"eins.asc", "zwei.asc", "drei.asc"}) {
        SCOPED_TRACE(name);
        expectSampleText(work() / "aus" / name);
    }
    expectSampleOv2(work() / "aus" / "ziel.ov2");
}

TEST_F(Paths, InputFoundWithoutRegardToCase) {
    writeInputs("Unter", "Karte.OV2", "Daten.ASC");
    EXPECT_TRUE(succeeded(run(kDumpov2, {"unter\\Karte.ov2", "eins.asc"})));
    EXPECT_TRUE(succeeded(run(kDumpov2, {"UNTER\\karte.ov2", "zwei.asc"})));
    EXPECT_TRUE(succeeded(run(kMakeov2, {"unter\\daten.asc", "ziel.ov2"})));

    expectSampleText(work() / "eins.asc");
    expectSampleText(work() / "zwei.asc");
    expectSampleOv2(work() / "ziel.ov2");
}

TEST_F(Paths, OutputReplacesItsCaseVariant) {
    writeInputs("", "karte.ov2", "karte.asc");
    writeFile(work() / "ZIEL.ASC", "alt");
    writeFile(work() / "ZIEL.OV2", "alt");
    writeFile(work() / "Aus" / "Neu.Ov2", "alt");

    EXPECT_TRUE(succeeded(run(kDumpov2, {"karte.ov2", "ziel.asc"})));
    EXPECT_TRUE(succeeded(run(kMakeov2, {"karte.asc", "Ziel.ov2"})));
    EXPECT_TRUE(succeeded(run(kMakeov2, {"karte.asc", "AUS\\neu.OV2"})));

    EXPECT_EQ(listNames(work()), (Names{"Aus", "ZIEL.ASC", "ZIEL.OV2", "karte.asc", "karte.ov2"}));
    EXPECT_EQ(listNames(work() / "Aus"), Names{"Neu.Ov2"});
    expectSampleText(work() / "ZIEL.ASC");
    expectSampleOv2(work() / "ZIEL.OV2");
    expectSampleOv2(work() / "Aus" / "Neu.Ov2");
}

}  // namespace
}  // namespace kavinor::test
