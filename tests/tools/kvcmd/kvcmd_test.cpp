#include <gtest/gtest.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <map>

#include "ov2_bytes.h"
#include "poi_files.h"
#include "run_tool.h"
#include "temp_dir.h"
#include "test_files.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Lines = std::vector<std::string>;
// Path below the working directory to the bytes of every file, and to "<dir>" for a directory.
using Tree = std::map<std::string, std::string>;

const fs::path kToolDir = KAVINOR_TOOL_DIR;
const std::string kPathNotFound = "Das System kann den angegebenen Pfad nicht finden.";
const std::string kNotADirectory = "Der Verzeichnisname ist ungültig.";
const std::string kAccessDenied = "Zugriff verweigert";
const std::string kNotAProgram = "Die Datei ist kein ausführbares Programm.";
const std::string kUnterminatedQuote = "Das schließende Anführungszeichen fehlt.";
const std::string kMissingTarget = "Nach dem Umleitungszeichen fehlt der Dateiname.";
const std::string kBadName =
    "Die Syntax für den Dateinamen, Verzeichnisnamen oder die Datenträgerbezeichnung ist falsch.";
const std::string kUsage = "kvcmd: usage: kvcmd /c COMMANDLINE | kvcmd SCRIPT [ARGUMENTS]\n";

std::string count(int files, const char* done) {
    return "        "s + std::to_string(files) + " Datei(en) " + done + ".";
}

std::string notACommand(std::string_view name) {
    return "\"" + std::string(name) +
           "\" ist kein interner oder externer Befehl, ein ausführbares Programm oder eine "
           "Batchdatei.";
}

std::string cannotStart(std::string_view name, std::string_view reason) {
    return "\"" + std::string(name) + "\" kann nicht gestartet werden: " + std::string(reason);
}

std::string refused(char c) {
    return "Das Zeichen \""s + c + "\" außerhalb von Anführungszeichen wird nicht unterstützt.";
}

// Scripts live outside the working directory, so that a snapshot of it shows all a run changed.
class Kvcmd : public ::testing::Test {
protected:
    Kvcmd() {
        fs::create_directories(work());
        fs::create_directories(scratch());
    }

    fs::path work() const { return tmp.path() / "work"; }
    fs::path scratch() const { return tmp.path() / "scratch"; }
    std::string at(const std::string& name) const { return (work() / name).string(); }

    // Makes each file, holding its own file name, and each directory (a name ending in '/').
    void make(const Lines& names) const {
        for (const std::string& name : names) {
            if (name.ends_with('/')) {
                fs::create_directories(work() / name);
            } else {
                writeFile(work() / name, fs::path(name).filename().string());
            }
        }
    }

    ToolRun run(const Lines& args) const {
        return runTool(program.string(), args, work(), scratch() / "stderr.txt",
                       scratch() / "stdout.txt", user);
    }
    // Runs the lines as the program starts a step script: `kvcmd /c "<its full path>"`.
    ToolRun runScript(const std::string& text) const {
        writeFile(scratch() / "schritt.bat", text);
        return run({"/c", "\"" + (scratch() / "schritt.bat").string() + "\""});
    }

    Tree tree() const {
        Tree tree;
        for (const auto& entry : fs::recursive_directory_iterator(
                 work(), fs::directory_options::skip_permission_denied)) {
            tree[fs::relative(entry.path(), work()).string()] =
                entry.is_directory() ? "<dir>" : readFile(entry.path());
        }
        return tree;
    }

    // `changes` maps a path to its new bytes, or to "" for a path removed.
    void expectScript(std::initializer_list<Lines> script, std::initializer_list<Lines> output,
                      std::initializer_list<Lines> errors, const Tree& changes) const {
        const auto text = [](std::initializer_list<Lines> sections) {
            std::string text;
            for (const Lines& lines : sections) text += crlf(lines);
            return text;
        };
        Tree expected = tree();
        for (const auto& [name, bytes] : changes) {
            if (bytes.empty()) {
                expected.erase(name);
            } else {
                expected[name] = bytes;
            }
        }
        const ToolRun run = runScript(text(script));
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output, text(output));
        EXPECT_EQ(run.errors, text(errors));
        EXPECT_EQ(tree(), expected);
    }

    TempDir tmp;
    fs::path program = kToolDir / "kvcmd";
    std::optional<uid_t> user;
};

