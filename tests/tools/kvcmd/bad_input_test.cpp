#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kvcmd_test.h"
#include "ov2_bytes.h"
#include "test_files.h"

// Scripts that cannot do what they say: each complaint is one line, the script goes on, and
// nothing changes but what the lines that can work do.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Lines = std::vector<std::string>;
// Relative path to bytes of every file, and to "<dir>" for every directory.
using Tree = std::map<std::string, std::string>;

const std::string kPathNotFound = "Das System kann den angegebenen Pfad nicht finden.";
const std::string kNotADirectory = "Der Verzeichnisname ist ungültig.";
const std::string kAccessDenied = "Zugriff verweigert";
const std::string kNotAProgram = "Die Datei ist kein ausführbares Programm.";
const std::string kUnterminatedQuote = "Das schließende Anführungszeichen fehlt.";
const std::string kMissingTarget = "Nach dem Umleitungszeichen fehlt der Dateiname.";
const std::string kBadName =
    "Die Syntax für den Dateinamen, Verzeichnisnamen oder die Datenträgerbezeichnung ist falsch.";
const std::string kNoneCopied = "        0 Datei(en) kopiert.";
const std::string kNoneMoved = "        0 Datei(en) verschoben.";

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

// Every script runs from outside the working directory, so that a snapshot of the whole
// temporary tree taken before a run shows all that the run changed, wherever it did.
class BadInput : public KvcmdTest {
protected:
    fs::path root() const { return work().parent_path(); }
    fs::path script() const { return scratch() / "schritt.bat"; }

    // Everything under the temporary directory but the script and kvcmd's kept output.
    Tree tree() const {
        Tree tree;
        for (const auto& entry : fs::recursive_directory_iterator(root())) {
            const std::string name = fs::relative(entry.path(), root()).string();
            tree[name] = entry.is_directory() ? "<dir>" : readFile(entry.path());
        }
        for (const char* own :
             {"scratch/schritt.bat", "scratch/stderr.txt", "scratch/stdout.txt"}) {
            tree.erase(own);
        }
        return tree;
    }

    // Runs the lines quietly, then one that must still run; checks the complaints, what was
    // printed, and that the tree changed only by `changes` (an empty text: removed).
    void expectScript(const Lines& lines, const Lines& errors, const Lines& output = {},
                      const Tree& changes = {}) const {
        Tree expected = tree();
        Lines all{"@echo off"};
        all.insert(all.end(), lines.begin(), lines.end());
        all.push_back("echo weiter>weiter.txt");
        writeFile(script(), crlf(all));
        const ToolRun run = runLine("\"" + script().string() + "\"");
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.errors, crlf(errors));
        EXPECT_EQ(run.output, crlf(output));
        expected["work/weiter.txt"] = "weiter\r\n";
        for (const auto& [name, text] : changes) {
            if (text.empty()) {
                expected.erase(name);
            } else {
                expected[name] = text;
            }
        }
        EXPECT_EQ(tree(), expected);
    }
};

TEST_F(BadInput, InvocationWithoutARunnableScriptSaysSoInOneLine) {
    writeFile(work() / "ordner.bat" / "inhalt.txt", "bleibt");
    const std::string directoryScript = (work() / "ordner.bat").string();
    const Tree before = tree();
    for (const Lines& args : std::vector<Lines>{{}, {"/c"}, {""}}) {
        const ToolRun run = runArgs(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errors.starts_with("kvcmd: usage: ")) << run.errors;
        EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
    }
    // A name that is not there, or that names a directory, is no command.
    for (const auto& [args, name] : std::vector<std::pair<Lines, std::string>>{
             {{"/c", "\"/fehlt/x.bat\""}, "/fehlt/x.bat"},
             {{"fehlt.bat"}, "fehlt.bat"},
             {{"/c", "\"" + directoryScript + "\""}, directoryScript},
             {{"ordner.bat"}, "ordner.bat"}}) {
        const ToolRun run = runArgs(args);
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_EQ(run.errors + run.output, crlf({notACommand(name)}));
    }
    for (const Lines& empty : std::vector<Lines>{{}, {""}, {" \t", "", "  "}}) {
        writeFile(script(), crlf(empty));
        const ToolRun run = runLine("\"" + script().string() + "\"");
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.errors + run.output, "");
    }
    EXPECT_EQ(tree(), before);
}

