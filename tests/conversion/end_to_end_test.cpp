#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "end_to_end_fixture.h"
#include "test_files.h"

// Whole runs from the click to the message, with the real interpreter and tools: the bytes of
// what they leave, and what they leave alone.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;

const std::vector<Poi> kBurgen = {
    {1074980, 4755760, "Schloss Neuschwanstein", "burg-001", "nur mit Führung", true},
    {1073611, 4755556, "Schloss Hohenschwangau", "", "", false}};
const std::vector<Poi> kKarte = {{896750, 4832306, "Burg Hohenzollern", "", "", false}};
const std::vector<Poi> kSee = {{-12345, -3350000, "Kap der Guten Hoffnung", "", "", false},
                               {947000, 4765000, "Bodensee", "r-7", "", true}};
const std::vector<Poi> kOther = {{100, 200, "Nicht gewählt", "", "", false}};
const std::vector<Poi> kUsersOwn = {{300, 400, "Eigener Text", "", "", false}};

class ConversionEndToEnd : public EndToEnd {
protected:
    void writeOv2Sources() {
        writeFile(source() / "Bürgen Alt.ov2", ov2File(kBurgen));
        writeFile(source() / "Karte.OV2", ov2File(kKarte));
        writeFile(source() / "Über See.ov2", ov2File(kSee));
        writeFile(source() / "Nicht.ov2", ov2File(kOther));
    }
    void writeAscSources(const fs::path& dir) {
        writeFile(dir / "Bürgen Alt.asc", ascFile(kBurgen));
        writeFile(dir / "Karte.ASC", ascFile(kKarte));
        writeFile(dir / "Über See.asc", ascFile(kSee));
        writeFile(dir / "Nicht.asc", ascFile(kOther));
    }
    // Files of the user's own that the run must neither read nor change nor delete.
    void writeUsersFiles(const fs::path& dir) {
        writeFile(dir / "Eigene.asc", ascFile(kUsersOwn));
        writeFile(dir / "notiz.txt", "bleibt\r\n");
    }

    std::map<std::string, std::string> withoutRunFiles(std::map<std::string, std::string> files,
                                                       const std::vector<std::string>& made) {
        for (const std::string& name : made) files.erase(name);
        return files;
    }

    void expectSucceeded(const fs::path& output) {
        EXPECT_EQ(run().messages.shown, std::vector<ShownMessage>{successMessage()});
        EXPECT_EQ(run().window.txtov2.text(), output.string());
    }
};

TEST_F(ConversionEndToEnd, Ov2FilesMergeIntoExactlyTheChosenPois) {
    writeOv2Sources();
    writeUsersFiles(out());
    // Without the error log, a bundle of an earlier run is left alone.
    writeFile(out() / "Error.bug", "from an earlier run");
    const std::map<std::string, std::string> before = contents(out());
    run().choose(true, source(), {"Bürgen Alt.ov2", "Karte.OV2", "Über See.ov2"});
    run().convert(out() / "Alle Punkte.ov2");

    expectSucceeded(out() / "Alle Punkte.ov2");
    EXPECT_EQ(sorted(readOv2(readFile(out() / "Alle Punkte.ov2"))),
              joined({kBurgen, kKarte, kSee}));
    EXPECT_EQ(readFile(out() / "Alle Punkte.bmp"), readFile(kBuiltTools / "icon.bmp"));
    EXPECT_EQ(withoutRunFiles(contents(out()), {"Alle Punkte.ov2", "Alle Punkte.bmp"}), before);
    EXPECT_EQ(contents(source()).size(), 4u);
}

// With the error log: Error.bug stays, and nothing else of the run. The chosen texts are
// joined in name order without regard to case, whatever order they were chosen in.
TEST_F(ConversionEndToEnd, AscFilesInTheOutputDirectoryWithTheErrorLog) {
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"ab.asc", crlf({"; Teil ab", "10.74980,47.55760,\"Neuschwanstein\",\"b-1\",\"Führung\""})},
        {"a_b.asc", crlf({"8.96750,48.32306,\"Burg Hohenzollern\""})},
        {"bürgen alt.asc", ascFile(kBurgen)},
        {"Zoo.ASC", crlf({"13.33750,52.50833,\"Zoo \"\"Berlin\"\"\""})},
        {"Über See.asc", ascFile(kSee)}};
    std::string joinedTexts;
    for (const auto& [name, text] : texts) {
        writeFile(source() / name, text);
        joinedTexts += text;
    }
    writeUsersFiles(source());
    const std::map<std::string, std::string> before = contents(source());
    run().window.mnuError.setChecked(true);
    run().choose(false, source(),
                 {"Über See.asc", "Zoo.ASC", "bürgen alt.asc", "a_b.asc", "ab.asc"});
    run().convert(source() / "Alle.ov2");

    expectSucceeded(source() / "Alle.ov2");
    EXPECT_EQ(sorted(readOv2(readFile(source() / "Alle.ov2"))), sorted(readAsc(joinedTexts)));
    EXPECT_EQ(readFile(source() / "Alle.bmp"), readFile(kBuiltTools / "icon.bmp"));
    EXPECT_EQ(withoutRunFiles(contents(source()), {"Alle.ov2", "Alle.bmp", "Error.bug"}), before);
    EXPECT_EQ(atErrorBat["komplett.txt"], joinedTexts);
    expectErrorBundle(source());
}