// What echo shows before a command: an empty line, the prompt and the command.
std::string echoed(const fs::path& dir, const std::string& command) {
    return "\r\n" + dir.string() + ">" + command;
}

TEST_F(Kvcmd, CommandsOfTheStepScriptsDoExactlyTheirWork) {
    make({"Unter/", "ziel.TXT", "join/a.txt", "join/b.txt", "join/ziel.txt", "alle/seen.asc",
          "alle/Burgen.ASC", "alle/a_b.asc", "alle/AB.asc", "alle/notiz.txt", "alle/alles.asc",
          "alle/ordner.asc/", "alle/Ablage/"});
    make({"komplett.txt", "weg/mit blank.txt", "weg/x.tmp", "weg/Y.TMP", "weg/bleibt.asc"});
    writeFile(work() / "Quelle" / "Bürgen Alt.asc",
              "alt\x1A"
              "bytes");
    writeFile(work() / "Temp" / "komplett.txt", "neu");
    writeFile(work() / "version.txt", "a longer text, which the redirection replaces whole");
    const fs::path unter = work() / "Unter";
    fs::create_directories(scratch() / "Mein Werkzeug");
    fs::copy_file(kToolDir / "kvcmd", scratch() / "Mein Werkzeug" / "kvcmd");
    const std::string kvcmd =
        "\"" + (kToolDir / "kvcmd.exe").string() + "\" /c \"echo innen\" >i.txt";
    expectScript(
        {{"cd unter", "echo hallo welt\n@echo leise\recho>status.txt", "echo off", "echo still",
          "  ", "echo >>status.txt", "echo on", "@cd ..", ":: Kommentar", ":marke", "rem nichts",
          kvcmd, "@\"" + (kToolDir / "kvcmd.exe ").string() + "\" /c \"echo ins log\"",
          "@\"" + (scratch() / "mein werkzeug" / "KVCMD.exe").string() + "\" /c \"echo b\">b.txt",
          "@echo off"},
         {"echo Kavinor 0.75 >version.txt", "echo.>leer.txt", "echo  zwei  >>leer.txt",
          "echo 100%% sicher>prozent.txt"},
         {"md ConvertTemp", "cd ConvertTemp", "cd", "cd ..", "rd converttemp", "md a\\b",
          "cd a\\\\b\\", "cd..", "cd", "cd /d \"" + work().string() + "/\""},
         {"copy \"quelle\\bürgen alt.asc\"", "copy \"quelle\\Bürgen Alt.asc\" \"Ziel.txt\"",
          "cd join", "copy a.txt+fehlt.txt+B.TXT + a.txt ziel.txt", "copy b.txt+a.txt",
          "copy /proc/version+a.txt system.txt", "copy a.txt+/proc/version system2.txt",
          "copy fehlt.txt+nix.txt neu.txt", "cd ..\\alle", "copy *.asc alles.asc",
          "copy s*.asc ablage", "copy fehlt.asc+Burgen.asc+AB.asc ablage\\"},
         {"cd ..\\temp", "move komplett.txt ..", "cd ..", "move join\\A.txt join\\c.txt",
          "del weg\\fehlt.txt", "del \"weg\\Mit Blank.txt\"", "del weg\\*.tmp"}},
        {{echoed(work(), "cd unter"), echoed(unter, "echo hallo welt"), "hallo welt", "leise",
          echoed(unter, "echo>status.txt"), echoed(unter, "echo off"), "still",
          echoed(work(), "rem nichts"), echoed(work(), kvcmd), "ins log"},
         {at("ConvertTemp"), at("a"), count(1, "kopiert"), count(1, "kopiert"), "a.txt", "b.txt",
          "a.txt", count(1, "kopiert"), "b.txt", "a.txt", count(1, "kopiert"), "/proc/version",
          "a.txt", count(1, "kopiert"), "a.txt", "/proc/version", count(1, "kopiert"),
          count(0, "kopiert")},
         {"AB.asc", "a_b.asc", "Burgen.ASC", "seen.asc", count(1, "kopiert"), "seen.asc",
          count(1, "kopiert"), "Burgen.ASC", "AB.asc", count(1, "kopiert"), count(1, "verschoben"),
          count(1, "verschoben")}},
        {{"Das System kann die angegebene Datei nicht finden.",
          "Datei nicht gefunden - " + at("weg/fehlt.txt")}},
        {{"i.txt", "innen\r\n"},
         {"b.txt", "b\r\n"},
         {"Unter/status.txt", "ECHO ist eingeschaltet (ON).\r\nECHO ist ausgeschaltet (OFF).\r\n"},
         {"version.txt", "Kavinor 0.75 \r\n"},
         {"leer.txt", "\r\n zwei  \r\n"},
         {"prozent.txt", "100% sicher\r\n"},
         {"a", "<dir>"},
         {"a/b", "<dir>"},
         {"Bürgen Alt.asc",
          "alt\x1A"
          "bytes"},
         {"ziel.TXT",
          "alt\x1A"
          "bytes"},
         {"join/ziel.txt", "a.txtb.txta.txt"},
         // The system's file is read by the interpreter, the other copied within the system.
         {"join/system.txt", readFile("/proc/version") + "a.txt"},
         {"join/system2.txt", "a.txt" + readFile("/proc/version")},
         {"join/b.txt", "b.txta.txt"},
         {"join/a.txt", ""},
         {"join/c.txt", "a.txt"},
         {"alle/alles.asc", "AB.asca_b.ascBurgen.ASCseen.asc"},
         {"alle/Ablage/seen.asc", "seen.asc"},
         {"alle/Ablage/Burgen.ASC", "Burgen.ASCAB.asc"},
         {"Temp/komplett.txt", ""},
         {"komplett.txt", "neu"},
         {"weg/mit blank.txt", ""},
         {"weg/x.tmp", ""},
         {"weg/Y.TMP", ""}});
}

