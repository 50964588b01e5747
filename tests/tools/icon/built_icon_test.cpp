#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "bmp_reading.h"
#include "bmp_writer.h"
#include "icon_source.h"

namespace kavinor::icon {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(BuiltIcon, IsTheThirtyTwoSquareFourBitDrawingOfItsSource) {
    const std::string bmp = readFile(KAVINOR_ICON_BMP);
    ASSERT_EQ(bmp.size(), 118u + 32 * 16);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(le32(bmp, 18), 32u);
    EXPECT_EQ(le32(bmp, 22), 32u);
    EXPECT_EQ(le16(bmp, 28), 4u);

    const IndexedImage image = parseIconSource(readFile(KAVINOR_ICON_SOURCE), "icon.txt");
    StringSink expected;
    writeBmp(image, expected);
    EXPECT_EQ(bmp, expected.bytes);
}

// The build runs make_icon; a broken source must stop it without leaving a bitmap behind.
class MakeIcon : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("make_icon_test_" + std::to_string(std::random_device()()));
        ASSERT_TRUE(std::filesystem::create_directory(dir_));
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    int run(const std::string& arguments) {
        const std::string command = std::string("\"") + KAVINOR_MAKE_ICON + "\" " + arguments +
                                    " 2>\"" + (dir_ / "stderr").string() + "\"";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::filesystem::path dir_;
};

TEST_F(MakeIcon, BadSourceFailsWithOneLineAndLeavesTheTargetAsItWas) {
    const auto source = dir_ / "icon.txt";
    const auto target = dir_ / "icon.bmp";
    std::ofstream(source) << "size 2 1\npalette\n";
    std::ofstream(target) << "old";
    const std::string sourceName = source.string();
    EXPECT_EQ(run("\"" + sourceName + "\" \"" + target.string() + "\""), 1);
    EXPECT_EQ(readFile(dir_ / "stderr"),
              "make_icon: " + sourceName + ":2: the file ends before its pixels section\n");
    EXPECT_EQ(readFile(target), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 3);
}

TEST_F(MakeIcon, WrongArgumentCountIsAUsageError) {
    EXPECT_EQ(run("only-one.txt"), 2);
    const std::string message = readFile(dir_ / "stderr");
    EXPECT_NE(message.find("make_icon SOURCE.txt OUTPUT.bmp"), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
}

}  // namespace
}  // namespace kavinor::icon
