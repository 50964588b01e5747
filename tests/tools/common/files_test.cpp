#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <numeric>

#include "atomic_file.h"
#include "input_file.h"
#include "io_error.h"
#include "same_bytes.h"
#include "test_files.h"
#include "winpath.h"

// The tools' files: output that appears only complete, input, and names written as on Windows.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

constexpr std::size_t kMiB = 1 << 20;

// Bytes that take every value and do not repeat with the period of any buffer size.
std::string patternBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 251) % 256);
    return bytes;
}

std::string ioErrorMessage(const std::function<void()>& open) {
    try {
        open();
    } catch (const IoError& e) {
        return e.what();
    }
    return "no IoError";
}

class Files : public ::testing::Test {
protected:
    fs::path target() const { return tmp.path() / "ziel.ov2"; }
    // The temporary directory as a written absolute path, followed by `tail`.
    std::string written(const std::string& tail) const { return tmp.path().string() + tail; }
    TempDir tmp;
};

// Written in pieces around the buffer's size, or abandoned: until commit only a temporary file
// is added, and an abandoned one is removed, leaving the old target or none.
TEST_F(Files, OutputAppearsOnlyOnCommitWithExactlyTheBytesWritten) {
    std::vector<std::size_t> manySmall(300'000, 7);
    manySmall.push_back(1);
    for (const std::vector<std::size_t>& sizes : std::vector<std::vector<std::size_t>>{
             {}, {1}, {kMiB}, {3 * kMiB + 17}, {5, kMiB + 1, 3}, {kMiB - 1, 2}, manySmall}) {
        SCOPED_TRACE(sizes.size());
        const auto before = contents(tmp.path());
        const std::string expected =
            patternBytes(std::accumulate(sizes.begin(), sizes.end(), std::size_t{0}));
        for (const bool commit : {false, true}) {
            {
                AtomicFile file(target(), "ziel.ov2");
                std::size_t at = 0;
                for (std::size_t size : sizes) {
                    file.write(expected.data() + at, size);
                    at += size;
                }
                EXPECT_EQ(listNames(tmp.path()).size(), before.size() + 1);
                if (commit) file.commit();
            }
            if (commit) {
                EXPECT_EQ(listNames(tmp.path()), Names{"ziel.ov2"});
                EXPECT_TRUE(sameBytes(readFile(target()), expected));
            } else {
                EXPECT_TRUE(contents(tmp.path()) == before) << "abandoned output changed files";
            }
        }
    }
}

// A directory, a pipe or a missing directory as the target is an error naming the file as
// displayed, and nothing is left or replaced; so is a directory that appears before commit. A
// link stays a link to the new bytes; the longest name the file system takes is no problem for
// the temporary file beside it.
TEST_F(Files, OutputGoesOnlyWhereAFileCanBe) {
    fs::create_directory(tmp.path() / "ordner.ov2");
    ASSERT_EQ(mkfifo((tmp.path() / "rohr.ov2").c_str(), 0600), 0);
    const Names before = listNames(tmp.path());
    for (const std::string name : {"ordner.ov2", "rohr.ov2", "fehlt/ziel.ov2"}) {
        const std::string message =
            ioErrorMessage([&] { AtomicFile file(tmp.path() / name, "Anzeige " + name); });
        EXPECT_NE(message.find("Anzeige " + name), std::string::npos) << message;
        EXPECT_EQ(listNames(tmp.path()), before);
    }
    EXPECT_TRUE(fs::is_fifo(tmp.path() / "rohr.ov2"));
    {
        AtomicFile file(target(), "ziel.ov2");
        file.write("abc");
        fs::create_directory(target());
        EXPECT_THROW(file.commit(), IoError);
    }
    EXPECT_TRUE(fs::is_directory(target()));
    EXPECT_EQ(listNames(tmp.path()).size(), before.size() + 1);
    fs::remove(target());

    writeFile(tmp.path() / "Daten" / "echt.ov2", "alt");
    fs::create_symlink(tmp.path() / "Daten" / "echt.ov2", target());
    const std::string longName = std::string(251, 'k') + ".ov2";
    ASSERT_TRUE(std::ofstream(tmp.path() / longName).good())
        << "the file system takes no such name";
    for (const std::string name : {"ziel.ov2", longName.c_str()}) {
        AtomicFile file(tmp.path() / name, name);
        file.write("neu");
        file.commit();
    }
    EXPECT_TRUE(fs::is_symlink(target()));
    EXPECT_EQ(contents(tmp.path() / "Daten"),
              (std::map<std::string, std::string>{{"echt.ov2", "neu"}}));
    EXPECT_EQ(readFile(tmp.path() / longName), "neu");
    EXPECT_EQ(listNames(tmp.path()).size(), before.size() + 3);
}

// Both ways of reading take every byte, and name what is no file as displayed, in one line.
TEST_F(Files, InputReadsEveryByteOfARegularFile) {
    for (const std::string& content :
         {std::string(), std::string("\0\x1A\r\n\xFF", 5), patternBytes(300'000)}) {
        SCOPED_TRACE(content.size());
        writeFile(tmp.path() / "daten.asc", content);
        const FileContents whole = readWholeFile(tmp.path() / "daten.asc", "daten.asc");
        EXPECT_TRUE(sameBytes({whole.data.get(), whole.size}, content));
        InputFile file(tmp.path() / "daten.asc", "daten.asc");
        EXPECT_EQ(file.size(), content.size());
        std::string read;
        char chunk[4096];
        for (std::size_t n; (n = file.read(chunk, sizeof chunk)) != 0;) read.append(chunk, n);
        EXPECT_TRUE(sameBytes(read, content));
    }
    fs::create_directory(tmp.path() / "Karten.ov2");
    for (const auto& [name, reason] :
         {std::pair{"Karten.ov2", "not a regular file"}, std::pair{"Fehlt.ov2", "no such file"}}) {
        const std::string expected = std::string("cannot open unter\\Karte.ov2: ") + reason;
        EXPECT_EQ(ioErrorMessage([&] { readWholeFile(tmp.path() / name, "unter\\Karte.ov2"); }),
                  expected);
        EXPECT_EQ(ioErrorMessage([&] { InputFile file(tmp.path() / name, "unter\\Karte.ov2"); }),
                  expected);
    }
}

// Either separator, doubled or not, counts once; each component is found without regard to case
// unless it exists as written, among case variants always the same one; what matches nothing
// is kept as written.
TEST_F(Files, WrittenNamesFindTheirFiles) {
    const Names variants = {"karte.OV2", "KARTE.ov2", "Karte.Ov2", "kArTe.ov2"};
    for (std::size_t i = 0; i < variants.size(); ++i) {
        writeFile(tmp.path() / "eins" / variants[i], "x");
        writeFile(tmp.path() / "zwei" / variants[variants.size() - 1 - i], "x");
    }
    for (const char* file : {"a/b.ov2", "Unter/Karte.OV2", "karte.ov2", "Karte.ov2", "KARTE.OV2",
                             "daten/x.asc", "DATEN/x.asc", "Übersicht/straße.ov2"}) {
        writeFile(tmp.path() / file, "x");
    }
    std::string backslashed = tmp.path().string();
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_EQ(winpath::resolve(backslashed + "\\unter\\karte.ov2").string(),
              (tmp.path() / "Unter/Karte.OV2").string());
    for (const auto& [tail, found] : std::vector<std::pair<std::string, std::string>>{
             {"\\\\a//b.ov2", "a/b.ov2"},
             {"\\/A/\\\\B.OV2", "a/b.ov2"},
             {"\\unter\\KARTE.ov2", "Unter/Karte.OV2"},
             {"\\karte.ov2", "karte.ov2"},
             {"\\Karte.ov2", "Karte.ov2"},
             {"\\KARTE.OV2", "KARTE.OV2"},
             {"\\daten\\x.asc", "daten/x.asc"},
             {"\\ÜBERSICHT\\STRAßE.OV2", "Übersicht/straße.ov2"},
             {"\\übersicht\\Neu.ov2", "Übersicht/Neu.ov2"},
             {"\\Fehlt\\unter\\Karte.ov2", "Fehlt/unter/Karte.ov2"},
             {"/eins/KarTE.oV2", "eins/KARTE.ov2"},
             {"/zwei/KarTE.oV2", "zwei/KARTE.ov2"}}) {
        EXPECT_EQ(winpath::resolve(written(tail)).string(), (tmp.path() / found).string()) << tail;
    }
    const fs::path dots = winpath::resolve(written("\\unter\\..\\.\\UNTER\\.\\karte.ov2"));
    EXPECT_EQ(dots.filename(), "Karte.OV2");
    EXPECT_TRUE(fs::equivalent(dots, tmp.path() / "Unter/Karte.OV2"));
}

}  // namespace
}  // namespace kavinor::test
