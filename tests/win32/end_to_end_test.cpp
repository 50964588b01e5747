// Whole conversion runs in the system's own interpreter with the built .exe tools, checked by the
// bytes they leave.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "configuration.h"
#include "conversion_run.h"
#include "platform_doubles.h"
#include "program.h"
#include "scratch_dir.h"
#include "system_text.h"
#include "win32_code_pages.h"
#include "win32_collation.h"
#include "win32_directory_fill.h"
#include "win32_drives.h"
#include "win32_path_test.h"
#include "win32_processes.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;

const fs::path kBuiltTools = KAVINOR_TOOL_DIR;
const std::vector<std::string> kSamples = {"aussichtspunkte", "burgen", "gipfel", "seen"};

const std::string kFailure =
    "Fehler bei Dateierstellung!\r\n"
    "Bitte ERROR-LOG einschalten und Vorgang erneut ausf\xC3\xBChren!\r\n"
    "Die Datei ERROR.BUG wird im Zielverzeichnis erstellt!\r\n"
    "Diese Datei bitte per eMail an " +
    std::string(mainwindow::kSupportMail) + " senden!";
const std::string kSuccess = "Komplette .ov2 Datei wurde erfolgreich erstellt !";

// The merge that kvcmd and the Linux tools made of the same samples, when the test run has it.
std::string linuxMerge(const std::string& name) {
    const char* dir = std::getenv("KAVINOR_LINUX_MERGES");
    return dir == nullptr ? std::string() : readBytes(fs::path(dir) / name);
}

class WindowsRun : public ::testing::Test {
protected:
    WindowsRun()
        : tools(dir.path() / L"Werkzeuge"),
          source(dir.path() / L"Quelle \u00c4 mit Blank"),
          out(dir.path() / L"Ziel \u00f6 mit Blank"),
          platform{processes, pause, paths,  pages,    directories, drives,
                   collation, links, dialog, messages, text(tools), '\\'},
          program(platform, loop),
          window(program.fmrMain) {
        for (const fs::path& d : {tools, source, out}) fs::create_directory(d);
        for (const char* name : {"dumpov2.exe", "makeov2.exe", "icon.bmp"}) {
            fs::copy_file(kBuiltTools / name, tools / name);
        }
        window.strVersion = "0.75";
    }

    static std::string text(const fs::path& path) { return sys::textOf(path); }

    void choose(bool ov2Mode, const fs::path& from, const std::vector<std::string>& names) {
        window.bolOv2Mode = ov2Mode;
        window.strSourceDir = text(from);
        window.strPattern = window.strSourceDir + (ov2Mode ? "\\*.ov2" : "\\*.asc");
        window.File.setPath(window.strSourceDir);
        for (const std::string& name : names) window.lstAuswahl2.add(name);
    }

    // Runs with the dialog answering `output`; returns the message shown at the end.
    std::string convert(const fs::path& output) {
        dialog.answer(true, text(output));
        conversion::cmdKonvert_Click(window);
        return messages.shown.empty() ? std::string() : messages.shown.back().text;
    }

    void copySample(const std::string& name, const fs::path& to) {
        fs::copy_file(kBuiltTools / (name + ".ov2"), to);
    }

