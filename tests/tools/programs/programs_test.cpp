#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ov2_bytes.h"
#include "poi_files.h"
#include "run_tool.h"
#include "same_bytes.h"
#include "test_files.h"

// dumpov2 and makeov2 as built: exit codes and messages, names as written, no half-made output
// and what they write. The formats' finer rules are tested on the library.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;
using Names = std::vector<std::string>;

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
    ToolRun run(const Tool& tool, const Args& args, const fs::path& dir = {}) const {
        return runTool(tool.path, args, dir.empty() ? work() : dir, temp.path() / "stderr.txt");
    }
    // Whether `path` holds an .ov2 file with exactly the POIs of the `count` samples.
    void expectSampleOv2(const fs::path& path, std::size_t count) const {
        ASSERT_EQ(run(kDump, {path.string(), (temp.path() / "kontrolle.asc").string()}).exitCode,
                  0);
        EXPECT_EQ(sortedLines(readFile(temp.path() / "kontrolle.asc")),
                  sortedLines(sampleAsc(count)));
    }

    TempDir temp;
};

// Exit `code`; for a failure exactly one line on standard error, beginning with the tool's name
// and holding `named`.
::testing::AssertionResult exited(const ToolRun& run, const Tool& tool, int code,
                                  const std::string& named = {}) {
    const bool oneLine = run.errors.ends_with('\n') &&
                         std::count(run.errors.begin(), run.errors.end(), '\n') == 1 &&
                         run.errors.starts_with(std::string(tool.name) + ": ");
    if (run.exitCode == code && (code == 0 ? run.errors.empty() : oneLine) &&
        run.errors.find(named) != std::string::npos) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "exit " << run.exitCode << ", errors: " << run.errors;
}

TEST_F(Programs, ExitCodesAndOneLineMessages) {
    writeFile(work() / "karte.ov2", sampleOv2(5));
    writeFile(work() / "karte.asc", sampleAsc(5));
    fs::create_directory(work() / "ordner.ov2");
    fs::create_directory(work() / "ordner.asc");
    writeFile(work() / "kaputt.ov2", "\x07kaputt");
    writeFile(work() / "kaputt.asc", "kaputt\r\n");
    const std::map<std::string, std::string> before = contents(work());
    struct Case {
        Tool tool;
        Args args;
        int code;
        std::string named;  // what the message must hold
    };
    std::vector<Case> cases = {
        // The output that is the input itself, also under another spelling.
        {kDump, {"karte.ov2", "karte.ov2"}, 2, ""},
        {kDump, {"karte.ov2", ".\\KARTE.ov2"}, 2, ""},
        {kMake, {"karte.asc", "./Karte.ASC"}, 2, ""},
        {kDump, {"fehlt.ov2", "aus.asc"}, 1, "fehlt.ov2"},
        {kDump, {"ordner.ov2", "aus.asc"}, 1, "ordner.ov2"},
        {kDump, {"kaputt.ov2", "aus.asc"}, 1, "kaputt.ov2"},
        {kDump, {"karte.ov2", "fehlt\\aus.asc"}, 1, "fehlt\\aus.asc"},
        {kDump, {"karte.ov2", "ordner.asc"}, 1, "ordner.asc"},
        {kMake, {"fehlt.asc", "aus.ov2"}, 1, "fehlt.asc"},
        {kMake, {"ordner.asc", "aus.ov2"}, 1, "ordner.asc"},
        {kMake, {"kaputt.asc", "aus.ov2"}, 1, "kaputt.asc"},
        {kMake, {"karte.asc", "fehlt\\aus.ov2"}, 1, "fehlt\\aus.ov2"},
        {kMake, {"karte.asc", "ordner.ov2"}, 1, "ordner.ov2"},
    };
    for (const Tool& tool : {kDump, kMake}) {
        for (const Args& args : {Args{}, Args{"karte.ov2"}, Args{"karte.ov2", "aus", "mehr"},
                                 Args{"", "aus"}, Args{"karte.ov2", ""}}) {
            cases.push_back({tool, args, 2, "usage"});
        }
    }
    for (const Case& c : cases) {
        std::string shown = c.tool.name;
        for (const std::string& arg : c.args) shown += " '" + arg + "'";
        SCOPED_TRACE(shown);
        EXPECT_TRUE(exited(run(c.tool, c.args), c.tool, c.code, c.named));
    }
    EXPECT_EQ(contents(work()), before);
}