TEST_F(BadInput, DirectoriesThatAreNotThere) {
    writeFile(work() / "a.txt", "Quelle");
    writeFile(work() / "datei.txt", "Datei");
    // A move whose source is there but whose target directory is not must not claim that the
    // file is missing.
    expectScript({"cd fehlt", "echo eins>nach-fehlt.txt", "cd datei.txt", "cd datei.txt\\unter",
                  "cd \"fehlt\\mit blank\"", "copy a.txt datei.txt\\unter\\b.txt",
                  "copy a.txt fehlt\\b.txt", "copy a.txt fehlt\\", "md datei.txt\\unter",
                  "move a.txt datei.txt\\unter\\d.txt", "move a.txt fehlt\\d.txt"},
                 {kPathNotFound, kNotADirectory, kPathNotFound, kPathNotFound, kPathNotFound,
                  kPathNotFound, kPathNotFound, kNotADirectory, kNotADirectory, kPathNotFound},
                 {kNoneCopied, kNoneCopied, kNoneCopied, kNoneMoved, kNoneMoved},
                 {{"work/nach-fehlt.txt", "eins\r\n"}});
}

TEST_F(BadInput, UnknownCommandsQuotesAndRedirectionsAreOneLineEach) {
    writeFile(work() / "a.txt", "Quelle");
    writeFile(work() / "datei.txt", "Datei");
    fs::create_directories(work() / "ordner");
    expectScript(
        {"frobnicate x", "copy \"a.txt b.txt", "echo \"offen>b.txt", "echo hallo >fehlt\\f.txt",
         "echo hallo >datei.txt\\f.txt", "echo hallo >ordner", "echo hallo >", "echo hallo >>\"\""},
        {notACommand("frobnicate"), kUnterminatedQuote, kUnterminatedQuote,
         "fehlt\\f.txt: " + kPathNotFound, "datei.txt\\f.txt: " + kNotADirectory,
         "ordner: " + kAccessDenied, kMissingTarget, kMissingTarget});

    // The log of the starting command line: the script does not run without it.
    writeFile(script(), crlf({"@echo off", "echo gelaufen>gelaufen.txt"}));
    const Tree before = tree();
    for (const auto& [log, reason] :
         std::vector<std::pair<std::string, std::string>>{{"fehlt\\log.txt", kPathNotFound},
                                                          {"datei.txt\\log.txt", kNotADirectory},
                                                          {"ordner", kAccessDenied}}) {
        const ToolRun run = runLine("\"" + script().string() + "\" >" + log);
        EXPECT_GT(run.exitCode, 0) << log;
        EXPECT_EQ(run.errors + run.output, crlf({log + ": " + reason}));
    }
    EXPECT_EQ(tree(), before);
}

// `del` never removes a directory, `rd` only an empty one; a name with a NUL byte names no
// file, while the system calls would read it only up to the NUL, which names another file.
TEST_F(BadInput, DelAndRdRemoveOnlyWhatTheyMay) {
    writeFile(work() / "ordner" / "inhalt.txt", "Inhalt");
    writeFile(work() / "vorhanden.txt", "weg");
    writeFile(work() / "datei.txt", "Datei");
    const std::string missing = "Datei nicht gefunden - " + (work() / "fehlt.txt").string();
    expectScript(
        {"del fehlt.txt", "del fehlt.txt vorhanden.txt", "del ordner", "del \"ordner\\\"",
         "del ord*", "rd ordner", "rd datei.txt", "del \"datei.txt\0.bak\""s,
         "echo neu>\"datei.txt\0.neu\""s},
        {missing, missing, "\"ordner\" ist ein Verzeichnis.", "\"ordner\" ist ein Verzeichnis.",
         "Datei nicht gefunden - " + (work() / "ord*").string(), "Das Verzeichnis ist nicht leer.",
         kNotADirectory, kBadName, kBadName},
        {}, {{"work/vorhanden.txt", ""}});
}

