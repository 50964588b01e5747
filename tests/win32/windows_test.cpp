// The Windows system layer on real files, processes and drives, and whole conversion runs in the
// system's own interpreter with the built .exe tools, checked by the bytes they leave.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "conversion_run.h"
#include "platform_doubles.h"
#include "program.h"
#include "system_text.h"
#include "test_files.h"
#include "win32_code_pages.h"
#include "win32_collation.h"
#include "win32_directory_fill.h"
#include "win32_drives.h"
#include "win32_path_test.h"
#include "win32_processes.h"
#include "winpath.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using sys::textOf;

// Each entry of `dir` with its bytes, "<dir>" for a directory, by the names the tools read.
std::map<std::string, std::string> bytesIn(const fs::path& dir) {
    std::map<std::string, std::string> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
        found[textOf(entry.path().filename())] =
            entry.is_directory() ? "<dir>" : readFile(entry.path());
    }
    return found;
}

TEST(WindowsSystem, RootsOfDrivesSharesAndRelativePaths) {
    const std::tuple<std::string, std::wstring, std::size_t> cases[] = {
        {"Z:\\tmp\\a.ov2", L"Z:\\", 3},
        {"c:/Karten", L"c:\\", 3},
        {"C:\\\\doppelt", L"C:\\", 4},
        {"D:Karte.ov2", L"D:", 2},
        {"\\\\server\\freigabe\\Karten\\a.ov2", L"\\\\server\\freigabe\\", 18},
        {"//server/freigabe", L"\\\\server\\freigabe\\", 17},
        {"\\Karten", L"\\", 1},
        {"Karten\\a.ov2", L"", 0},
    };
    for (const auto& [written, root, length] : cases) {
        const sys::Root found = sys::rootOf(written);
        EXPECT_EQ(std::pair(found.path.native(), found.length), std::pair(root, length)) << written;
    }
}

TEST(WindowsSystem, CodePagesConvertExactlyWithOneQuestionMarkPerLoss) {
    const platform::Win32CodePages pages;
    const std::string cases[][4] = {
        {"K\u00e4se \u00df", "UTF-8", "CP1252", "K\xE4se \xDF"},
        {"K\xE4se \xDF", "CP1252", "CP850", "K\x84se \xE1"},
        {"\u20ac \u0158eka", "UTF-8", "CP850", "? ?eka"},
        {"a\xFF\xC3z\xC3", "UTF-8", "CP1252", "a??z?"},
        {"\U0001F5FA", "UTF-8", "UTF-8", "\U0001F5FA"},
        {"K\u00e4se", "CP1252", "KEINE", "K??se"},
    };
    for (const auto& [bytes, from, to, converted] : cases) {
        EXPECT_EQ(pages.convert(bytes, from, to), converted) << bytes << " to " << to;
    }
}

