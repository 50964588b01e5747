#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "kvcmd_test.h"
#include "poi_files.h"
#include "same_bytes.h"
#include "test_files.h"

// The step scripts of a conversion run, written byte for byte as the program writes them into
// the output directory and started the way the program starts them, with the real tools.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;

const std::vector<Poi> kBurgenPois = {
    {1074980, 4755760, "Schloss Neuschwanstein", "burg-001", "nur mit Führung", true},
    {1073611, 4755556, "Schloss Hohenschwangau", "", "", false}};
const std::vector<Poi> kKartePois = {{896750, 4832306, "Burg \"Hohenzollern\"", "", "", false}};
const std::vector<Poi> kZusatzPois = {{-12345, -3350000, "Kap der Guten Hoffnung", "", "", false},
                                      {993861, 4979306, "Würzburger Residenz", "r-7", "", true}};
const std::vector<Poi> kNotChosenPois = {{100, 200, "Nicht gewählt", "", "", false}};

// The POI texts of an .asc run, by file name. The names sort differently case-blind (letters
// compared upper-cased, as the scripts' listings order them) than byte by byte.
const std::map<std::string, std::string> kTexts = {
    {"ab.asc",
     crlf({"; Teil ab", "10.74980,47.55760,\"Schloss Neuschwanstein\",\"b-1\",\"Führung\""})},
    {"a_b.asc", crlf({"8.96750,48.32306,\"Burg Hohenzollern\""})},
    {"bürgen alt.asc", crlf({"9.93861,49.79306,\"Würzburger Residenz\""})},
    {"Zoo.ASC", crlf({"13.33750,52.50833,\"Zoo \"\"Berlin\"\"\""})},
    {"Über See.asc", crlf({"9.47000,47.65000,\"Bodensee\"", "7.27000,50.41500,\"Laacher See\""})},
    {"Extra.asc", crlf({"1.00000,2.00000,\"Nicht gewählt\""})}};
// Chosen in the order the user picked them; "Extra.asc" is left out.
const std::vector<std::string> kChosenTexts = {"Über See.asc", "Zoo.ASC", "bürgen alt.asc",
                                               "a_b.asc", "ab.asc"};
const std::vector<std::string> kJoinOrder = {"ab.asc", "a_b.asc", "bürgen alt.asc", "Zoo.ASC",
                                             "Über See.asc"};

