#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "asc_text.h"
#include "test_files.h"
#include "tool_test.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

using FileNames = ToolTest;

TEST_F(FileNames, BlanksUmlautsAndShellCharactersArePlainNames) {
    const fs::path dir = freshDir("Ordner mit Ümlaut & $HOME; `id`");
    const std::string input = "Meine Karte & Co; $PATH.ov2";
    const std::string text = "Äpfel $(echo x) `y` ; z|w.asc";
    const std::string output = "Straße & Söhne $1;'x'.ov2";
    writeFile(dir / input, sampleOv2(20));

    EXPECT_TRUE(succeeded(runIn(dir, kDumpov2, {input, text})));
    EXPECT_TRUE(succeeded(runIn(dir, kMakeov2, {(dir / text).string(), output})));

    EXPECT_EQ(listNames(dir), (Names{input, output, text}));
    EXPECT_EQ(readFile(dir / text), sampleAsc(20));
    EXPECT_TRUE(succeeded(run(kDumpov2, {(dir / output).string(), "kontrolle.asc"})));
    EXPECT_EQ(sortedLines(readFile(work() / "kontrolle.asc")), sortedLines(sampleAsc(20)));
}

}  // namespace
}  // namespace kavinor::test
