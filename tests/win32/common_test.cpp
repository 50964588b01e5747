// The tools' system layer on Windows: roots, names outside any code page, atomic replace.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "atomic_file.h"
#include "input_file.h"
#include "io_error.h"
#include "scratch_dir.h"
#include "system_text.h"
#include "winpath.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;

struct RootCase {
    std::string written;
    std::wstring root;
    std::size_t length;
};

TEST(WindowsRoots, DrivesSharesAndRelativePaths) {
    const RootCase cases[] = {
        {"Z:\\tmp\\a.ov2", L"Z:\\", 3},
        {"c:/Karten", L"c:\\", 3},
        {"C:\\\\doppelt", L"C:\\", 4},
        {"D:Karte.ov2", L"D:", 2},
        {"\\\\server\\freigabe\\Karten\\a.ov2", L"\\\\server\\freigabe\\", 18},
        {"//server/freigabe", L"\\\\server\\freigabe\\", 17},
        {"\\Karten", L"\\", 1},
        {"Karten\\a.ov2", L"", 0},
    };
    for (const RootCase& c : cases) {
        const sys::Root root = sys::rootOf(c.written);
        EXPECT_EQ(root.path.native(), c.root) << c.written;
        EXPECT_EQ(root.length, c.length) << c.written;
    }
}

class WindowsFiles : public ::testing::Test {
protected:
    fs::path file(const std::string& name) const { return dir.path() / sys::pathFromText(name); }
    std::string text(const std::string& name) const { return sys::textOf(file(name)); }

    static void write(const fs::path& target, const std::string& bytes) {
        AtomicFile output(target, sys::textOf(target.filename()));
        output.write(bytes);
        output.commit();
    }

    ScratchDir dir;
};

TEST_F(WindowsFiles, AnyNameIsWrittenReplacedReadAndFound) {
    for (const std::string name : {"Burgen Schlösser.asc", "Řeka ✓.asc", "日本.ov2"}) {
        write(file(name), "alt");
        write(file(name), "neu");
        InputFile input(file(name), name);
        char bytes[8] = {};
        EXPECT_EQ(input.read(bytes, sizeof bytes), 3u) << name;
        EXPECT_EQ(std::string(bytes, 3), "neu") << name;
        EXPECT_TRUE(fs::equivalent(winpath::resolve(text(name)), file(name))) << name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
}

TEST_F(WindowsFiles, ReadOnlyTargetIsKeptWithClearMessage) {
    writeBytes(file("Ziel.ov2"), "alt");
    fs::permissions(file("Ziel.ov2"), fs::perms::owner_write, fs::perm_options::remove);
    try {
        write(file("Ziel.ov2"), "neu");
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const IoError& e) {
        EXPECT_EQ(std::string(e.what()), "cannot write Ziel.ov2: Permission denied");
    }
    EXPECT_EQ(readBytes(file("Ziel.ov2")), "alt");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    fs::permissions(file("Ziel.ov2"), fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
}  // namespace kavinor::test