std::string chosenTextsJoined() {
    std::string text;
    for (const std::string& name : kJoinOrder) text += kTexts.at(name);
    return text;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::vector<std::string> names(std::vector<std::string> list) {
    std::sort(list.begin(), list.end());
    return list;
}

// Whether `log` shows every line of `script` in order, each echoed after an empty line behind
// the prompt of `dir`.
::testing::AssertionResult echoesEveryLine(const std::string& log, const std::string& script,
                                           const fs::path& dir) {
    std::size_t from = 0;
    for (std::size_t start = 0; start < script.size();) {
        const std::size_t end = script.find("\r\n", start);
        const std::string echo =
            "\r\n" + dir.string() + ">" + script.substr(start, end - start) + "\r\n";
        from = log.find(echo, from);
        if (from == std::string::npos) {
            return ::testing::AssertionFailure() << "not echoed in order: " << echo;
        }
        from += echo.size();
        start = end + 2;
    }
    return ::testing::AssertionSuccess();
}

struct StepRuns {
    ToolRun konvert;
    ToolRun komplett;
    ToolRun asc2ov2;
};

class StepScriptsTest : public KvcmdTest {
protected:
    StepScriptsTest()
        : source_(work() / "Quelle Ä"),
          out_(work() / "Ausgabe ö"),
          sourceDir_(source_.string()),
          outDir_(out_.string() + "/"),
          toolDir_(kToolDir.string()) {
        fs::create_directories(source_);
        fs::create_directories(out_);
    }

    // The output directory is the source directory, as a user may choose.
    void useSourceAsOutput() {
        out_ = source_;
        outDir_ = source_.string() + "/";
    }

    // A source directory at a file-system root keeps its separator, so joining a name with a
    // backslash doubles it; the output directory is written with a doubled separator too.
    void useRootLikeSourceAndDoubledOutput() {
        sourceDir_ = source_.string() + "/";
        outDir_ = work().string() + "//" + out_.filename().string() + "/";
    }

    void writeOv2Sources() const {
        writeFile(source_ / "Bürgen Alt.ov2", ov2File(kBurgenPois));
        writeFile(source_ / "Karte.OV2", ov2File(kKartePois));
        writeFile(source_ / "zusatz.ov2", ov2File(kZusatzPois));
        writeFile(source_ / "Nicht gewählt.ov2", ov2File(kNotChosenPois));
    }

    void writeAscSources() const {
        for (const auto& [name, text] : kTexts) writeFile(source_ / name, text);
    }

    std::string konvertBat(const std::vector<std::string>& chosen) const {
        std::vector<std::string> lines{"cd " + quoted(outDir_)};
        for (const std::string& name : chosen) {
            const std::string base = name.substr(0, name.size() - 4);
            lines.push_back(quoted(toolDir_ + "\\dumpov2.exe") + " " +
                            quoted(sourceDir_ + "\\" + base + ".ov2") + " " +
                            quoted(base + ".asc"));
        }
        return crlf(lines);
    }

    std::string komplettOv2Bat() const {
        return crlf({"cd " + quoted(outDir_), "copy *.asc komplett.txt"});
    }

    std::string komplettAscBat(const std::vector<std::string>& chosen) const {
        std::vector<std::string> lines{"cd " + quoted(outDir_), "md ConvertTemp", "cd ConvertTemp"};
        for (const std::string& name : chosen) {
            lines.push_back("copy " + quoted(sourceDir_ + "\\" + name));
        }
        lines.push_back("copy *.asc komplett.txt");
        for (const std::string& name : chosen) lines.push_back("del " + quoted(name));
        lines.insert(lines.end(), {"move komplett.txt ..", "cd ..", "rd ConvertTemp"});
        return crlf(lines);
    }

    std::string asc2ov2Bat(const std::string& outName) const {
        std::vector<std::string> lines{
            "cd " + quoted(outDir_), quoted(toolDir_ + "\\makeov2.exe") + " " +
                                         quoted(outDir_ + "komplett.txt") + " " + quoted(outName)};
        if (outName.size() >= 4) {
            const std::string bitmap = outDir_ + outName.substr(0, outName.size() - 4) + ".bmp";
            lines.push_back("del " + quoted(bitmap));
            lines.push_back("copy " + quoted(toolDir_ + "\\icon.bmp") + " " + quoted(bitmap));
        }
        return crlf(lines);
    }

    std::string errorBat() const {
        return crlf({"cd " + quoted(outDir_),
                     "echo Kavinor 0.75 >version.txt",
                     "echo " + std::string(36, '-') + " >strich.txt",
                     "dir >dir.txt",
                     "date /t >date.txt",
                     "time /t >time.txt",
                     "copy version.txt+strich.txt+date.txt+Time.txt+strich.txt+konvert.bat+"
                     "strich.txt+komplett.bat+strich.txt+asc2ov2.bat+strich.txt+Dir.txt Error.bug",
                     "copy error.bug+strich.txt+konvert.log+strich.txt+komplett.log+strich.txt+"
                     "asc2ov2.log+strich.txt+ascov2.log",
                     "del date.txt",
                     "del time.txt",
                     "del dir.txt",
                     "del strich.txt",
                     "del komplett.bat",
                     "del komplett.txt",
                     "del konvert.bat",
                     "del asc2ov2.bat",
                     "del version.txt",
                     "del konvert.log",
                     "del asc2ov2.log",
                     "del komplett.log"});
    }

    // The command line the program hands to `kvcmd /c`, blanks and all.
    std::string commandLine(const std::string& script, bool log) const {
        const std::string path = "\"" + outDir_ + script;
        if (!log || script == "error.bat") return path + "\"";
        if (script == "konvert.bat") return path + "\" >konvert.log";
        if (script == "komplett.bat") return path + " \" >komplett.log";
        return path + " \">asc2ov2.log";
    }

    // Writes the script into the output directory and starts it there as the program does.
    ToolRun step(const std::string& script, const std::string& text, bool log) const {
        writeFile(out_ / script, text);
        ToolRun run = runLine(commandLine(script, log), out_);
        EXPECT_EQ(run.exitCode, 0) << script << ": " << run.errors;
        return run;
    }

    StepRuns runOv2Mode(const std::vector<std::string>& chosen, bool log) const {
        return {step("konvert.bat", konvertBat(chosen), log),
                step("komplett.bat", komplettOv2Bat(), log),
                step("asc2ov2.bat", asc2ov2Bat("Ergebnis.ov2"), log)};
    }

    StepRuns runAscMode(bool log) const {
        return {{},
                step("komplett.bat", komplettAscBat(kChosenTexts), log),
                step("asc2ov2.bat", asc2ov2Bat("Ergebnis.ov2"), log)};
    }

    std::vector<Poi> outputPois(const std::string& outName = "Ergebnis.ov2") const {
        return sorted(readOv2(readFile(out_ / outName)));
    }

    ::testing::AssertionResult bitmapIsIcon() const {
        return sameBytes(readFile(out_ / "Ergebnis.bmp"), readFile(kToolDir / "icon.bmp"));
    }

    // Runs error.bat after a logged run and checks what it leaves: `kept` and the report, whose
    // parts are the scripts and logs as they stood before, a missing one simply left out.
    void checkErrorReport(const std::vector<std::string>& kept) const {
        const std::map<std::string, std::string> before = contents(out_);
        const auto part = [&](const std::string& name) {
            const auto found = before.find(name);
            return found == before.end() ? std::string() : found->second;
        };
        step("error.bat", errorBat(), false);

        std::vector<std::string> expected = kept;
        expected.insert(expected.end(), {"Error.bug", "error.bat"});
        EXPECT_EQ(listNames(out_), names(expected));

        const std::string bug = readFile(out_ / "Error.bug");
        const std::string line = std::string(36, '-') + " \r\n";
        const std::string head = "Kavinor 0.75 \r\n" + line;
        const std::string scripts = line + part("konvert.bat") + line + part("komplett.bat") +
                                    line + part("asc2ov2.bat") + line;
        const std::string logs = line + part("konvert.log") + line + part("komplett.log") + line +
                                 part("asc2ov2.log") + line;
        constexpr std::size_t kDateTimeSize = 19;  // "dd.mm.yyyy\r\nHH:MM\r\n"
        const std::size_t listingStart = head.size() + kDateTimeSize + scripts.size();
        ASSERT_GE(bug.size(), listingStart + logs.size()) << bug;
        EXPECT_TRUE(bug.starts_with(head)) << bug;
        EXPECT_TRUE(hasShape(bug.substr(head.size(), kDateTimeSize), "##.##.####\r\n##:##\r\n"))
            << bug;
        EXPECT_TRUE(sameBytes(bug.substr(head.size() + kDateTimeSize, scripts.size()), scripts));
        EXPECT_TRUE(bug.ends_with(logs)) << bug;
        const std::string listing =
            bug.substr(listingStart, bug.size() - logs.size() - listingStart);
        EXPECT_TRUE(listing.starts_with(" Verzeichnis von " + out_.string() + "\r\n")) << listing;
        EXPECT_TRUE(listing.ends_with(" Bytes frei\r\n")) << listing;
    }

    fs::path source_;
    fs::path out_;
    std::string sourceDir_;  // as the scripts write it
    std::string outDir_;     // as the scripts write it, with its closing separator
    std::string toolDir_;
};

TEST_F(StepScriptsTest, Ov2RunMergesExactlyTheChosenFiles) {
    writeOv2Sources();
    const std::map<std::string, std::string> sourceBefore = contents(source_);

    const StepRuns runs = runOv2Mode({"Bürgen Alt.ov2", "Karte.OV2", "zusatz.ov2"}, false);

    EXPECT_EQ(runs.konvert.errors, "");
    EXPECT_EQ(runs.komplett.errors, "");
    EXPECT_EQ(outputPois(), joined({kBurgenPois, kKartePois, kZusatzPois}));
    EXPECT_TRUE(bitmapIsIcon());
    EXPECT_TRUE(sameBytes(readFile(out_ / "komplett.txt"), readFile(out_ / "Bürgen Alt.asc") +
                                                               readFile(out_ / "Karte.asc") +
                                                               readFile(out_ / "zusatz.asc")));
    EXPECT_EQ(contents(source_), sourceBefore);
    EXPECT_EQ(listNames(out_),
              names({"konvert.bat", "komplett.bat", "asc2ov2.bat", "Bürgen Alt.asc", "Karte.asc",
                     "zusatz.asc", "komplett.txt", "Ergebnis.ov2", "Ergebnis.bmp"}));
}

class AscJoinTest : public StepScriptsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(AscJoinTest, KomplettJoinsTheChosenTextsInCaseBlindNameOrder) {
    if (GetParam()) useSourceAsOutput();
    writeAscSources();
    const std::map<std::string, std::string> sourceBefore = contents(source_);

    const ToolRun run = step("komplett.bat", komplettAscBat(kChosenTexts), false);

    EXPECT_EQ(run.errors, "");
    EXPECT_TRUE(sameBytes(readFile(out_ / "komplett.txt"), chosenTextsJoined()));
    EXPECT_FALSE(fs::exists(out_ / "ConvertTemp"));
    std::map<std::string, std::string> sourceAfter = contents(source_);
    if (GetParam()) {
        EXPECT_EQ(sourceAfter.erase("komplett.txt"), 1u);
        EXPECT_EQ(sourceAfter.erase("komplett.bat"), 1u);
    } else {
        EXPECT_EQ(listNames(out_), names({"komplett.bat", "komplett.txt"}));
    }
    EXPECT_EQ(sourceAfter, sourceBefore);
}

INSTANTIATE_TEST_SUITE_P(Output, AscJoinTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "IsTheSourceDirectory" : "IsSeparate";
                         });