TEST_F(ConversionEndToEnd, Ov2FilesWithTheErrorLogAndAShortOutputName) {
    writeOv2Sources();
    writeUsersFiles(out());
    writeFile(out() / "Error.bug", "from an earlier run");
    const std::map<std::string, std::string> before = contents(out());
    run().window.mnuError.setChecked(true);
    run().choose(true, source(), {"Karte.OV2", "Über See.ov2"});
    run().convert(out() / "ab");

    expectSucceeded(out() / "ab");
    EXPECT_EQ(sorted(readOv2(readFile(out() / "ab"))), joined({kKarte, kSee}));
    EXPECT_EQ(withoutRunFiles(contents(out()), {"ab", "Error.bug"}),
              withoutRunFiles(before, {"Error.bug"}));
    EXPECT_NE(atErrorBat["konvert.bat"].find("dumpov2.exe\" \"" + source().string() +
                                             "\\Karte.ov2\" \"Karte.asc\""),
              std::string::npos);
    expectErrorBundle(out());
}

// A source directory written with its closing separator, as at a root, and an output directory
// with a doubled one; an older bitmap of the output's name in another case is replaced.
TEST_F(ConversionEndToEnd, SeparatorsAtTheEndOrDoubledAndAnOlderBitmap) {
    writeOv2Sources();
    writeFile(out() / "Alle.BMP", "an older picture");
    run().choose(true, source() / "", {"Karte.OV2"});
    run().convert(temp.path().string() + "//Ziel ö/Alle.ov2");

    EXPECT_EQ(run().messages.shown, std::vector<ShownMessage>{successMessage()});
    EXPECT_EQ(sorted(readOv2(readFile(out() / "Alle.ov2"))), kKarte);
    EXPECT_EQ(contents(out()),
              (std::map<std::string, std::string>{{"Alle.bmp", readFile(kBuiltTools / "icon.bmp")},
                                                  {"Alle.ov2", readFile(out() / "Alle.ov2")}}));
}

// The second run replaces the first one's output; the source list shows it afterwards.
TEST_F(ConversionEndToEnd, ARunAgainReplacesTheOutputAndListsIt) {
    writeOv2Sources();
    run().choose(true, source(), {"Karte.OV2"});
    run().convert(source() / "Neu.ov2");
    EXPECT_EQ(sorted(readOv2(readFile(source() / "Neu.ov2"))), kKarte);

    run().choose(true, source(), {"Bürgen Alt.ov2", "Nicht.ov2"});
    run().convert(source() / "Neu.ov2");
    EXPECT_EQ(sorted(readOv2(readFile(source() / "Neu.ov2"))), joined({kBurgen, kOther}));
    EXPECT_EQ(run().messages.shown.size(), 2u);
    EXPECT_EQ(run().window.lstAuswahl1.entries(),
              (std::vector<std::string>{"Bürgen Alt.ov2", "Karte.OV2", "Neu.ov2", "Nicht.ov2",
                                        "Über See.ov2"}));
}

// The interpreter reads `%%` as `%` and would expand `%OS%` or `%1`; names keep theirs.
TEST_F(ConversionEndToEnd, PercentSignsInNamesAndDirectories) {
    writeFile(source() / "Rabatt 50%.ov2", ov2File(kKarte));
    writeFile(source() / "%1 und %PATH%.ov2", ov2File(kSee));
    const fs::path target = temp.path() / "100% Ziel";
    fs::create_directories(target);
    run().choose(true, source(), {"Rabatt 50%.ov2", "%1 und %PATH%.ov2"});
    run().convert(target / "Alle %OS%.ov2");

    expectSucceeded(target / "Alle %OS%.ov2");
    EXPECT_EQ(sorted(readOv2(readFile(target / "Alle %OS%.ov2"))), joined({kKarte, kSee}));
    EXPECT_EQ(listNames(target), (std::vector<std::string>{"Alle %OS%.bmp", "Alle %OS%.ov2"}));
}

// Directories of the user's own that bear the names of the run's scratch directories are
// neither used nor touched: .ov2 input takes another name, .asc input fails.
TEST_F(ConversionEndToEnd, TheUsersDirectoriesAreNeverTheRunsScratch) {
    writeOv2Sources();
    writeAscSources(source());
    writeFile(out() / "KonvertTemp" / "Eigene.asc", ascFile(kUsersOwn));
    writeFile(out() / "converttemp" / "Karte.ASC", "the user's own, not a copy");
    const std::map<std::string, std::string> before = contents(out());
    run().choose(true, source(), {"Karte.OV2"});
    run().convert(out() / "Karte.ov2");
    EXPECT_EQ(sorted(readOv2(readFile(out() / "Karte.ov2"))), kKarte);

    run().choose(false, source(), {"Karte.ASC"});
    run().convert(out() / "Karte.ov2");
    EXPECT_EQ(run().messages.shown,
              (std::vector<ShownMessage>{successMessage(), failureMessage()}));
    EXPECT_EQ(sorted(readOv2(readFile(out() / "Karte.ov2"))), kKarte);
    EXPECT_EQ(withoutRunFiles(contents(out()), {"Karte.ov2", "Karte.bmp"}), before);
    EXPECT_EQ(contents(out() / "KonvertTemp"),
              (std::map<std::string, std::string>{{"Eigene.asc", ascFile(kUsersOwn)}}));
    EXPECT_EQ(contents(out() / "converttemp"),
              (std::map<std::string, std::string>{{"Karte.ASC", "the user's own, not a copy"}}));
}

}  // namespace
}  // namespace kavinor::test
