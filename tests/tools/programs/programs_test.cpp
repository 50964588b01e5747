#include <gtest/gtest.h>

#include <algorithm>

#include "poi_files.h"
#include "run_tool.h"
#include "test_files.h"

// dumpov2 and makeov2 as built: exit codes and messages, names as written, no half-made output
// and what they write. The formats' finer rules are tested on the library.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

struct Tool {
    const char* name;
    const char* path;
};
constexpr Tool kDump{"dumpov2", DUMPOV2};
constexpr Tool kMake{"makeov2", MAKEOV2};

class Programs : public ::testing::Test {
protected:
    Programs() { fs::create_directory(work()); }

    fs::path work() const { return temp.path() / "arbeit"; }
    ToolRun run(const Tool& tool, const Args& args, const fs::path& dir) const {
        return runTool(tool.path, args, dir, temp.path() / "stderr.txt");
    }

    TempDir temp;
};

// A failure is exit `code` and one line on standard error naming the tool and holding `named`;
// nothing in the directory changes, however large the valid part before the fault: no output,
// no temporary file, an existing output and its case variant untouched.
TEST_F(Programs, FailuresAreOneLineAndLeaveNothingHalfMade) {
    writeFile(work() / "karte.ov2", sampleOv2(5));
    writeFile(work() / "karte.asc", sampleAsc(5));
    fs::create_directory(work() / "ordner.ov2");
    fs::create_directory(work() / "ordner.asc");
    writeFile(work() / "kaputt.ov2", sampleOv2(40'000) + "\x07xxxx");
    writeFile(work() / "kaputt.asc", sampleAsc(40'000) + "1.0,\"x\"\r\n");
    writeFile(work() / "ziel.asc", "alt");
    writeFile(work() / "ZIEL.OV2", "alt");
    // A bad record after nested areas; the offset counts every byte before it. Lines 1 to 5
    // hold a byte-order mark, comments, a blank line and records ended by CR LF, LF and CR.
    const std::string berlin = simplePoi(1340495, 5252000, "Berlin");  // 20 bytes
    writeFile(work() / "areas.ov2", skipper(21 + 41, 0, 0, 0, 0) + skipper(21 + 20, 0, 0, 0, 0) +
                                        berlin + "\x09" + berlin.substr(1));
    writeFile(work() / "unter" / "komplett.txt",
              "\xEF\xBB\xBF; Sammlung\r\n13.40495,52.52000,\"Berlin\"\r\n\r\n\t-0.1 , 51.5 , "
              "\"London\" , \"L\" , \"\"\n; Kommentar\r" +
                  sampleAsc(11) + "12.3456,\"Name ohne Breite\"\r\n" + sampleAsc(3));
    const auto before = contents(work());
    struct Case {
        Tool tool;
        Args args;
        int code;
        std::string named;
    };
    std::vector<Case> cases = {
        {kDump, {"karte.ov2", "karte.ov2"}, 2, "karte.ov2 and karte.ov2 are the same file"},
        {kDump, {"karte.ov2", ".\\KARTE.ov2"}, 2, "same file"},
        {kMake, {"karte.asc", "./Karte.ASC"}, 2, "same file"},
        {kDump, {"fehlt.ov2", "aus.asc"}, 1, "fehlt.ov2"},
        {kDump, {"ordner.ov2", "aus.asc"}, 1, "ordner.ov2"},
        {kDump, {"kaputt.ov2", "ziel.asc"}, 1, "kaputt.ov2"},
        {kDump, {"karte.ov2", "fehlt\\aus.asc"}, 1, "fehlt\\aus.asc"},
        {kDump, {"karte.ov2", "ordner.asc"}, 1, "ordner.asc"},
        {kDump,
         {"areas.ov2", "Ziel.ASC"},
         1,
         "dumpov2: areas.ov2: offset 62: unknown record type 9"},
        {kMake, {"fehlt.asc", "aus.ov2"}, 1, "fehlt.asc"},
        {kMake, {"ordner.asc", "aus.ov2"}, 1, "ordner.asc"},
        {kMake, {"kaputt.asc", "ziel.ov2"}, 1, "kaputt.asc"},
        {kMake, {"karte.asc", "fehlt\\aus.ov2"}, 1, "fehlt\\aus.ov2"},
        {kMake, {"karte.asc", "ordner.ov2"}, 1, "ordner.ov2"},
        {kMake,
         {"UNTER\\\\Komplett.TXT", "Ziel.ov2"},
         1,
         "makeov2: UNTER\\\\Komplett.TXT:17:9: expected a latitude"},
        {kMake, {"karte.asc"}, 2, "makeov2: usage: makeov2 INPUT.asc OUTPUT.ov2"},
    };
    for (const Args& args : {Args{}, Args{"karte.ov2"}, Args{"karte.ov2", "aus", "mehr"},
                             Args{"", "aus"}, Args{"karte.ov2", ""}}) {
        cases.push_back({kDump, args, 2, "dumpov2: usage: dumpov2 INPUT.ov2 OUTPUT.asc"});
    }
    for (const Case& c : cases) {
        std::string shown = c.tool.name;
        for (const std::string& arg : c.args) shown += " '" + arg + "'";
        const ToolRun run = this->run(c.tool, c.args, work());
        EXPECT_EQ(run.exitCode, c.code) << shown;
        EXPECT_TRUE(run.errors.starts_with(std::string(c.tool.name) + ": ") &&
                    run.errors.find(c.named) != std::string::npos &&
                    std::count(run.errors.begin(), run.errors.end(), '\n') == 1 &&
                    run.errors.ends_with('\n'))
            << shown << ": " << run.errors;
    }
    EXPECT_TRUE(contents(work()) == before);
}

// Names are read as written on Windows: `\` or `/`, doubled separators as one, relative to the
// working directory, found without regard to case; an output replaces its case variant; blanks,
// umlauts and shell characters are plain names.
TEST_F(Programs, NamesAsWritten) {
    const fs::path odd = work() / "Ordner mit Ümlaut & $HOME; `id`";
    writeFile(work() / "Unter" / "Karte.OV2", sampleOv2(40));
    writeFile(work() / "Unter" / "Daten.ASC", sampleAsc(40));
    writeFile(odd / "Meine Karte & Co; $PATH.ov2", sampleOv2(40));
    for (const char* old : {"ZIEL.ASC", "ZIEL.OV2", "Aus/Neu.Ov2"}) writeFile(work() / old, "alt");
    std::string absolute = (work() / "Unter" / "Karte.OV2").string();
    std::replace(absolute.begin(), absolute.end(), '/', '\\');
    const std::string apfel = "Äpfel $(echo x) `y` ; z|w.asc";
    struct Case {
        fs::path dir;
        Tool tool;
        Args args;
        fs::path made;
    };
    for (const Case& c :
         {Case{work(), kDump, {".\\\\UNTER\\/Karte.ov2", "Aus//zwei.asc"}, work() / "Aus/zwei.asc"},
          Case{work(), kDump, {absolute, "aus\\\\drei.asc"}, work() / "Aus/drei.asc"},
          Case{work() / "Unter", kDump, {"karte.ov2", "../ziel.asc"}, work() / "ZIEL.ASC"},
          Case{odd, kDump, {"Meine Karte & Co; $PATH.ov2", apfel}, odd / apfel},
          Case{work(), kMake, {"unter/daten.asc", "Ziel.ov2"}, work() / "ZIEL.OV2"},
          Case{work(), kMake, {"UNTER\\\\daten.asc", "AUS\\neu.OV2"}, work() / "Aus/Neu.Ov2"},
          Case{odd,
               kMake,
               {(odd / apfel).string(), "Straße & Söhne $1;'x'.ov2"},
               odd / "Straße & Söhne $1;'x'.ov2"}}) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const ToolRun run = this->run(c.tool, c.args, c.dir);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.errors, "");
        if (c.tool.name == kDump.name) {
            EXPECT_EQ(readFile(c.made), sampleAsc(40));
        } else {
            EXPECT_EQ(sorted(readOv2(readFile(c.made))), sorted(samplePois(40)));
        }
    }
    EXPECT_EQ(listNames(work()),
              (std::vector<std::string>{"Aus", odd.filename(), "Unter", "ZIEL.ASC", "ZIEL.OV2"}));
    EXPECT_EQ(listNames(work() / "Aus"),
              (std::vector<std::string>{"Neu.Ov2", "drei.asc", "zwei.asc"}));
    EXPECT_EQ(listNames(odd).size(), 3u);
}

}  // namespace
}  // namespace kavinor::test