TEST_F(Programs, MessagesNameTheFileAsWrittenAndThePlace) {
    // Lines 1 to 5 hold a byte-order mark, comments, a blank line and records, ended by CR LF,
    // LF and CR, so every kind of line counts towards line 17.
    const std::string text =
        "\xEF\xBB\xBF; Sammlung\r\n13.40495,52.52000,\"Berlin\"\r\n\r\n"
        "\t-0.12776 , 51.50735 , \"London\" , \"L\" , \"\"\n; Kommentar\r" +
        sampleAsc(11) + "12.3456,\"Name ohne Breite\"\r\n" + sampleAsc(3);
    writeFile(work() / "unter" / "komplett.txt", text);
    // A bad record after a nested area: the offset counts every byte before it.
    const std::string berlin = simplePoi(1340495, 5252000, "Berlin");  // 20 bytes
    writeFile(work() / "kaputt.ov2", skipper(21 + 41, 0, 0, 0, 0) + skipper(21 + 20, 0, 0, 0, 0) +
                                         berlin + "\x09" + berlin.substr(1));

    const ToolRun make = run(kMake, {"UNTER\\\\Komplett.TXT", "ziel.ov2"});
    EXPECT_TRUE(exited(make, kMake, 1, "makeov2: UNTER\\\\Komplett.TXT:17:9: expected a latitude"));
    EXPECT_EQ(run(kDump, {"kaputt.ov2", "ziel.asc"}).errors,
              "dumpov2: kaputt.ov2: offset 62: unknown record type 9\n");
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
    struct Case {
        fs::path dir;
        Tool tool;
        Args args;
        fs::path made;
    };
    const Case cases[] = {
        {work(), kDump, {"unter\\karte.ov2", "eins.asc"}, work() / "eins.asc"},
        {work(), kDump, {".\\\\UNTER\\/Karte.ov2", "Aus//zwei.asc"}, work() / "Aus/zwei.asc"},
        {work(), kDump, {absolute, "aus\\\\drei.asc"}, work() / "Aus/drei.asc"},
        {work() / "Unter", kDump, {"karte.ov2", "../ziel.asc"}, work() / "ZIEL.ASC"},
        {odd,
         kDump,
         {"Meine Karte & Co; $PATH.ov2", "Äpfel $(echo x) `y` ; z|w.asc"},
         odd / "Äpfel $(echo x) `y` ; z|w.asc"},
        {work(), kMake, {"unter/daten.asc", "Ziel.ov2"}, work() / "ZIEL.OV2"},
        {work(), kMake, {"UNTER\\\\daten.asc", "AUS\\neu.OV2"}, work() / "Aus/Neu.Ov2"},
        {odd,
         kMake,
         {(odd / "Äpfel $(echo x) `y` ; z|w.asc").string(), "Straße & Söhne $1;'x'.ov2"},
         odd / "Straße & Söhne $1;'x'.ov2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        EXPECT_TRUE(exited(run(c.tool, c.args, c.dir), c.tool, 0));
        if (std::string_view(c.tool.name) == kDump.name) {
            EXPECT_EQ(readFile(c.made), sampleAsc(40));
        } else {
            expectSampleOv2(c.made, 40);
        }
    }
    EXPECT_EQ(listNames(work()), (Names{"Aus", "Ordner mit Ümlaut & $HOME; `id`", "Unter",
                                        "ZIEL.ASC", "ZIEL.OV2", "eins.asc"}));
    EXPECT_EQ(listNames(work() / "Aus"), (Names{"Neu.Ov2", "drei.asc", "zwei.asc"}));
    EXPECT_EQ(listNames(odd).size(), 3u);
}

// A failed run leaves no output, no temporary file, and an existing output of that name or of a
// case variant untouched. The valid parts are large enough to pass every internal buffer first.
TEST_F(Programs, FailedRunLeavesNothingHalfMade) {
    const std::string badOv2 = sampleOv2(40'000) + "\x07xxxx";
    const std::string badAsc = sampleAsc(40'000) + "1.0,\"x\"\r\n";
    struct Case {
        Tool tool;
        std::string input;  // the bytes of karte.ov2 or karte.asc; none when empty
        std::string output;
    };
    const Case cases[] = {{kDump, badOv2, "ziel.asc"},
                          {kDump, "", "ziel.asc"},
                          {kDump, sampleOv2(3), "fehlt\\ziel.asc"},
                          {kMake, badAsc, "ziel.ov2"},
                          {kMake, "", "ziel.ov2"},
                          {kMake, sampleAsc(3), "fehlt\\ziel.ov2"}};
    int n = 0;
    for (const Case& c : cases) {
        const std::string input =
            std::string_view(c.tool.name) == kDump.name ? "karte.ov2" : "karte.asc";
        for (const std::string existing : {"", "ziel", "ZIEL"}) {
            if (c.output.starts_with("fehlt") && !existing.empty()) continue;
            SCOPED_TRACE(std::string(c.tool.name) + " " + c.output + " over " + existing);
            const fs::path dir = temp.path() / ("fall" + std::to_string(++n));
            fs::create_directory(dir);
            if (!c.input.empty()) writeFile(dir / input, c.input);
            if (!existing.empty()) writeFile(dir / (existing + c.output.substr(4)), "alt");
            const std::map<std::string, std::string> before = contents(dir);
            EXPECT_TRUE(exited(run(c.tool, {input, c.output}, dir), c.tool, 1));
            EXPECT_EQ(contents(dir), before);
        }
    }
}

TEST_F(Programs, DumpWritesFileOrderAndMakeKeepsEveryPoiInFiveDecimals) {
    // An index and deleted records around the POIs; neither belongs to the text.
    const std::string records = deletedRecord(8) + sampleOv2(300) + deletedRecord(5);
    writeFile(work() / "karte.ov2", skipper(static_cast<std::int32_t>(21 + records.size()),
                                            18000000, 9000000, -18000000, -9000000) +
                                        records);
    writeFile(work() / "karte.asc", sampleAsc(700) +
                                        " -0.12776 ,\t51.5 , \"London\"\n"
                                        "+13.404954,52.520005,\"Berlin\"\n"
                                        "-0.000005,0.000004,\"Null\",\"\",\"\"\n");
    ASSERT_TRUE(exited(run(kDump, {"karte.ov2", "eins.asc"}), kDump, 0));
    ASSERT_TRUE(exited(run(kMake, {"karte.asc", "karte2.ov2"}), kMake, 0));
    ASSERT_TRUE(exited(run(kDump, {"karte2.ov2", "zwei.asc"}), kDump, 0));
    EXPECT_EQ(readFile(work() / "eins.asc"), sampleAsc(300));
    EXPECT_EQ(sortedLines(readFile(work() / "zwei.asc")),
              sortedLines(sampleAsc(700) + "-0.12776,51.50000,\"London\"\r\n"
                                           "13.40495,52.52001,\"Berlin\"\r\n"
                                           "-0.00001,0.00000,\"Null\",\"\",\"\"\r\n"));
}

TEST_F(Programs, MakeWritesTheSameBytesForTheSameTextUnderOneSkipper) {
    writeFile(work() / "karte.asc", sampleAsc(2000) + "180,90,\"Ecke\"\r\n-180,-90,\"Ecke\"\r\n");
    ASSERT_TRUE(exited(run(kMake, {"karte.asc", "eins.ov2"}), kMake, 0));
    ASSERT_TRUE(exited(run(kMake, {"karte.asc", "zwei.ov2"}), kMake, 0));
    const std::string bytes = readFile(work() / "eins.ov2");
    EXPECT_TRUE(sameBytes(readFile(work() / "zwei.ov2"), bytes));
    ASSERT_GE(bytes.size(), 21u);
    EXPECT_EQ(bytes.substr(0, 21), skipper(static_cast<std::int32_t>(bytes.size()), 18000000,
                                           9000000, -18000000, -9000000));
}

}  // namespace
}  // namespace kavinor::test
