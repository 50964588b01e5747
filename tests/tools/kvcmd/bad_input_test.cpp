#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kvcmd_test.h"
#include "ov2_bytes.h"
#include "test_files.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr std::string_view kPathNotFound = "Das System kann den angegebenen Pfad nicht finden.";
constexpr std::string_view kNotADirectory = "Der Verzeichnisname ist ungültig.";
constexpr std::string_view kAccessDenied = "Zugriff verweigert";
constexpr std::string_view kNotAProgram = "Die Datei ist kein ausführbares Programm.";
constexpr std::string_view kUnterminatedQuote = "Das schließende Anführungszeichen fehlt.";
constexpr std::string_view kMissingTarget = "Nach dem Umleitungszeichen fehlt der Dateiname.";
constexpr std::string_view kNotEmpty = "Das Verzeichnis ist nicht leer.";

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

// The lines kvcmd printed, each of which must end in CR LF.
std::vector<std::string> linesOf(const std::string& text) {
    EXPECT_TRUE(text.empty() || text.ends_with("\r\n")) << text;
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Relative path to bytes of every file, and to "<dir>" for every directory.
using Tree = std::map<std::string, std::string>;

// Every script runs from outside the working directory, so that a snapshot of the whole
// temporary tree taken before a run shows all that the run changed, wherever it did.
class BadInputTest : public KvcmdTest {
protected:
    fs::path root() const { return work().parent_path(); }
    fs::path script() const { return scratch() / "schritt.bat"; }

    ToolRun run(const std::vector<std::string>& lines) const {
        writeFile(script(), crlf(lines));
        return runLine("\"" + script().string() + "\"");
    }

    // Everything under the temporary directory but the script and kvcmd's kept output.
    Tree tree() const {
        Tree tree;
        for (const auto& entry : fs::recursive_directory_iterator(root())) {
            const std::string name = fs::relative(entry.path(), root()).string();
            tree[name] = entry.is_directory() ? "<dir>" : readFile(entry.path());
        }
        for (const char* ignored :
             {"scratch/schritt.bat", "scratch/stderr.txt", "scratch/stdout.txt"}) {
            tree.erase(ignored);
        }
        return tree;
    }
};

TEST_F(BadInputTest, InvocationWithoutARunnableScriptSaysSoInOneLine) {
    fs::create_directories(work() / "ordner.bat");
    writeFile(work() / "ordner.bat" / "inhalt.txt", "bleibt");
    const std::string directoryScript = (work() / "ordner.bat").string();
    const Tree before = tree();

    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{}, {"/c"}, {""}}) {
        const ToolRun run = runArgs(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errors.starts_with("kvcmd: usage: ")) << run.errors;
        EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
        EXPECT_EQ(run.output, "");
    }

    // A name that is not there, or that names a directory, is no command.
    const std::vector<std::pair<std::vector<std::string>, std::string>> unrunnable{
        {{"/c", "\"/fehlt/x.bat\""}, notACommand("/fehlt/x.bat")},
        {{"fehlt.bat"}, notACommand("fehlt.bat")},
        {{"/c", "\"" + directoryScript + "\""}, notACommand(directoryScript)},
        {{"ordner.bat"}, notACommand("ordner.bat")},
    };
    for (const auto& [args, message] : unrunnable) {
        const ToolRun run = runArgs(args);
        EXPECT_EQ(run.exitCode, 1) << message;
        EXPECT_EQ(run.errors, crlf({message}));
        EXPECT_EQ(run.output, "");
    }

    for (const std::vector<std::string>& empty :
         std::vector<std::vector<std::string>>{{}, {""}, {" \t", "", "  "}}) {
        const ToolRun run = this->run(empty);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.errors, "");
        EXPECT_EQ(run.output, "");
    }
    EXPECT_EQ(tree(), before);
}