    std::vector<std::string> namesIn(const fs::path& d) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(d))
            names.push_back(text(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchDir dir;
    fs::path tools;
    fs::path source;
    fs::path out;
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
    ScriptedLoop loop;
    platform::Platform platform;
    program::Program program;
    mainwindow::FmrMain& window;
};

TEST_F(WindowsRun, Ov2InputWithUmlautsAndBlanksMergesAsOnLinux) {
    for (const std::string& name : kSamples) copySample(name, source / (name + ".ov2"));
    choose(true, source, {"aussichtspunkte.ov2", "burgen.ov2", "gipfel.ov2", "seen.ov2"});
    const fs::path output = out / L"Alle Gr\u00f6\u00dfen.ov2";
    ASSERT_EQ(convert(output), kSuccess);
    EXPECT_EQ(namesIn(out), (std::vector<std::string>{"Alle Gr\xC3\xB6\xC3\x9F"
                                                      "en.bmp",
                                                      "Alle Gr\xC3\xB6\xC3\x9F"
                                                      "en.ov2"}));
    EXPECT_EQ(readBytes(out / L"Alle Gr\u00f6\u00dfen.bmp"), readBytes(tools / "icon.bmp"));
    const std::string linux = linuxMerge("alle-ov2.ov2");
    if (linux.empty()) GTEST_SKIP() << "KAVINOR_LINUX_MERGES not given: no Linux merge to match";
    EXPECT_TRUE(readBytes(output) == linux);
}

TEST_F(WindowsRun, AscInputMergesOnlyTheChosenTextsAsOnLinux) {
    for (const std::string& name : kSamples) {
        fs::copy_file(fs::path(KAVINOR_SAMPLE_DIR) / (name + ".asc"), source / (name + ".asc"));
    }
    choose(false, source, {"burgen.asc", "seen.asc"});
    ASSERT_EQ(convert(out / L"\u00dcbersicht.ov2"), kSuccess);
    EXPECT_EQ(namesIn(source).size(), kSamples.size());
    const std::string linux = linuxMerge("alle-asc.ov2");
    if (linux.empty()) GTEST_SKIP() << "KAVINOR_LINUX_MERGES not given: no Linux merge to match";
    EXPECT_TRUE(readBytes(out / L"\u00dcbersicht.ov2") == linux);
}

TEST_F(WindowsRun, OutputBesideTheSourcesLeavesThemAndListsTheOutput) {
    copySample("burgen", source / L"Burgen Schl\u00f6sser.ov2");
    copySample("seen", source / "seen.ov2");
    choose(true, source, {"Burgen Schl\xC3\xB6sser.ov2", "seen.ov2"});
    ASSERT_EQ(convert(source / L"Zusammen \u00e4.ov2"), kSuccess);
    EXPECT_EQ(readBytes(source / "seen.ov2"), readBytes(kBuiltTools / "seen.ov2"));
    EXPECT_EQ(namesIn(source).size(), 4u);
    EXPECT_EQ(window.lstAuswahl1.count(), 3);
}

TEST_F(WindowsRun, CorruptInputFailsKeepsEarlierOutputAndLogsTheComplaint) {
    copySample("burgen", source / "burgen.ov2");
    writeBytes(source / L"kaputt \u00e4.ov2", std::string("\x02\x30\x00\x00\x00", 5));
    writeBytes(out / "Alle.ov2", "alte Ausgabe");
    writeBytes(out / "Alle.bmp", "altes Bild");
    choose(true, source, {"burgen.ov2", "kaputt \xC3\xA4.ov2"});
    window.mnuError.setChecked(true);
    EXPECT_EQ(convert(out / "Alle.ov2"), kFailure);
    EXPECT_EQ(readBytes(out / "Alle.ov2"), "alte Ausgabe");
    EXPECT_EQ(readBytes(out / "Alle.bmp"), "altes Bild");
    EXPECT_EQ(namesIn(out), (std::vector<std::string>{"Alle.bmp", "Alle.ov2", "Error.bug"}));
    // The tool's complaint, naming the file as the script does, in the console code page.
    const std::string complaint =
        "dumpov2: " +
        pages.convert(text(source) + "\\kaputt \xC3\xA4.ov2:", "UTF-8", pages.oemCodePage());
    EXPECT_NE(readBytes(out / "Error.bug").find(complaint), std::string::npos);
}

// Each is turned down as a whole, and the earlier output stays.
TEST_F(WindowsRun, BadInputFailsAndKeepsTheEarlierOutput) {
    const std::string burgen = readBytes(fs::path(KAVINOR_SAMPLE_DIR) / "burgen.asc");
    writeBytes(source / "burgen.asc", burgen);
    // The interpreter's join stops reading a text at a Ctrl-Z of its own.
    writeBytes(source / "mitte.asc", burgen.substr(0, 40) + "\x1A" + burgen.substr(40));
    fs::path deep = out;
    while (deep.native().size() < 280) deep /= std::wstring(30, L'o');
    fs::create_directories(deep);
    const fs::path readOnly = out / L"Schreibgesch\u00fctzt.ov2";
    const std::pair<fs::path, std::vector<std::string>> cases[] = {
        {out / "Alle.ov2", {"burgen.asc", "mitte.asc"}},
        {readOnly, {"burgen.asc"}},
        {deep / "Alle.ov2", {"burgen.asc"}},
    };
    writeBytes(readOnly, "alte Ausgabe");
    fs::permissions(readOnly, fs::perms::all, fs::perm_options::remove);
    for (const auto& [output, chosen] : cases) {
        if (output != readOnly) writeBytes(output, "alte Ausgabe");
        window.lstAuswahl2.clear();
        choose(false, source, chosen);
        EXPECT_EQ(convert(output), kFailure) << text(output);
        EXPECT_EQ(readBytes(output), "alte Ausgabe") << text(output);
    }
    fs::permissions(readOnly, fs::perms::owner_all, fs::perm_options::add);
}

// A tool directory on a network share lies on no drive: opening the input frame keeps the drive
// chosen, and a run whose tools cannot be reached fails with the earlier output kept.
TEST_F(WindowsRun, UncToolDirectoryKeepsTheDriveAndFailsCleanly) {
    platform.toolDirectory = "\\\\kavinor-server\\freigabe\\Werkzeuge";
    window.Drive.setDrive("z:");
    window.cmdStart_Click();
    EXPECT_EQ(window.Drive.drive(), "z:");
    copySample("seen", source / "seen.ov2");
    writeBytes(out / "Alle.ov2", "alte Ausgabe");
    choose(true, source, {"seen.ov2"});
    EXPECT_EQ(convert(out / "Alle.ov2"), kFailure);
    EXPECT_EQ(readBytes(out / "Alle.ov2"), "alte Ausgabe");
}

}  // namespace
}  // namespace kavinor::test
