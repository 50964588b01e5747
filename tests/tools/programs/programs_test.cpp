#include <gtest/gtest.h>

#include <algorithm>

#include "poi_files.h"
#include "run_tool.h"
#include "temp_dir.h"
#include "test_files.h"

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

// A failure is one line on standard error naming the tool and holding `named`, and changes
// nothing, however large the valid part before the fault.
TEST(Programs, RunsAsWrittenAndFailuresLeaveNothingHalfMade) {
    TempDir temp;
    const fs::path work = temp.path() / "arbeit";
    const auto listing = [&] {
        std::vector<std::string> paths;
        for (const auto& entry : fs::recursive_directory_iterator(work)) {
            paths.push_back(fs::relative(entry.path(), work).string());
        }
        std::sort(paths.begin(), paths.end());
        return paths;
    };
    const std::string odd = "Ordner mit Ümlaut & $HOME; `id`";
    const std::string apfel = odd + "/Äpfel $(echo x) `y` ; z|w.asc";
    const std::string strasse = odd + "/Straße & Söhne $1;'x'.ov2";
    for (const char* name : {"karte.ov2", "Unter/Karte.OV2",
                             "Ordner mit Ümlaut & $HOME; `id`/Meine Karte & Co; $PATH.ov2"}) {
        writeFile(work / name, sampleOv2(40));
    }
    writeFile(work / "karte.asc", sampleAsc(2000));
    writeFile(work / "Unter" / "Daten.ASC", sampleAsc(2000));
    writeFile(work / "kaputt.ov2", sampleOv2(40'000) + "\x07xxxx");
    writeFile(work / "kaputt.asc", sampleAsc(40'000) + "1.0,\"x\"\r\n");
    for (const char* old : {"ziel.asc", "ZIEL.OV2", "Aus/Neu.Ov2", "Ergebnis.ASC", "fest.ov2"})
        writeFile(work / old, "alt");
    // Without any write bit, a file stays protected also from root.
    fs::permissions(work / "fest.ov2", fs::perms::owner_read | fs::perms::group_read);
    fs::create_directory(work / "ordner.ov2");
    fs::create_directory(work / "ordner.asc");
    // The offset counts the areas' bytes; the line counts CR LF, LF and CR.
    const std::string berlin = simplePoi(1340495, 5252000, "Berlin");  // 20 bytes
    writeFile(work / "areas.ov2", skipper(21 + 41, 0, 0, 0, 0) + skipper(21 + 20, 0, 0, 0, 0) +
                                      berlin + "\x09" + berlin.substr(1));
    writeFile(work / "Sammlung" / "komplett.txt",
              "\xEF\xBB\xBF; Sammlung\r\n13.40495,52.52000,\"Berlin\"\r\n\r\n\t-0.1 , 51.5 , "
              "\"London\" , \"L\" , \"\"\n; Kommentar\r" +
                  sampleAsc(11) + "12.3456,\"Name ohne Breite\"\r\n" + sampleAsc(3));
    std::vector<std::string> expected = listing();
    struct Run {
        Tool tool;
        Args args;
        int code;
        std::string named;
        std::string dir = "";
    };
    std::vector<Run> runs = {
        {kDump, {"karte.ov2", "karte.ov2"}, 2, "karte.ov2 and karte.ov2 are the same file"},
        {kDump, {"karte.ov2", ".\\KARTE.ov2"}, 2, "same file"},
        {kMake, {"karte.asc", "./Karte.ASC"}, 2, "same file"},
        {kDump, {"fehlt.ov2", "aus.asc"}, 1, "cannot open fehlt.ov2: no such file"},
        {kDump, {"ordner.ov2", "aus.asc"}, 1, "ordner.ov2: not a regular file"},
        {kDump, {"kaputt.ov2", "ziel.asc"}, 1, "kaputt.ov2"},
        {kDump, {"karte.ov2", "fehlt\\aus.asc"}, 1, "fehlt\\aus.asc"},
        {kDump, {"karte.ov2", "ordner.asc"}, 1, "ordner.asc"},
        {kDump,
         {"areas.ov2", "Ziel.ASC"},
         1,
         "dumpov2: areas.ov2: offset 62: unknown record type 9"},
        {kMake, {"fehlt.asc", "aus.ov2"}, 1, "cannot open fehlt.asc: no such file"},
        {kMake, {"ordner.asc", "aus.ov2"}, 1, "ordner.asc: not a regular file"},
        {kMake, {"kaputt.asc", "ziel.ov2"}, 1, "kaputt.asc"},
        {kMake, {"karte.asc", "fehlt\\aus.ov2"}, 1, "fehlt\\aus.ov2"},
        {kMake, {"karte.asc", "ordner.ov2"}, 1, "ordner.ov2"},
        {kMake, {"karte.asc", "fest.ov2"}, 1, "makeov2: cannot write fest.ov2: Permission denied"},
        {kMake,
         {"SAMMLUNG\\\\Komplett.TXT", "Ziel.ov2"},
         1,
         "makeov2: SAMMLUNG\\\\Komplett.TXT:17:9: expected a latitude"},
        {kMake, {"karte.asc"}, 2, "makeov2: usage: makeov2 INPUT.asc OUTPUT.ov2"},
        {kDump, {".\\\\UNTER\\/Karte.ov2", "Aus//zwei.asc"}, 0, ""},
        {kDump, {"karte.ov2", "../ERGEBNIS.asc"}, 0, "", "Unter"},
        {kDump, {"Meine Karte & Co; $PATH.ov2", "Äpfel $(echo x) `y` ; z|w.asc"}, 0, "", odd},
        {kMake, {"UNTER\\\\daten.asc", "AUS\\neu.OV2"}, 0, ""},
        {kMake, {(work / apfel).string(), "Straße & Söhne $1;'x'.ov2"}, 0, "", odd},
    };
    for (const Args& args : {Args{}, Args{"karte.ov2"}, Args{"karte.ov2", "aus", "mehr"},
                             Args{"", "aus"}, Args{"karte.ov2", ""}}) {
        runs.push_back({kDump, args, 2, "dumpov2: usage: dumpov2 INPUT.ov2 OUTPUT.asc"});
    }
    for (const Run& r : runs) {
        std::string shown = r.tool.name;
        for (const std::string& arg : r.args) shown += " '" + arg + "'";
        const ToolRun run = runTool(r.tool.path, r.args, work / r.dir, temp.path() / "stderr");
        EXPECT_EQ(run.exitCode, r.code) << shown;
        EXPECT_TRUE(r.code == 0 ? run.errors.empty()
                                : run.errors.starts_with(std::string(r.tool.name) + ": ") &&
                                      run.errors.find(r.named) != std::string::npos &&
                                      std::count(run.errors.begin(), run.errors.end(), '\n') == 1 &&
                                      run.errors.ends_with('\n'))
            << shown << ": " << run.errors;
    }
    for (const char* dumped : {"Aus/zwei.asc", "Ergebnis.ASC", apfel.c_str()}) {
        EXPECT_EQ(readFile(work / dumped), sampleAsc(40)) << dumped;
    }
    EXPECT_EQ(sorted(readOv2(readFile(work / "Aus/Neu.Ov2"))), sorted(samplePois(2000)));
    EXPECT_EQ(sorted(readOv2(readFile(work / strasse))), sorted(samplePois(40)));
    EXPECT_EQ(
        readFile(work / "ziel.asc") + readFile(work / "ZIEL.OV2") + readFile(work / "fest.ov2"),
        "altaltalt");
    expected.insert(expected.end(), {"Aus/zwei.asc", apfel, strasse});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listing(), expected);
}

}  // namespace
}  // namespace kavinor::test