// Permission bits do not bind root, so a test running as root runs kvcmd as nobody, from a
// copy that nobody can reach.
TEST_F(BadInput, DirectoryWithoutPermissionIsAccessDeniedAndStaysAsItWas) {
    const fs::path kvcmd = root() / "bin" / "kvcmd";
    fs::create_directories(kvcmd.parent_path());
    fs::copy_file(kToolDir / "kvcmd", kvcmd);
    writeFile(work() / "a.txt", "Quelle");
    writeFile(work() / "lesend" / "drin.txt", "bleibt");
    fs::create_directories(work() / "gesperrt");
    writeFile(script(), crlf({"@echo off", "cd gesperrt", "md lesend\\neu", "copy a.txt lesend",
                              "echo x >lesend\\f.txt", "del lesend\\drin.txt", "move a.txt lesend",
                              "echo weiter>weiter.txt"}));
    for (const fs::path& dir : {root(), kvcmd.parent_path(), scratch()}) {
        fs::permissions(dir, static_cast<fs::perms>(0755));
    }
    fs::permissions(work(), fs::perms::all);
    fs::permissions(work() / "lesend", static_cast<fs::perms>(0555));
    Tree expected = tree();
    fs::permissions(work() / "gesperrt", fs::perms::none);

    const uid_t nobody = 65534;
    const ToolRun run = runTool(kvcmd.string(), {"/c", "\"" + script().string() + "\""}, work(),
                                scratch() / "stderr.txt", scratch() / "stdout.txt",
                                geteuid() == 0 ? std::optional<uid_t>(nobody) : std::nullopt);
    fs::permissions(work() / "gesperrt", fs::perms::owner_all);
    fs::permissions(work() / "lesend", fs::perms::owner_all);

    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.errors, crlf({kAccessDenied, kAccessDenied,
                                "Die Datei \"lesend/a.txt\" kann nicht geschrieben werden.",
                                "lesend\\f.txt: " + kAccessDenied, kAccessDenied, kAccessDenied}));
    EXPECT_EQ(run.output, crlf({kNoneCopied, kNoneMoved}));
    expected["work/weiter.txt"] = "weiter\r\n";
    EXPECT_EQ(tree(), expected);
}