// The whole program on the system's own parts with the built tools, in a directory of its own
// that holds a source directory of the samples and an output directory.
class WindowsRun : public ::testing::Test {
protected:
    WindowsRun() {
        for (const fs::path& d : {dir, source, out}) fs::create_directory(d);
        for (const std::string name : {"aussichtspunkte", "burgen", "gipfel", "seen"}) {
            fs::copy_file(tools / (name + ".ov2"), source / (name + ".ov2"));
            fs::copy_file(fs::path(KAVINOR_SAMPLE_DIR) / (name + ".asc"), source / (name + ".asc"));
        }
        window.load();
    }
    ~WindowsRun() override {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    // Confirms the source directory in the input frame as a user does, then chooses `names`.
    void choose(bool ov2Mode, const Names& names) {
        ov2Mode ? window.cmdStart_Click() : window.cmdStart1_Click();
        window.Dir.setPath(textOf(source));
        window.cmdOK_Click();
        for (const std::string& name : names) window.lstAuswahl2.add(name);
    }

    // Runs with the dialog answering `output`; returns the title of the message at the end.
    std::string convert(const fs::path& output) {
        dialog.answer(true, textOf(output));
        conversion::cmdKonvert_Click(window);
        return messages.shown.empty() ? std::string() : messages.shown.back().title;
    }

    const fs::path tools = fs::absolute(KAVINOR_TOOL_DIR);
    // Named for the moment too: Wine gives its processes small numbers again and again, and
    // the output directory past the path limit is more than the clean-up can remove.
    const fs::path dir =
        fs::temp_directory_path() / ("kavinor-" + std::to_string(GetCurrentProcessId()) + "-" +
                                     std::to_string(GetTickCount64()));
    const fs::path source = dir / L"Quelle \u00c4 mit Blank";
    const fs::path out = dir / L"Ziel \u00f6 mit Blank";
    platform::Win32Processes processes;
    RecordingPause pause;
    platform::Win32PathTest paths;
    platform::Win32CodePages pages;
    platform::Win32DirectoryFill directories;
    platform::Win32Drives drives;
    platform::Win32Collation collation;
    RecordingLinks links;
    FakeSaveDialog dialog;
    RecordingMessages messages;
    platform::NoEndRequest endRequest;
    ScriptedLoop loop;
    platform::Platform platform{processes,  pause,         paths, pages,  directories,
                                drives,     collation,     links, dialog, messages,
                                endRequest, textOf(tools), '\\'};
    program::Program program{platform, loop};
    mainwindow::FmrMain& window = program.fmrMain;
};

// A script and all it started end together: the script it started stops writing.
TEST_F(WindowsRun, TerminateEndsAScriptAndWhatItStarted) {
    writeFile(dir / "ewig.bat", "cmd /c kind.bat\r\n");
    writeFile(dir / "kind.bat", ":oben\r\necho x>>spur.txt\r\ngoto oben\r\n");
    const auto id = processes.start("ewig.bat", pages.toAnsi(textOf(dir)));
    ASSERT_TRUE(id);
    for (int i = 0; i < 500 && !fs::exists(dir / "spur.txt"); ++i) Sleep(10);
    processes.terminate(*id);
    Sleep(200);
    const std::uintmax_t written = fs::file_size(dir / "spur.txt");
    Sleep(200);
    EXPECT_EQ(fs::file_size(dir / "spur.txt"), written);
}

// Only ordinary files that the ANSI page holds are listed; a run merges as on Linux, replacing an
// earlier output and bitmap. Bad input fails, keeps the earlier output and leaves the tool's
// complaint, if any, in Error.bug in the console code page; the bitmap stays unless the last
// step's script ran, which replaces it even when the tool could not write the output.
TEST_F(WindowsRun, MergesAsOnLinuxAndKeepsTheEarlierOutputOnBadInput) {
    for (const char* name : {"\u00c4pfel.OV2", "karte 10.ov2", "Karte 2.ov2", "versteckt.ov2",
                             "Karte.ov2x", "\u0158eka.ov2"}) {
        writeFile(source / sys::pathFromText(name), "x");
    }
    SetFileAttributesW((source / L"versteckt.ov2").c_str(), FILE_ATTRIBUTE_HIDDEN);
    for (const wchar_t* name : {L"ordner.ov2", L"\u0158eka"}) fs::create_directory(source / name);
    choose(true, {"aussichtspunkte.ov2", "burgen.ov2", "gipfel.ov2", "seen.ov2"});
    EXPECT_EQ(window.Drive.entries(), (Names{"c:", "z:"}));
    EXPECT_EQ(window.Drive.drive(), "z:");
    EXPECT_EQ(drives.driveOf(drives.directoryOf("c:")), "c:");
    EXPECT_LT(collation.sortKey("Birne"), collation.sortKey("birne"));
    EXPECT_EQ(window.lstAuswahl1.entries(),
              (Names{"\u00c4pfel.OV2", "aussichtspunkte.ov2", "burgen.ov2", "gipfel.ov2",
                     "karte 10.ov2", "Karte 2.ov2", "seen.ov2"}));
    EXPECT_EQ(window.Dir.entries().back().name, "ordner.ov2");
    // The path from its drive's root down, whatever letters the drive list names the drive in.
    EXPECT_EQ(window.Dir.entries().front().path, textOf(source).substr(0, 3));
    EXPECT_EQ(window.Dir.entries().size(), window.Dir.currentIndex() + 2u);
    EXPECT_FALSE(window.Dir.setPath(textOf(source / "seen.ov2")));

    const fs::path merged = out / L"Alle Gr\u00f6\u00dfen.ov2";
    writeFile(merged, "alte Ausgabe");
    writeFile(out / L"Alle Gr\u00f6\u00dfen.bmp", "altes Bild");
    const std::string icon = readFile(tools / "icon.bmp");
    ASSERT_EQ(convert(merged), "Konvertierung beendet");
    EXPECT_EQ(bytesIn(out), (std::map<std::string, std::string>{
                                {"Alle Gr\u00f6\u00dfen.bmp", icon},
                                {"Alle Gr\u00f6\u00dfen.ov2", readFile(merged)}}));
    // Beside the sources, only the chosen texts are merged and the sources stay as they were.
    auto expected = bytesIn(source);
    choose(false, {"burgen.asc", "seen.asc"});
    const fs::path beside = source / L"\u00dcbersicht.ov2";
    ASSERT_EQ(convert(beside), "Konvertierung beendet");
    expected["\u00dcbersicht.bmp"] = icon;
    expected["\u00dcbersicht.ov2"] = readFile(beside);
    EXPECT_EQ(bytesIn(source), expected);
    const std::string burgen = readFile(source / "burgen.asc");
    // The interpreter's join stops reading a text at a Ctrl-Z of its own.
    writeFile(source / "mitte.asc", burgen.substr(0, 40) + "\x1A" + burgen.substr(40));
    writeFile(source / L"kaputt \u00e4.ov2", std::string("\x02\x30\x00\x00\x00", 5));
    const fs::path deep = out / std::wstring(230, L'o');
    fs::create_directory(deep);
    const std::tuple<bool, Names, fs::path, std::string> cases[] = {
        {true, {"burgen.ov2", "kaputt \u00e4.ov2"}, out / "Alle.ov2", "kaputt \u00e4.ov2: "},
        {false, {"burgen.asc", "mitte.asc"}, out / "Alle.ov2", ""},
        {false, {"burgen.asc"}, out / "Schutz.ov2", "cannot write Schutz.ov2: Permission denied"},
        {false, {"burgen.asc"}, deep / "Alle.ov2", ""},
    };
    for (const auto& [ov2Mode, chosen, output, complaint] : cases)
        writeFile(output, "alte Ausgabe");
    writeFile(out / "Alle.bmp", "altes Bild");
    const fs::path& readOnly = std::get<2>(cases[2]);
    fs::permissions(readOnly, fs::perms::all, fs::perm_options::remove);
    window.mnuError.setChecked(true);
    for (const auto& [ov2Mode, chosen, output, complaint] : cases) {
        SCOPED_TRACE(textOf(output));
        choose(ov2Mode, chosen);
        EXPECT_EQ(convert(output), "Fehler");
        EXPECT_EQ(readFile(output), "alte Ausgabe");
        EXPECT_EQ(readFile(out / "Alle.bmp"), "altes Bild");
        const std::string logged = readFile(out / "Error.bug");
        EXPECT_NE(logged.find(pages.convert(complaint, "UTF-8", pages.oemCodePage())),
                  std::string::npos);
    }
    // A tool directory on a network share lies on no drive: the input frame keeps the drive
    // chosen, and the run fails with the earlier output kept.
    platform.toolDirectory = "\\\\kavinor-server\\freigabe\\Werkzeuge";
    window.Drive.setDrive("c:");
    choose(true, {"seen.ov2"});
    EXPECT_EQ(window.Drive.drive(), "c:");
    EXPECT_EQ(convert(out / "Alle.ov2"), "Fehler");
    EXPECT_EQ(readFile(out / "Alle.ov2"), "alte Ausgabe");
    EXPECT_EQ(readFile(out / "Alle.bmp"), "altes Bild");
    fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(bytesIn(out).size(), 8u) << "no file of the runs is left";

    const char* linux = std::getenv("KAVINOR_LINUX_MERGES");
    if (linux == nullptr) GTEST_SKIP() << "KAVINOR_LINUX_MERGES not given: no Linux merge to match";
    EXPECT_TRUE(readFile(merged) == readFile(fs::path(linux) / "alle-ov2.ov2"));
    EXPECT_TRUE(readFile(beside) == readFile(fs::path(linux) / "alle-asc.ov2"));
}

}  // namespace
}  // namespace kavinor::test