TEST_F(StepScriptsTest, RootLikeSourceAndDoubledSeparatorsStillFindEveryFile) {
    useRootLikeSourceAndDoubledOutput();
    writeAscSources();

    const StepRuns runs = runAscMode(false);

    EXPECT_EQ(runs.komplett.errors, "");
    EXPECT_EQ(outputPois(), sorted(readAsc(chosenTextsJoined())));
    EXPECT_TRUE(bitmapIsIcon());
    EXPECT_EQ(listNames(out_), names({"komplett.bat", "asc2ov2.bat", "komplett.txt", "Ergebnis.ov2",
                                      "Ergebnis.bmp"}));
}

TEST_F(StepScriptsTest, Asc2ov2ReplacesAnOlderBitmapEvenSpelledInOtherCase) {
    const std::string text = kTexts.at("ab.asc") + kTexts.at("Über See.asc");
    writeFile(out_ / "komplett.txt", text);
    writeFile(out_ / "Ergebnis.BMP", "ein altes Bild");

    step("asc2ov2.bat", asc2ov2Bat("Ergebnis.ov2"), false);

    EXPECT_EQ(outputPois(), sorted(readAsc(text)));
    EXPECT_TRUE(bitmapIsIcon());
    EXPECT_EQ(listNames(out_),
              names({"asc2ov2.bat", "komplett.txt", "Ergebnis.ov2", "Ergebnis.bmp"}));
}

