#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include "atomic_file.h"
#include "directory_names.h"
#include "input_file.h"
#include "io_error.h"
#include "temp_dir.h"
#include "test_files.h"
#include "winpath.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// The longest name the file system takes is no problem for the temporary file beside it.
TEST(Files, OutputGoesOnlyWhereAFileCanBe) {
    TempDir tmp;
    const fs::path target = tmp.path() / "ziel.ov2";
    fs::create_directory(tmp.path() / "ordner.ov2");
    ASSERT_EQ(mkfifo((tmp.path() / "rohr.ov2").c_str(), 0600), 0);
    const Names before = listNames(tmp.path());
    for (const std::string name : {"ordner.ov2", "rohr.ov2", "fehlt/ziel.ov2"}) {
        try {
            AtomicFile file(tmp.path() / name, "Anzeige " + name);
            ADD_FAILURE() << name;
        } catch (const IoError& e) {
            EXPECT_NE(std::string(e.what()).find("Anzeige " + name), std::string::npos);
        }
        EXPECT_EQ(listNames(tmp.path()), before);
    }
    EXPECT_TRUE(fs::is_fifo(tmp.path() / "rohr.ov2"));
    {
        AtomicFile file(target, "ziel.ov2");
        file.write("abc");
        fs::create_directory(target);
        EXPECT_THROW(file.commit(), IoError);
    }
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(listNames(tmp.path()).size(), before.size() + 1);
    fs::remove(target);

    writeFile(tmp.path() / "Daten" / "echt.ov2", "alt");
    fs::create_symlink(tmp.path() / "Daten" / "echt.ov2", target);
    const std::string longName = std::string(251, 'k') + ".ov2";
    ASSERT_TRUE(std::ofstream(tmp.path() / longName).good())
        << "the file system takes no such name";
    for (const std::string name : {"ziel.ov2", longName.c_str()}) {
        AtomicFile file(tmp.path() / name, name);
        file.write("neu");
        file.commit();
    }
    EXPECT_TRUE(fs::is_symlink(target));
    EXPECT_EQ(contents(tmp.path() / "Daten"),
              (std::map<std::string, std::string>{{"echt.ov2", "neu"}}));
    EXPECT_EQ(readFile(tmp.path() / longName), "neu");
    EXPECT_EQ(listNames(tmp.path()).size(), before.size() + 3);
}

// Among case variants always the same one is found.
TEST(Files, WrittenNamesFindTheirFiles) {
    TempDir tmp;
    const Names variants = {"karte.OV2", "KARTE.ov2", "Karte.Ov2", "kArTe.ov2"};
    for (std::size_t i = 0; i < variants.size(); ++i) {
        writeFile(tmp.path() / "eins" / variants[i], "x");
        writeFile(tmp.path() / "zwei" / variants[variants.size() - 1 - i], "x");
    }
    for (const char* file : {"a/b.ov2", "Unter/Karte.OV2", "karte.ov2", "Übersicht/straße.ov2"}) {
        writeFile(tmp.path() / file, "x");
    }
    std::string backslashed = tmp.path().string();
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_EQ(winpath::resolve(backslashed + "\\unter\\karte.ov2").string(),
              (tmp.path() / "Unter/Karte.OV2").string());
    for (const auto& [tail, found] : std::vector<std::pair<std::string, std::string>>{
             {"\\/A/\\\\B.OV2", "a/b.ov2"},
             {"\\karte.ov2", "karte.ov2"},
             {"\\ÜBERSICHT\\STRAßE.OV2", "Übersicht/straße.ov2"},
             {"\\übersicht\\Neu.ov2", "Übersicht/Neu.ov2"},
             {"\\Fehlt\\unter\\Karte.ov2", "Fehlt/unter/Karte.ov2"},
             {"/eins/KarTE.oV2", "eins/KARTE.ov2"},
             {"/zwei/KarTE.oV2", "zwei/KARTE.ov2"}}) {
        EXPECT_EQ(winpath::resolve(tmp.path().string() + tail).string(),
                  (tmp.path() / found).string())
            << tail;
    }
    const fs::path dots =
        winpath::resolve(tmp.path().string() + "\\unter\\..\\.\\UNTER\\.\\karte.ov2");
    EXPECT_EQ(dots.filename(), "Karte.OV2");
    EXPECT_TRUE(fs::equivalent(dots, tmp.path() / "Unter/Karte.OV2"));
}

// A large file is read by two readers side by side, each byte in its place.
TEST(Files, LargeFilesReadWhole) {
    TempDir tmp;
    std::string bytes(5 * 1024 * 1024 + 3, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
    writeFile(tmp.path() / "gross.asc", bytes);
    const FileContents read = readWholeFile(tmp.path() / "gross.asc", "gross.asc");
    EXPECT_TRUE(std::string_view(read.data.get(), read.size) == bytes);
}

// Kept names follow what is noted and what happens behind the keeper's back alike.
TEST(Files, KeptNamesStayTrue) {
    TempDir tmp;
    const fs::path dir = tmp.path();
    for (const char* name : {"Karte.OV2", "KARTE.ov2", "Übersicht.asc"}) writeFile(dir / name, "x");
    winpath::DirectoryNames names;
    EXPECT_EQ(names.find(dir, "karte.ov2"), "KARTE.ov2");
    EXPECT_EQ(names.find(dir, "übersicht.ASC"), "Übersicht.asc");
    EXPECT_EQ(names.find(dir, "fehlt.asc"), std::nullopt);

    writeFile(dir / "Neu.asc", "x");
    names.added(dir, "Neu.asc");
    fs::remove(dir / "KARTE.ov2");
    names.removed(dir, "KARTE.ov2");
    EXPECT_EQ(names.find(dir, "NEU.ASC"), "Neu.asc");
    EXPECT_EQ(names.find(dir, "karte.ov2"), "Karte.OV2");

    // A change from outside, shown by the directory's times.
    writeFile(dir / "Fremd.txt", "x");
    fs::remove(dir / "Neu.asc");
    fs::last_write_time(dir, fs::last_write_time(dir) + std::chrono::seconds(1));
    EXPECT_EQ(names.find(dir, "fremd.TXT"), "Fremd.txt");
    EXPECT_EQ(names.find(dir, "neu.asc"), std::nullopt);
    EXPECT_EQ(names.find(dir / "Karte.OV2", "x"), std::nullopt);
}

}  // namespace
}  // namespace kavinor::test
