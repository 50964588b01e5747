// The Windows platform layer on real files and processes: code pages, directory fill, the
// terminate of a script, drives and collation; the end-to-end runs cover the rest.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "scratch_dir.h"
#include "system_text.h"
#include "win32_code_pages.h"
#include "win32_collation.h"
#include "win32_directory_fill.h"
#include "win32_drives.h"
#include "win32_processes.h"

namespace kavinor::platform {
namespace {

namespace fs = std::filesystem;

struct Conversion {
    std::string bytes;
    std::string from;
    std::string to;
    std::string expected;
};

TEST(Win32CodePagesTest, ConvertsExactlyWithOneQuestionMarkPerLoss) {
    const Win32CodePages pages("CP1252", "CP850");
    const Conversion cases[] = {
        {"K\xC3\xA4se \xC3\x9F", "UTF-8", "CP1252", "K\xE4se \xDF"},
        {"K\xE4se \xDF", "CP1252", "CP850", "K\x84se \xE1"},
        {"\x84\x94\x81", "CP850", "CP1252", "\xE4\xF6\xFC"},
        {"\xE2\x82\xAC", "UTF-8", "CP850", "?"},  // the euro sign: not in CP850
        {"\xC5\x98"
         "eka",
         "UTF-8", "CP1252", "?eka"},  // Ř
        {"a\xFF"
         "b\xC3",
         "UTF-8", "CP1252", "a?b?"},  // no UTF-8 at all
        {"\xF0\x9F\x97\xBA", "UTF-8", "UTF-8", "\xF0\x9F\x97\xBA"},
        {"abc", "CP1252", "KEINE", "abc"},
    };
    for (const Conversion& c : cases) {
        EXPECT_EQ(pages.convert(c.bytes, c.from, c.to), c.expected) << c.bytes << " " << c.to;
    }
}

class Win32Files : public ::testing::Test {
protected:
    // A name of the program's own as the platform takes it: in the ANSI code page.
    std::string ansi(const fs::path& path) const {
        return pages.convert(sys::textOf(path), "UTF-8", pages.ansiCodePage());
    }
    fs::path file(const std::string& utf8Name) const {
        return dir.path() / sys::pathFromText(utf8Name);
    }

    test::ScratchDir dir;
    Win32CodePages pages;
};

TEST_F(Win32Files, FillListsOrdinaryFilesWithNamesTheAnsiPageHolds) {
    for (const char* name : {"Burgen Schl\xC3\xB6sser.ov2", "alpen.OV2",
                             "\xC5\x98"
                             "eka.ov2",
                             "versteckt.ov2", "Karte.ov2x", "liste.asc"}) {
        test::writeBytes(file(name), "x");
    }
    SetFileAttributesW(file("versteckt.ov2").c_str(), FILE_ATTRIBUTE_HIDDEN);
    fs::create_directory(file("ordner.ov2"));

    Win32DirectoryFill fill;
    std::vector<std::string> names = fill.listFiles(ansi(dir.path()) + "\\*.ov2");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Burgen Schl\xF6sser.ov2", "alpen.OV2"}));

    const auto directories = fill.listDirectories(ansi(dir.path()));
    ASSERT_TRUE(directories);
    EXPECT_EQ(*directories, std::vector<std::string>{"ordner.ov2"});
    EXPECT_FALSE(fill.listDirectories(ansi(file("liste.asc"))));
}

TEST_F(Win32Files, TerminateEndsAScriptThatNeverEndsAndOnlyThatOnce) {
    test::writeBytes(file("ewig \xC3\xA4.bat"), ":oben\r\ngoto oben\r\n");
    Win32Processes processes;
    const auto id =
        processes.start("\"" + ansi(file("ewig \xC3\xA4.bat")) + "\"", ansi(dir.path()));
    ASSERT_TRUE(id);
    EXPECT_TRUE(processes.isRunning(*id));
    processes.terminate(*id);
    EXPECT_FALSE(processes.isRunning(*id));
    processes.terminate(*id);
}

TEST(Win32DrivesTest, DrivesOfTheSystemAndOfPaths) {
    Win32Drives drives;
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Karten", "c:"}, {"z:\\", "z:"}, {"\\\\server\\share\\Karten", ""}, {"Karten", ""}};
    for (const auto& [path, drive] : cases) EXPECT_EQ(drives.driveOf(path), drive) << path;
    const std::vector<std::string> list = drives.list();
    EXPECT_NE(std::find(list.begin(), list.end(), "c:"), list.end());
    EXPECT_EQ(drives.type("c:"), kDriveFixed);
    EXPECT_EQ(drives.driveOf(drives.directoryOf("c:")), "c:");
}

TEST(Win32CollationTest, GermanOrderWithoutRegardToCaseAndDistinctKeys) {
    // In ascending order: umlauts beside their base letter, case only between names that are
    // otherwise alike, and names that differ only in case still get keys of their own.
    const std::vector<std::string> ordered = {"apfel",
                                              "\xC3\x84pfel",
                                              "Birne",
                                              "birne",
                                              "karte 10",
                                              "Karte 2",
                                              "\xC3\x9C"
                                              "ber",
                                              "Zebra"};
    Win32Collation collation;
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        for (std::size_t j = i + 1; j < ordered.size(); ++j) {
            EXPECT_LT(collation.sortKey(ordered[i]), collation.sortKey(ordered[j]))
                << ordered[i] << " " << ordered[j];
        }
    }
}

}  // namespace
}  // namespace kavinor::platform