// Permission bits do not bind root, so a test running as root runs kvcmd as nobody, from a copy
// that nobody can reach.
TEST_F(Kvcmd, BadInputIsOneLineEachAndChangesNothingElse) {
    make({"a.txt", "datei.txt", "ordner/inhalt.txt", "ordner/gross.txt/", "vorhanden.txt",
          "lesend/drin.txt", "gesperrt/", "ziel.txt", "und&oder.txt", "fremd.txt"});
    // Root's file keeps its owner's write bit: only nobody's lack of permission protects it.
    fs::permissions(work() / "fremd.txt", fs::perms(geteuid() == 0 ? 0644 : 0444));
    writeFile(work() / "gross.txt", std::string(300 * 1024, 'g'));
    for (const char* name : {"ohne-recht.exe", "ohne-format.exe", "nur-name", "leer.exe"}) {
        writeFile(work() / name, name == "leer.exe"s ? "" : ": > marke\n");
        fs::permissions(work() / name, fs::perms(name == "ohne-recht.exe"s ? 0644 : 0755));
    }
    const std::string weirdOv2 = "$(touch marke) & `touch marke`.ov2";
    writeFile(work() / weirdOv2,
              simplePoi(1234567, 5012345, "Eins") + simplePoi(-123, 456, "Zwei & $(touch x)"));
    const fs::path bin = scratch() / "bin";
    for (const char* tool : {"kvcmd", "dumpov2"}) {
        fs::create_directories(bin);
        fs::copy_file(kToolDir / tool, bin / tool);
    }
    for (const auto& entry : fs::recursive_directory_iterator(tmp.path())) {
        if (entry.is_directory()) fs::permissions(entry.path(), fs::perms::all);
    }
    fs::permissions(tmp.path(), fs::perms(0755));
    fs::permissions(work() / "lesend", fs::perms(0555));
    fs::permissions(work() / "gesperrt", fs::perms::none);
    program = bin / "kvcmd";
    if (geteuid() == 0) user = 65534;
    const std::string missing = "Datei nicht gefunden - " + at("fehlt.txt");
    const auto failed = [](const std::string& name, const char* what) {
        return "Die Datei \"" + name + "\" kann nicht " + what + " werden.";
    };
    expectScript(
        {{"@echo off", "cd fehlt", "cd datei.txt", "cd datei.txt\\unter", "cd \"fehlt\\mit blank\"",
          "copy a.txt datei.txt\\unter\\b.txt", "copy a.txt fehlt\\b.txt", "copy a.txt fehlt\\",
          "md datei.txt\\unter", "move a.txt datei.txt\\unter\\d.txt", "move a.txt fehlt\\d.txt"},
         {"frobnicate x", "copy \"a.txt b.txt", "echo \"offen>b.txt", "echo hallo >fehlt\\f.txt",
          "echo hallo >datei.txt\\f.txt", "echo hallo >ordner", "echo hallo >",
          "echo hallo >>\"\""},
         {"del fehlt.txt", "del fehlt.txt vorhanden.txt", "del ordner", "del \"ordner\\\"",
          "del ord*", "rd ordner", "rd datei.txt", "del \"datei.txt\0.bak\""s,
          "echo neu>\"datei.txt\0.neu\""s, "md datei.txt", "copy /x a.txt b.txt",
          "copy a.txt b.txt c.txt", "date 01.01.2020"},
         {"cd gesperrt", "md lesend\\neu", "copy a.txt lesend", "echo x >lesend\\f.txt",
          "del lesend\\drin.txt", "move a.txt lesend", "copy /proc/self/mem ziel.txt",
          "copy gross.txt + /proc/self/mem ziel.txt", "copy gross.txt ordner", "copy a.txt",
          "copy a.txt fremd.txt"},
         {"ohne-recht.exe eins", "ohne-format.exe zwei", "\"" + at("ohne-format.exe") + "\" drei",
          "nur-name.exe vier", "leer.exe"},
         {"copy \"und&oder.txt\" \"rohr|semi;kolon.txt\"",
          "move \"rohr|semi;kolon.txt\" \"$HOME $(touch marke).txt\"",
          "echo text>\"`touch marke`.txt\"", "echo text>>\"100%%.txt\"", "del \"und&oder.txt\"",
          "\"" + (bin / "DUMPOV2.EXE").string() + "\" \"" + weirdOv2 + "\" \"x|y;z%%.asc\"",
          "echo \"a & b | c < d\">zitat.txt", "echo eins>eins.txt & echo zwei>zwei.txt",
          "echo eins | frobnicate", "echo eins < \"100%%.txt\"",
          "del \"100%%.txt\" & del \"`touch marke`.txt\"", "echo weiter>weiter.txt"}},
        {{count(0, "kopiert"), count(0, "kopiert"), count(0, "kopiert"), count(0, "verschoben"),
          count(0, "verschoben"), count(0, "kopiert"), count(0, "verschoben"), count(0, "kopiert"),
          count(0, "kopiert"), count(0, "kopiert"), count(0, "kopiert"), count(0, "kopiert"),
          count(1, "kopiert"), count(1, "verschoben")}},
        {{kPathNotFound, kNotADirectory, kPathNotFound, kPathNotFound, kPathNotFound, kPathNotFound,
          kPathNotFound, kNotADirectory, kNotADirectory, kPathNotFound},
         {notACommand("frobnicate"), kUnterminatedQuote, kUnterminatedQuote,
          "fehlt\\f.txt: " + kPathNotFound, "datei.txt\\f.txt: " + kNotADirectory,
          "ordner: " + kAccessDenied, kMissingTarget, kMissingTarget},
         {missing, missing, "\"ordner\" ist ein Verzeichnis.", "\"ordner\" ist ein Verzeichnis.",
          "Datei nicht gefunden - " + at("ord*"), "Das Verzeichnis ist nicht leer.", kNotADirectory,
          kBadName, kBadName,
          "Ein Unterverzeichnis oder eine Datei mit dem Namen \"datei.txt\" existiert bereits.",
          "Ungültiger Schalter - \"/x\".", "Die Syntax des Befehls ist falsch.",
          "Das Datum wird nur angezeigt: \"date /t\"."},
         {kAccessDenied, kAccessDenied, failed("lesend/a.txt", "geschrieben"),
          "lesend\\f.txt: " + kAccessDenied, kAccessDenied, kAccessDenied,
          failed("/proc/self/mem", "gelesen"), failed("/proc/self/mem", "gelesen"),
          failed("ordner/gross.txt", "geschrieben"),
          "Die Datei kann nicht auf sich selbst kopiert werden.",
          failed("fremd.txt", "geschrieben")},
         {cannotStart("ohne-recht.exe", kAccessDenied),
          cannotStart("ohne-format.exe", kNotAProgram),
          cannotStart(at("ohne-format.exe"), kNotAProgram),
          cannotStart("nur-name.exe", kNotAProgram), cannotStart("leer.exe", kNotAProgram),
          refused('&'), refused('|'), refused('<'), refused('&')}},
        {{"weiter.txt", "weiter\r\n"},
         {"vorhanden.txt", ""},
         {"und&oder.txt", ""},
         {"$HOME $(touch marke).txt", "und&oder.txt"},
         {"`touch marke`.txt", "text\r\n"},
         {"100%.txt", "text\r\n"},
         {"x|y;z%.asc", "12.34567,50.12345,\"Eins\"\r\n-0.00123,0.00456,\"Zwei & $(touch x)\"\r\n"},
         {"zitat.txt", "\"a & b | c < d\"\r\n"}});
    fs::permissions(work() / "gesperrt", fs::perms::owner_all);
    fs::permissions(work() / "lesend", fs::perms::owner_all);
}