TEST_F(BadInputTest, DirectoryThatCannotBeEnteredLeavesTheScriptWhereItWas) {
    writeFile(work() / "datei.txt", "Datei");
    Tree expected = tree();

    const ToolRun run =
        this->run({"@echo off", "cd fehlt", "echo eins>nach-fehlt.txt", "cd datei.txt",
                   "echo zwei>nach-datei.txt", "cd datei.txt\\unter", "echo drei>nach-unter.txt",
                   "cd \"fehlt\\mit blank\"", "echo vier>nach-blank.txt"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errors, crlf({std::string(kPathNotFound), std::string(kNotADirectory),
                                std::string(kPathNotFound), std::string(kPathNotFound)}));
    expected["work/nach-fehlt.txt"] = "eins\r\n";
    expected["work/nach-datei.txt"] = "zwei\r\n";
    expected["work/nach-unter.txt"] = "drei\r\n";
    expected["work/nach-blank.txt"] = "vier\r\n";
    EXPECT_EQ(tree(), expected);
}

// Permission bits do not bind root, so a test running as root runs kvcmd as nobody, from a
// copy that nobody can reach.
TEST_F(BadInputTest, DirectoryWithoutPermissionIsAccessDeniedAndStaysAsItWas) {
    const fs::path kvcmd = root() / "bin" / "kvcmd";
    fs::create_directories(kvcmd.parent_path());
    fs::copy_file(kToolDir / "kvcmd", kvcmd);
    writeFile(work() / "a.txt", "Quelle");
    writeFile(work() / "lesend" / "drin.txt", "bleibt");
    fs::create_directories(work() / "gesperrt");
    writeFile(script(), crlf({"@echo off", "cd gesperrt", "md lesend\\neu", "copy a.txt lesend",
                              "echo x >lesend\\f.txt", "del lesend\\drin.txt", "move a.txt lesend",
                              "echo weiter>weiter.txt"}));
    using fs::perms;
    for (const fs::path& dir : {root(), kvcmd.parent_path(), scratch()}) {
        fs::permissions(dir, perms::owner_all | perms::group_read | perms::group_exec |
                                 perms::others_read | perms::others_exec);
    }
    fs::permissions(work(), perms::all);
    fs::permissions(work() / "lesend", perms::owner_read | perms::owner_exec | perms::group_read |
                                           perms::group_exec | perms::others_read |
                                           perms::others_exec);
    Tree expected = tree();
    fs::permissions(work() / "gesperrt", perms::none);

    const uid_t nobody = 65534;
    const ToolRun run = runTool(kvcmd.string(), {"/c", "\"" + script().string() + "\""}, work(),
                                scratch() / "stderr.txt", scratch() / "stdout.txt",
                                geteuid() == 0 ? std::optional<uid_t>(nobody) : std::nullopt);
    fs::permissions(work() / "gesperrt", perms::owner_all);
    fs::permissions(work() / "lesend", perms::owner_all);

    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.errors, crlf({std::string(kAccessDenied), std::string(kAccessDenied),
                                "Die Datei \"lesend/a.txt\" kann nicht geschrieben werden.",
                                "lesend\\f.txt: " + std::string(kAccessDenied),
                                std::string(kAccessDenied), std::string(kAccessDenied)}));
    EXPECT_EQ(run.output,
              crlf({"        0 Datei(en) kopiert.", "        0 Datei(en) verschoben."}));
    expected["work/weiter.txt"] = "weiter\r\n";
    EXPECT_EQ(tree(), expected);
}

TEST_F(BadInputTest, CopyMoveAndMdIntoNoDirectoryChangeNothing) {
    writeFile(work() / "a.txt", "Quelle");
    writeFile(work() / "datei.txt", "Datei");
    Tree expected = tree();

    const ToolRun run = this->run({"@echo off", "copy a.txt datei.txt\\unter\\b.txt",
                                   "copy a.txt fehlt\\b.txt", "copy a.txt fehlt\\",
                                   "md datei.txt\\unter", "move a.txt datei.txt\\unter\\d.txt",
                                   "move a.txt fehlt\\d.txt", "echo weiter>weiter.txt"});
    EXPECT_EQ(run.exitCode, 0);
    const std::vector<std::string> errors = linesOf(run.errors);
    ASSERT_EQ(errors.size(), 6u) << run.errors;
    EXPECT_EQ(errors[0], kPathNotFound);
    EXPECT_EQ(errors[1], kPathNotFound);
    EXPECT_EQ(errors[2], kPathNotFound);
    // A move whose source is there but whose target directory is not must not claim that
    // the file is missing.
    EXPECT_EQ(errors[5], kPathNotFound);
    EXPECT_EQ(run.output, crlf({"        0 Datei(en) kopiert.", "        0 Datei(en) kopiert.",
                                "        0 Datei(en) kopiert.", "        0 Datei(en) verschoben.",
                                "        0 Datei(en) verschoben."}));
    expected["work/weiter.txt"] = "weiter\r\n";
    EXPECT_EQ(tree(), expected);
}