TEST_F(StepScriptsTest, Asc2ov2WithAShortOutputNameMakesNoBitmap) {
    const std::string text = kTexts.at("Zoo.ASC");
    writeFile(out_ / "komplett.txt", text);

    const ToolRun run = step("asc2ov2.bat", asc2ov2Bat("ab"), false);

    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(outputPois("ab"), sorted(readAsc(text)));
    EXPECT_EQ(listNames(out_), names({"asc2ov2.bat", "komplett.txt", "ab"}));
}

TEST_F(StepScriptsTest, LoggedRunKeepsEveryCommandAndToolMessageInTheLogs) {
    writeOv2Sources();
    writeFile(source_ / "Kaputt.ov2", "kein ov2 Inhalt");
    const std::vector<std::string> chosen{"Bürgen Alt.ov2", "Kaputt.ov2", "Karte.OV2"};

    const StepRuns runs = runOv2Mode(chosen, true);

    for (const ToolRun* run : {&runs.konvert, &runs.komplett, &runs.asc2ov2}) {
        EXPECT_EQ(run->output, "");
        EXPECT_EQ(run->errors, "");
    }
    const std::string konvertLog = readFile(out_ / "konvert.log");
    EXPECT_TRUE(echoesEveryLine(konvertLog, konvertBat(chosen), out_));
    EXPECT_TRUE(echoesEveryLine(readFile(out_ / "komplett.log"), komplettOv2Bat(), out_));
    EXPECT_TRUE(echoesEveryLine(readFile(out_ / "asc2ov2.log"), asc2ov2Bat("Ergebnis.ov2"), out_));

    // The tool's message stands between the echo of its line and the next one.
    const std::string brokenLine = "\\Kaputt.ov2\" \"Kaputt.asc\"\r\n";
    const std::size_t messageStart = konvertLog.find(brokenLine);
    ASSERT_NE(messageStart, std::string::npos) << konvertLog;
    const std::size_t nextEcho =
        konvertLog.find("\r\n" + out_.string() + ">", messageStart + brokenLine.size());
    ASSERT_NE(nextEcho, std::string::npos) << konvertLog;
    EXPECT_NE(konvertLog.substr(messageStart, nextEcho - messageStart)
                  .find("dumpov2: " + sourceDir_ + "\\Kaputt.ov2: "),
              std::string::npos)
        << konvertLog;
    // The script went on after the failing line.
    EXPECT_EQ(outputPois(), joined({kBurgenPois, kKartePois}));
}

TEST_F(StepScriptsTest, ErrorBatAfterAnOv2RunLeavesTheResultAndTheReport) {
    writeOv2Sources();
    runOv2Mode({"Bürgen Alt.ov2", "Karte.OV2"}, true);
    // The dumped texts are none of error.bat's business and stay.
    checkErrorReport({"Ergebnis.ov2", "Ergebnis.bmp", "Bürgen Alt.asc", "Karte.asc"});
}

TEST_F(StepScriptsTest, ErrorBatAfterAnAscRunLeavesOutTheMissingParts) {
    writeAscSources();
    runAscMode(true);
    checkErrorReport({"Ergebnis.ov2", "Ergebnis.bmp"});
}

}  // namespace
}  // namespace kavinor::test