TEST_F(Kvcmd, InvocationAndProgramsRunFromScripts) {
    make({"ordner.bat/inhalt.txt", "datei.txt"});
    writeFile(work() / "args.bat", crlf({"@echo %1-%2 >args.txt"}));
    const Tree before = tree();
    for (const auto& [args, code, message] : std::vector<std::tuple<Lines, int, std::string>>{
             {{}, 2, kUsage},
             {{"/c"}, 2, kUsage},
             {{""}, 2, kUsage},
             {{"/c", "\"/fehlt/x.bat\""}, 1, crlf({notACommand("/fehlt/x.bat")})},
             {{"fehlt.bat"}, 1, crlf({notACommand("fehlt.bat")})},
             {{"/c", "\"" + at("ordner.bat") + "\""}, 1, crlf({notACommand(at("ordner.bat"))})},
             {{"ordner.bat"}, 1, crlf({notACommand("ordner.bat")})},
             {{"/c", "echo eins & echo zwei>zwei.txt"}, 1, crlf({refused('&')})},
             {{"/c", "datei.txt"}, 1, crlf({cannotStart("datei.txt", kAccessDenied)})},
             {{"/c", "echo x >fehlt\\log.txt"}, 1, crlf({"fehlt\\log.txt: " + kPathNotFound})},
             {{"/c", "echo x >datei.txt\\l"}, 1, crlf({"datei.txt\\l: " + kNotADirectory})},
             {{"/c", "echo x >ordner.bat"}, 1, crlf({"ordner.bat: " + kAccessDenied})}}) {
        const ToolRun run = this->run(args);
        EXPECT_EQ(run.exitCode, code) << message;
        EXPECT_EQ(run.errors + run.output, message);
    }
    EXPECT_EQ(tree(), before);
    for (const std::string empty : {"", "\r\n", " \t\r\n\r\n  \r\n"}) {
        EXPECT_EQ(runScript(empty).exitCode, 0);
        EXPECT_EQ(readFile(scratch() / "stderr.txt") + readFile(scratch() / "stdout.txt"), "");
    }
    EXPECT_EQ(run({"args.bat", "eins", "zwei"}).exitCode, 0);
    EXPECT_EQ(readFile(work() / "args.txt"), "eins-zwei \r\n");
}

