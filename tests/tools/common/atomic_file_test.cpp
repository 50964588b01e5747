#include "atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "io_error.h"
#include "same_bytes.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;
using kavinor::AtomicFile;
using kavinor::IoError;
using kavinor::test::listNames;
using kavinor::test::readFile;
using kavinor::test::sameBytes;
using kavinor::test::TempDir;
using kavinor::test::writeFile;
using Names = std::vector<std::string>;

constexpr std::size_t kMiB = 1 << 20;

// Bytes that take every value and do not repeat with the period of any buffer size.
std::string patternBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 251) % 256);
    return bytes;
}

class AtomicFileTest : public ::testing::Test {
protected:
    fs::path target() const { return tmp.path() / "ziel.ov2"; }

    TempDir tmp;
};

TEST_F(AtomicFileTest, TargetAppearsOnlyOnCommit) {
    AtomicFile file(target(), "ziel.ov2");
    file.write(patternBytes(2 * kMiB));
    EXPECT_FALSE(fs::exists(target()));
    ASSERT_EQ(listNames(tmp.path()).size(), 1u) << "one temporary file while writing";

    file.commit();
    EXPECT_EQ(listNames(tmp.path()), Names{"ziel.ov2"});
    EXPECT_TRUE(sameBytes(readFile(target()), patternBytes(2 * kMiB)));
}

TEST_F(AtomicFileTest, CommittedFileHoldsExactlyTheBytesWritten) {
    struct Case {
        const char* name;
        std::vector<std::size_t> writes;  // sizes of consecutive writes
    };
    std::vector<std::size_t> manySmall(300'000, 7);
    manySmall.push_back(1);
    const Case cases[] = {
        {"nothing", {}},
        {"one byte", {1}},
        {"exactly the buffer", {kMiB}},
        {"larger than the buffer", {3 * kMiB + 17}},
        {"small, large, small", {5, kMiB + 1, 3}},
        {"filling the buffer to one byte short, then two bytes", {kMiB - 1, 2}},
        {"many small writes across the buffer's end", manySmall},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::size_t total = 0;
        for (std::size_t size : c.writes) total += size;
        const std::string expected = patternBytes(total);
        {
            AtomicFile file(target(), "ziel.ov2");
            std::size_t at = 0;
            for (std::size_t size : c.writes) {
                file.write(expected.data() + at, size);
                at += size;
            }
            file.commit();
        }
        EXPECT_TRUE(sameBytes(readFile(target()), expected));
        EXPECT_EQ(listNames(tmp.path()), Names{"ziel.ov2"});
    }
}

TEST_F(AtomicFileTest, DestroyedWithoutCommitLeavesNoFileBehind) {
    {
        AtomicFile file(target(), "ziel.ov2");
        file.write(patternBytes(3 * kMiB));
    }
    EXPECT_EQ(listNames(tmp.path()), Names{});

    { AtomicFile unwritten(target(), "ziel.ov2"); }
    EXPECT_EQ(listNames(tmp.path()), Names{});
}

TEST_F(AtomicFileTest, DestroyedWithoutCommitLeavesExistingTargetUntouched) {
    writeFile(target(), "alte Daten\r\n");
    {
        AtomicFile file(target(), "ziel.ov2");
        file.write(patternBytes(3 * kMiB));
    }
    EXPECT_EQ(readFile(target()), "alte Daten\r\n");
    EXPECT_EQ(listNames(tmp.path()), Names{"ziel.ov2"});
}

TEST_F(AtomicFileTest, CommitReplacesExistingTarget) {
    writeFile(target(), patternBytes(5 * kMiB));
    AtomicFile file(target(), "ziel.ov2");
    file.write("neu");
    EXPECT_TRUE(sameBytes(readFile(target()), patternBytes(5 * kMiB)));
    file.commit();
    EXPECT_EQ(readFile(target()), "neu");
    EXPECT_EQ(listNames(tmp.path()), Names{"ziel.ov2"});
}

TEST_F(AtomicFileTest, DirectoryAsTargetIsAnIoError) {
    fs::create_directory(target());
    try {
        AtomicFile file(target(), "Ziel.ov2");
        ADD_FAILURE() << "no IoError for a directory";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("Ziel.ov2"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(fs::is_directory(target()));
    EXPECT_EQ(listNames(tmp.path()), Names{"ziel.ov2"});

    // The same when the directory appears between opening and commit.
    fs::remove(target());
    {
        AtomicFile file(target(), "Ziel.ov2");
        file.write("abc");
        fs::create_directory(target());
        EXPECT_THROW(file.commit(), IoError);
    }
    EXPECT_TRUE(fs::is_directory(target()));
    EXPECT_EQ(listNames(tmp.path()), Names{"ziel.ov2"});
}

TEST_F(AtomicFileTest, APipeAsTargetIsRefusedNotReplaced) {
    ASSERT_EQ(mkfifo(target().c_str(), 0600), 0);
    EXPECT_THROW(AtomicFile(target(), "ziel.ov2"), IoError);
    EXPECT_TRUE(fs::is_fifo(target()));
    EXPECT_EQ(listNames(tmp.path()), Names{"ziel.ov2"});
}

TEST_F(AtomicFileTest, ALinkAsTargetStaysALinkToTheNewBytes) {
    writeFile(tmp.path() / "Daten" / "echt.ov2", "alt");
    fs::create_symlink(tmp.path() / "Daten" / "echt.ov2", target());
    {
        AtomicFile file(target(), "ziel.ov2");
        file.write("neu");
        file.commit();
    }
    EXPECT_TRUE(fs::is_symlink(target()));
    EXPECT_EQ(readFile(tmp.path() / "Daten" / "echt.ov2"), "neu");
    EXPECT_EQ(listNames(tmp.path() / "Daten"), Names{"echt.ov2"});
}

TEST_F(AtomicFileTest, TargetInMissingDirectoryIsAnIoError) {
    try {
        AtomicFile file(tmp.path() / "fehlt" / "ziel.ov2", "fehlt\\ziel.ov2");
        ADD_FAILURE() << "no IoError for a missing directory";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("fehlt\\ziel.ov2"), std::string::npos) << e.what();
    }
    EXPECT_EQ(listNames(tmp.path()), Names{});
}

TEST_F(AtomicFileTest, AcceptsTheLongestNameTheFileSystemTakes) {
    const std::string name = std::string(251, 'k') + ".ov2";
    {
        std::ofstream probe(tmp.path() / name);
        ASSERT_TRUE(probe.good()) << "the file system takes no names of this length";
    }
    fs::remove(tmp.path() / name);

    {
        AtomicFile file(tmp.path() / name, name);
        file.write("abc");
        file.commit();
    }
    EXPECT_EQ(readFile(tmp.path() / name), "abc");
    EXPECT_EQ(listNames(tmp.path()), Names{name});
}

}  // namespace