// A source that is a regular file but cannot be read, even by root: the copy fails after the
// new file was begun, and with the large source, after bytes reached the disk. The old target
// stays and no temporary file is left.
TEST_F(BadInput, FailedCopyKeepsTheOldTargetAndLeavesNoTemporaryFile) {
    if (!fs::is_regular_file("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
    writeFile(work() / "gross.txt", std::string(300 * 1024, 'g'));
    writeFile(work() / "ziel.txt", "alter Inhalt");
    fs::create_directories(work() / "ordner" / "gross.txt");
    expectScript({"copy /proc/self/mem ziel.txt", "copy gross.txt + /proc/self/mem ziel.txt",
                  "copy gross.txt ordner"},
                 {"Die Datei \"/proc/self/mem\" kann nicht gelesen werden.",
                  "Die Datei \"/proc/self/mem\" kann nicht gelesen werden.",
                  "Die Datei \"ordner/gross.txt\" kann nicht geschrieben werden."},
                 {kNoneCopied, kNoneCopied, kNoneCopied});
}

TEST_F(BadInput, ProgramThatCannotStartIsNeverHandedToAShell) {
    // What a shell would make of these files: marker files, here and in the scratch directory.
    const std::string shellText = ": > '" + (scratch() / "marke").string() + "'\n: > marke-hier\n";
    for (const auto& [name, mode] : std::vector<std::pair<std::string, int>>{
             {"ohne-recht.exe", 0644}, {"ohne-format.exe", 0755}, {"nur-name", 0755}}) {
        writeFile(work() / name, shellText);
        fs::permissions(work() / name, static_cast<fs::perms>(mode));
    }
    writeFile(work() / "leer.exe", "");
    fs::permissions(work() / "leer.exe", static_cast<fs::perms>(0755));
    const std::string fullPath = (work() / "ohne-format.exe").string();
    expectScript(
        {"ohne-recht.exe eins", "ohne-format.exe zwei", "\"" + fullPath + "\" drei",
         "nur-name.exe vier", "leer.exe"},
        {cannotStart("ohne-recht.exe", kAccessDenied), cannotStart("ohne-format.exe", kNotAProgram),
         cannotStart(fullPath, kNotAProgram), cannotStart("nur-name.exe", kNotAProgram),
         cannotStart("leer.exe", kNotAProgram)});
    const ToolRun direct = runLine("ohne-format.exe");
    EXPECT_EQ(direct.exitCode, 1);
    EXPECT_EQ(direct.errors, crlf({cannotStart("ohne-format.exe", kNotAProgram)}));
    EXPECT_FALSE(fs::exists(scratch() / "marke"));
    EXPECT_FALSE(fs::exists(work() / "marke-hier"));
}

TEST_F(BadInput, NamesHoldingShellCharactersAreOnlyNames) {
    // What dumpov2 writes for this .ov2 under a plain name is what it must write under any.
    const std::string ov2 = simplePoi(1234567, 5012345, "Burg Eins") +
                            simplePoi(-123, 456, "Burg Zwei & $(touch marke)");
    writeFile(scratch() / "klar.ov2", ov2);
    ASSERT_EQ(runTool((kToolDir / "dumpov2").string(), {"klar.ov2", "klar.asc"}, scratch(),
                      scratch() / "klar-fehler.txt")
                  .exitCode,
              0);
    const std::string weirdOv2 = "$(touch marke) & `touch marke`.ov2";
    writeFile(work() / "und&oder.txt", "Quelle");
    writeFile(work() / weirdOv2, ov2);
    expectScript(
        {"copy \"und&oder.txt\" \"rohr|semi;kolon.txt\"",
         "move \"rohr|semi;kolon.txt\" \"$HOME $(touch marke).txt\"",
         "echo text>\"`touch marke`.txt\"", "echo text>>\"100%%.txt\"", "del \"und&oder.txt\"",
         "\"" + (kToolDir / "dumpov2.exe").string() + "\" \"" + weirdOv2 + "\" \"x|y;z%%.asc\"",
         "echo \"a & b | c < d\">zitat.txt", "echo eins>eins.txt & echo zwei>zwei.txt",
         "echo eins | frobnicate", "echo eins < \"100%%.txt\"",
         "del \"100%%.txt\" & del \"`touch marke`.txt\""},
        {refused('&'), refused('|'), refused('<'), refused('&')},
        {"        1 Datei(en) kopiert.", "        1 Datei(en) verschoben."},
        {{"work/und&oder.txt", ""},
         {"work/$HOME $(touch marke).txt", "Quelle"},
         {"work/`touch marke`.txt", "text\r\n"},
         {"work/100%.txt", "text\r\n"},
         {"work/x|y;z%.asc", readFile(scratch() / "klar.asc")},
         {"work/zitat.txt", "\"a & b | c < d\"\r\n"}});
    const ToolRun chained = runLine("echo eins & echo zwei>zwei.txt");
    EXPECT_EQ(chained.exitCode, 1);
    EXPECT_EQ(chained.errors + chained.output, crlf({refused('&')}));
    EXPECT_FALSE(fs::exists(work() / "zwei.txt"));
}

}  // namespace
}  // namespace kavinor::test