// A name in another letter case finds what the interpreter and the programs it starts made in
// the same script, also after the directory was looked in.
TEST_F(Kvcmd, ProgramsAndTheInterpreterFindEachOthersFilesInAnyCase) {
    writeFile(work() / "teil.ov2", sampleOv2(2));
    make({"datei.txt"});
    const std::string dump = "\"" + (kToolDir / "dumpov2").string() + ".exe\" teil.ov2 ";
    runScript(crlf({"@copy datei.txt KARTE.asc", "@" + dump + "karte.asc", "@" + dump + "Neu.asc",
                    "@del NEU.ASC", "@" + dump + "NEU.asc", "@copy neu.ASC karte.ASC"}));
    Tree expected{{"datei.txt", "datei.txt"}, {"teil.ov2", sampleOv2(2)}};
    expected["KARTE.asc"] = expected["NEU.asc"] = sampleAsc(2);
    EXPECT_EQ(tree(), expected);
}

TEST_F(Kvcmd, DirDateAndTimeShowWhatIsThere) {
    make({"Liste/klein.asc", "Liste/Unter/"});
    writeFile(work() / "Liste" / "groß.ov2", std::string(1234, 'x'));
    const auto shown = [](std::time_t t) {
        char text[32];
        std::tm local{};
        localtime_r(&t, &local);
        std::strftime(text, sizeof text, "%d.%m.%Y\r\n%H:%M\r\n", &local);
        return std::string(text);
    };
    const std::string before = shown(std::time(nullptr));
    const std::string clock = runScript(crlf({"@date /t", "@TIME /T"})).output;
    // The clock may pass a minute between the two readings; either side is right.
    EXPECT_TRUE(clock == before || clock == shown(std::time(nullptr))) << clock;
    const auto dir = [&](const std::string& args) {
        const ToolRun run = runScript(crlf({"@dir " + args}));
        EXPECT_EQ(run.errors, "") << args;
        return run.output;
    };
    const std::string matching = dir("Liste\\*.asc"), root = dir("/"), listing = dir("liste");
    EXPECT_NE(matching.find(" klein.asc\r\n"), std::string::npos) << matching;
    EXPECT_EQ(matching.find("groß"), std::string::npos) << matching;
    EXPECT_NE(root.find("    <DIR>          .\r\n"), std::string::npos) << root;
    EXPECT_EQ(root.find("    <DIR>          ..\r\n"), std::string::npos) << root;
    const std::string stamp = "##.##.####  ##:##";
    const std::string shape =
        crlf({" Verzeichnis von " + at("Liste"), "", stamp + "    <DIR>          .",
              stamp + "    <DIR>          ..", stamp + "             1.234 groß.ov2",
              stamp + "                 9 klein.asc", stamp + "    <DIR>          Unter",
              "               2 Datei(en),          1.243 Bytes"});
    EXPECT_TRUE(hasShape(listing.substr(0, shape.size()), shape)) << listing;
    const std::string totals = listing.substr(std::min(shape.size(), listing.size()));
    EXPECT_TRUE(totals.starts_with("               3 Verzeichnis(se), ")) << totals;
    EXPECT_TRUE(totals.ends_with(" Bytes frei\r\n")) << totals;
}

}  // namespace
}  // namespace kavinor::test
