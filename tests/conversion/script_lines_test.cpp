#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "code_page_helpers.h"
#include "error_bundle.h"
#include "iconv_code_pages.h"
#include "script_file.h"
#include "step_scripts.h"
#include "task.h"

// Script lines that the whole-run tests do not reach: roots, short names, error.bat, and how a
// line is encoded.

namespace kavinor::conversion {
namespace {

using Lines = std::vector<std::string>;

TEST(StepScripts, DirectoriesAtARootJoinWithADoubledSeparator) {
    EXPECT_EQ(KonvertLines("C:\\", "C:\\", "D:\\", {"Karte.OV2"}),
              (Lines{"cd \"C:\\\"", "\"C:\\\\dumpov2.exe\" \"D:\\\\Karte.ov2\" \"Karte.asc\""}));
    EXPECT_EQ(Asc2ov2Lines("C:\\", "C:\\", "alle.ov2"),
              (Lines{"cd \"C:\\\"", "\"C:\\\\makeov2.exe\" \"C:\\komplett.txt\" \"alle.ov2\"",
                     "del \"C:\\alle.bmp\"", "copy \"C:\\\\icon.bmp\" \"C:\\alle.bmp\""}));
}

TEST(StepScripts, NamesAreCutByCharactersNotBytes) {
    EXPECT_EQ(DropLastCharacters("Süd.ov2", 4), "Süd");
    EXPECT_EQ(DropLastCharacters("Maß€", 2), "Ma");
    EXPECT_EQ(DropLastCharacters("abcd", 4), "");
    EXPECT_EQ(DropLastCharacters("abc", 4), std::nullopt);
    EXPECT_EQ(DropLastCharacters("äöü", 4), std::nullopt);

    // The bitmap lines need a base name; an output name of fewer characters has none.
    EXPECT_EQ(Asc2ov2Lines("/k/", "/t", "abc").size(), 2u);
    EXPECT_EQ(Asc2ov2Lines("/k/", "/t", "äöüß").back(), "copy \"/t\\icon.bmp\" \"/k/.bmp\"");
    // An entry too short for a base cannot be named, so it gets no line.
    EXPECT_EQ(KonvertLines("/k", "/t", "/s", {"x", "ab.ov2"}).size(), 2u);
}

TEST(StepScripts, EmptyTargetListLeavesTheFixedLines) {
    EXPECT_EQ(KonvertLines("/k/KonvertTemp", "/t", "/s", {}), Lines{"cd \"/k/KonvertTemp\""});
    EXPECT_EQ(KomplettAscLines("/k/", "/s", {}),
              (Lines{"cd \"/k/\"", "md ConvertTemp", "cd ConvertTemp", "copy *.asc komplett.txt",
                     "move komplett.txt ..", "cd ..", "rd ConvertTemp"}));
}

TEST(StepScripts, ErrorBatLines) {
    EXPECT_EQ(ErrorBatLines("/k/", "0.75"),
              (Lines{"cd \"/k/\"",
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
                     "del komplett.log"}));
}

TEST(StepScripts, StartLinesKeepTheirOwnBlanks) {
    EXPECT_EQ(StartCommandLine(Script::Konvert, "C:\\K\\", false), "\"C:\\K\\konvert.bat\"");
    EXPECT_EQ(StartCommandLine(Script::Komplett, "C:\\K\\", false), "\"C:\\K\\komplett.bat\"");
    EXPECT_EQ(StartCommandLine(Script::Asc2ov2, "C:\\K\\", false), "\"C:\\K\\asc2ov2.bat\"");
    EXPECT_EQ(StartCommandLine(Script::Konvert, "C:\\K\\", true),
              "\"C:\\K\\konvert.bat\" >konvert.log");
    EXPECT_EQ(StartCommandLine(Script::Komplett, "C:\\K\\", true),
              "\"C:\\K\\komplett.bat \" >komplett.log");
    EXPECT_EQ(StartCommandLine(Script::Asc2ov2, "C:\\K\\", true),
              "\"C:\\K\\asc2ov2.bat \">asc2ov2.log");
    EXPECT_EQ(StartCommandLine(Script::Error, "C:\\K\\", true), "\"C:\\K\\error.bat\"");
}

TEST(ScriptLineEncoding, PercentSignsAreDoubledAndTheLineIsInTheConsolePage) {
    const platform::IconvCodePages german("CP1252", "CP850");
    EXPECT_EQ(EncodeScriptLine(german, "copy \"C:\\Grüße\\100% Süd.asc\""),
              "copy \"C:\\Gr\x81\xE1"
              "e\\100%% S\x81"
              "d.asc\"");
    EXPECT_EQ(EncodeScriptLine(german, "%%1%"), "%%%%1%%");
    const platform::IconvCodePages utf8("UTF-8", "UTF-8");
    EXPECT_EQ(EncodeScriptLine(utf8, "del \"Grüße.asc\""), "del \"Grüße.asc\"");
}

TEST(ScriptLineEncoding, GermanPagesConvertLetterForLetter) {
    const platform::IconvCodePages german("CP1252", "CP850");
    // ä ö ü Ä Ö Ü ß: one byte each in the console page, which has no euro sign.
    EXPECT_EQ(ANSI_To_DOS(german, "äöüÄÖÜß 5€"), "\x84\x94\x81\x8E\x99\x9A\xE1 5?");
    EXPECT_EQ(DOS_To_ANSI(german, "\x84\x94\x81\x8E\x99\x9A\xE1"), "äöüÄÖÜß");
}

}  // namespace
}  // namespace kavinor::conversion
