#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "input_file.h"
#include "io_error.h"
#include "same_bytes.h"
#include "test_files.h"

// The tools' input files and their output, which appears only complete.

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

// The message of the IoError that `open` throws; empty, with a failure, when it throws none.
std::string ioErrorMessage(const std::function<void()>& open) {
    try {
        open();
    } catch (const IoError& e) {
        return e.what();
    }
    ADD_FAILURE() << "no IoError";
    return {};
}

class Files : public ::testing::Test {
protected:
    fs::path target() const { return tmp.path() / "ziel.ov2"; }
    TempDir tmp;
};

TEST_F(Files, OutputAppearsOnlyOnCommitWithExactlyTheBytesWritten) {
    std::vector<std::size_t> manySmall(300'000, 7);
    manySmall.push_back(1);
    const std::vector<std::vector<std::size_t>> writes = {
        {}, {1}, {kMiB}, {3 * kMiB + 17}, {5, kMiB + 1, 3}, {kMiB - 1, 2}, manySmall};
    writeFile(target(), patternBytes(5 * kMiB));
    for (const std::vector<std::size_t>& sizes : writes) {
        SCOPED_TRACE(sizes.size());
        const std::string old = readFile(target());
        std::size_t total = 0;
        for (std::size_t size : sizes) total += size;
        const std::string expected = patternBytes(total);
        AtomicFile file(target(), "ziel.ov2");
        std::size_t at = 0;
        for (std::size_t size : sizes) {
            file.write(expected.data() + at, size);
            at += size;
        }
        EXPECT_TRUE(sameBytes(readFile(target()), old));
        EXPECT_EQ(listNames(tmp.path()).size(), 2u) << "one temporary file while writing";
        file.commit();
        EXPECT_TRUE(sameBytes(readFile(target()), expected));
        EXPECT_EQ(listNames(tmp.path()), Names{"ziel.ov2"});
    }
}

TEST_F(Files, OutputDestroyedWithoutCommitLeavesNothingAndTheOldTarget) {
    {
        AtomicFile file(target(), "ziel.ov2");
        file.write(patternBytes(3 * kMiB));
    }
    EXPECT_EQ(listNames(tmp.path()), Names{});
    writeFile(target(), "alte Daten\r\n");
    {
        AtomicFile file(target(), "ziel.ov2");
        file.write(patternBytes(3 * kMiB));
    }
    EXPECT_EQ(readFile(target()), "alte Daten\r\n");
    EXPECT_EQ(listNames(tmp.path()), Names{"ziel.ov2"});
}

// A directory, a pipe or a missing directory as the target is an IoError naming the file as
// displayed, and nothing is left or replaced; so is a directory that appears before commit.
TEST_F(Files, OutputThatCannotBeAFileIsRefused) {
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
}

// A link stays a link to the new bytes; the longest name the file system takes is no problem
// for the temporary file beside it.
TEST_F(Files, OutputThroughALinkAndUnderTheLongestName) {
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
    EXPECT_EQ(readFile(tmp.path() / "Daten" / "echt.ov2"), "neu");
    EXPECT_EQ(readFile(tmp.path() / longName), "neu");
    EXPECT_EQ(listNames(tmp.path()), (Names{"Daten", longName, "ziel.ov2"}));
    EXPECT_EQ(listNames(tmp.path() / "Daten"), Names{"echt.ov2"});
}

// Both ways of reading name the file as displayed, in one line, telling a directory from a
// missing file.
TEST_F(Files, InputThatIsNoFileNamesItAsDisplayed) {
    fs::create_directory(tmp.path() / "Karten.ov2");
    for (const auto& [name, reason] :
         {std::pair{"Karten.ov2", "not a regular file"}, std::pair{"Fehlt.ov2", "no such file"}}) {
        const fs::path path = tmp.path() / name;
        const std::string expected = std::string("cannot open unter\\Karte.ov2: ") + reason;
        EXPECT_EQ(ioErrorMessage([&] { readWholeFile(path, "unter\\Karte.ov2"); }), expected);
        EXPECT_EQ(ioErrorMessage([&] { InputFile file(path, "unter\\Karte.ov2"); }), expected);
    }
}

TEST_F(Files, InputReadsEveryByte) {
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
}

}  // namespace
}  // namespace kavinor::test