TEST_F(BadInputTest, FailedCopyKeepsTheOldTargetAndLeavesNoTemporaryFile) {
    // A source that is a regular file but cannot be read, even by root: the copy fails after
    // the new file was begun, and with the large source, after bytes reached the disk.
    if (!fs::is_regular_file("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
    std::string large(300 * 1024, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>('a' + i % 26);
    writeFile(work() / "gross.txt", large);
    writeFile(work() / "ziel.txt", "alter Inhalt");
    fs::create_directories(work() / "ordner" / "gross.txt");
    const Tree before = tree();

    const ToolRun run = this->run({"@echo off", "copy /proc/self/mem ziel.txt",
                                   "copy gross.txt + /proc/self/mem ziel.txt",
                                   "copy gross.txt ordner", "echo weiter>weiter.txt"});
    EXPECT_EQ(run.exitCode, 0);
    const std::vector<std::string> errors = linesOf(run.errors);
    ASSERT_EQ(errors.size(), 3u) << run.errors;
    EXPECT_EQ(errors[0], "Die Datei \"/proc/self/mem\" kann nicht gelesen werden.");
    EXPECT_EQ(errors[1], "Die Datei \"/proc/self/mem\" kann nicht gelesen werden.");
    EXPECT_EQ(errors[2], "Die Datei \"ordner/gross.txt\" kann nicht geschrieben werden.");
    // The same tree plus the last line's file: the old target, the directory in the way and
    // no temporary file beside either.
    Tree expected = before;
    expected["work/weiter.txt"] = "weiter\r\n";
    EXPECT_EQ(tree(), expected);
}

TEST_F(BadInputTest, UnknownCommandAndUnterminatedQuoteAreOneLineEach) {
    writeFile(work() / "a.txt", "Quelle");
    Tree expected = tree();

    const ToolRun run = this->run({"@echo off", "frobnicate x", "copy \"a.txt b.txt",
                                   "echo \"offen>b.txt", "echo weiter>weiter.txt"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errors, crlf({notACommand("frobnicate"), std::string(kUnterminatedQuote),
                                std::string(kUnterminatedQuote)}));
    EXPECT_EQ(run.output, "");
    expected["work/weiter.txt"] = "weiter\r\n";
    EXPECT_EQ(tree(), expected);
}

TEST_F(BadInputTest, RedirectionThatCannotBeOpenedIsOneLineAndNoFile) {
    writeFile(work() / "datei.txt", "Datei");
    fs::create_directories(work() / "ordner");
    Tree expected = tree();

    const ToolRun run = this->run({"@echo off", "echo hallo >fehlt\\f.txt",
                                   "echo hallo >datei.txt\\f.txt", "echo hallo >ordner",
                                   "echo hallo >", "echo hallo >>\"\"", "echo weiter>weiter.txt"});
    EXPECT_EQ(run.exitCode, 0);
    const std::vector<std::string> errors = linesOf(run.errors);
    ASSERT_EQ(errors.size(), 5u) << run.errors;
    EXPECT_EQ(errors[0], "fehlt\\f.txt: " + std::string(kPathNotFound));
    EXPECT_TRUE(errors[1].starts_with("datei.txt\\f.txt: ")) << errors[1];
    EXPECT_EQ(errors[2], "ordner: " + std::string(kAccessDenied));
    EXPECT_EQ(errors[3], kMissingTarget);
    EXPECT_EQ(errors[4], kMissingTarget);
    EXPECT_EQ(run.output, "");
    expected["work/weiter.txt"] = "weiter\r\n";
    EXPECT_EQ(tree(), expected);

    // The log of the starting command line: the script does not run without it.
    writeFile(script(), crlf({"@echo off", "echo gelaufen>gelaufen.txt"}));
    const std::vector<std::pair<std::string, std::optional<std::string>>> logs{
        {"fehlt\\log.txt", "fehlt\\log.txt: " + std::string(kPathNotFound)},
        {"datei.txt\\log.txt", std::nullopt},
        {"ordner", "ordner: " + std::string(kAccessDenied)},
    };
    for (const auto& [log, message] : logs) {
        const ToolRun logRun = runLine("\"" + script().string() + "\" >" + log);
        EXPECT_GT(logRun.exitCode, 0) << log;
        const std::vector<std::string> lines = linesOf(logRun.errors);
        ASSERT_EQ(lines.size(), 1u) << logRun.errors;
        EXPECT_TRUE(lines[0].starts_with(log + ": ")) << lines[0];
        if (message) {
            EXPECT_EQ(lines[0], *message);
        }
        EXPECT_EQ(logRun.output, "");
    }
    EXPECT_EQ(tree(), expected);
}

TEST_F(BadInputTest, ProgramThatCannotStartIsNeverHandedToAShell) {
    // What a shell would make of these files: marker files, here and in the scratch directory.
    const fs::path marker = scratch() / "marke";
    const std::string shellText = ": > '" + marker.string() + "'\n: > marke-hier\n";
    const auto executable = static_cast<fs::perms>(0755);
    writeFile(work() / "ohne-recht.exe", shellText);
    fs::permissions(work() / "ohne-recht.exe", static_cast<fs::perms>(0644));
    writeFile(work() / "ohne-format.exe", shellText);
    fs::permissions(work() / "ohne-format.exe", executable);
    writeFile(work() / "nur-name", shellText);
    fs::permissions(work() / "nur-name", executable);
    writeFile(work() / "leer.exe", "");
    fs::permissions(work() / "leer.exe", executable);
    const std::string fullPath = (work() / "ohne-format.exe").string();
    Tree expected = tree();

    const ToolRun run = this->run({"@echo off", "ohne-recht.exe eins", "ohne-format.exe zwei",
                                   "\"" + fullPath + "\" drei", "nur-name.exe vier", "leer.exe",
                                   "echo weiter>weiter.txt"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(
        run.errors,
        crlf({cannotStart("ohne-recht.exe", kAccessDenied),
              cannotStart("ohne-format.exe", kNotAProgram), cannotStart(fullPath, kNotAProgram),
              cannotStart("nur-name.exe", kNotAProgram), cannotStart("leer.exe", kNotAProgram)}));

    const ToolRun direct = runLine("ohne-format.exe");
    EXPECT_EQ(direct.exitCode, 1);
    EXPECT_EQ(direct.errors, crlf({cannotStart("ohne-format.exe", kNotAProgram)}));

    EXPECT_FALSE(fs::exists(marker));
    EXPECT_FALSE(fs::exists(work() / "marke-hier"));
    expected["work/weiter.txt"] = "weiter\r\n";
    EXPECT_EQ(tree(), expected);
}

TEST_F(BadInputTest, NamesHoldingShellCharactersAreOnlyNames) {
    // What dumpov2 writes for this .ov2 under a plain name is what it must write under any.
    const std::string ov2 = simplePoi(1234567, 5012345, "Burg Eins") +
                            simplePoi(-123, 456, "Burg Zwei & $(touch marke)");
    writeFile(scratch() / "klar.ov2", ov2);
    const ToolRun plain = runTool((kToolDir / "dumpov2").string(), {"klar.ov2", "klar.asc"},
                                  scratch(), scratch() / "klar-fehler.txt");
    ASSERT_EQ(plain.exitCode, 0) << plain.errors;
    const std::string asc = readFile(scratch() / "klar.asc");

    const std::string weirdOv2 = "$(touch marke) & `touch marke`.ov2";
    writeFile(work() / "und&oder.txt", "Quelle");
    writeFile(work() / weirdOv2, ov2);
    Tree expected = tree();

    const std::string dumpov2 = (kToolDir / "dumpov2.exe").string();
    const ToolRun run = this->run({
        "@echo off",
        "copy \"und&oder.txt\" \"rohr|semi;kolon.txt\"",
        "move \"rohr|semi;kolon.txt\" \"$HOME $(touch marke).txt\"",
        "echo text>\"`touch marke`.txt\"",
        "echo text>>\"100%%.txt\"",
        "del \"und&oder.txt\"",
        "\"" + dumpov2 + "\" \"" + weirdOv2 + "\" \"x|y;z%%.asc\"",
        "echo \"a & b | c < d\">zitat.txt",
        "echo eins>eins.txt & echo zwei>zwei.txt",
        "echo eins | frobnicate",
        "echo eins < \"100%%.txt\"",
        "del \"100%%.txt\" & del \"`touch marke`.txt\"",
        "echo weiter>weiter.txt",
    });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errors, crlf({refused('&'), refused('|'), refused('<'), refused('&')}));

    expected.erase("work/und&oder.txt");
    expected["work/$HOME $(touch marke).txt"] = "Quelle";
    expected["work/`touch marke`.txt"] = "text\r\n";
    expected["work/100%.txt"] = "text\r\n";
    expected["work/x|y;z%.asc"] = asc;
    expected["work/zitat.txt"] = "\"a & b | c < d\"\r\n";
    expected["work/weiter.txt"] = "weiter\r\n";
    EXPECT_EQ(tree(), expected);

    const ToolRun chained = runLine("echo eins & echo zwei>zwei.txt");
    EXPECT_EQ(chained.exitCode, 1);
    EXPECT_EQ(chained.errors, crlf({refused('&')}));
    EXPECT_EQ(chained.output, "");
    EXPECT_EQ(tree(), expected);
}

// A file name never holds a NUL byte, so a name with one names no file here; the system calls
// would read it only up to the NUL, which names another file.
TEST_F(BadInputTest, NameWithANulByteTouchesNoOtherFile) {
    writeFile(work() / "bleibt.txt", "bleibt");
    writeFile(work() / "auch.txt", "auch");
    Tree expected = tree();

    const ToolRun run = this->run({"@echo off", "del \"bleibt.txt\0.bak\""s,
                                   "echo neu>\"auch.txt\0.neu\""s, "echo weiter>weiter.txt"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(linesOf(run.errors).size(), 2u) << run.errors;
    expected["work/weiter.txt"] = "weiter\r\n";
    EXPECT_EQ(tree(), expected);
}

TEST_F(BadInputTest, DelAndRdRemoveOnlyFilesAndEmptyDirectories) {
    writeFile(work() / "ordner" / "inhalt.txt", "Inhalt");
    writeFile(work() / "vorhanden.txt", "weg");
    writeFile(work() / "datei.txt", "Datei");
    Tree expected = tree();

    const ToolRun run = this->run({"@echo off", "del fehlt.txt", "del fehlt.txt vorhanden.txt",
                                   "del ordner", "del \"ordner\\\"", "del ord*", "rd ordner",
                                   "rd datei.txt", "echo weiter>weiter.txt"});
    EXPECT_EQ(run.exitCode, 0);
    const std::string missing = "Datei nicht gefunden - " + (work() / "fehlt.txt").string();
    EXPECT_EQ(run.errors, crlf({missing, missing, "\"ordner\" ist ein Verzeichnis.",
                                "\"ordner\" ist ein Verzeichnis.",
                                "Datei nicht gefunden - " + (work() / "ord*").string(),
                                std::string(kNotEmpty), std::string(kNotADirectory)}));
    expected.erase("work/vorhanden.txt");
    expected["work/weiter.txt"] = "weiter\r\n";
    EXPECT_EQ(tree(), expected);
}

}  // namespace
}  // namespace kavinor::test
