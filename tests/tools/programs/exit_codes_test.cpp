#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "asc_text.h"
#include "test_files.h"
#include "tool_test.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;
using Names = std::vector<std::string>;

class ExitCodes : public ToolTest {
protected:
    ExitCodes() {
        writeFile(work() / "karte.ov2", sampleOv2(5));
        writeFile(work() / "karte.asc", sampleAsc(5));
    }
};

TEST_F(ExitCodes, SuccessIsZeroWithNothingOnStandardError) {
    EXPECT_TRUE(succeeded(run(kDumpov2, {"karte.ov2", "aus.asc"})));
    EXPECT_TRUE(succeeded(run(kMakeov2, {"karte.asc", "aus.ov2"})));
    EXPECT_EQ(listNames(work()), (Names{"aus.asc", "aus.ov2", "karte.asc", "karte.ov2"}));
}

TEST_F(ExitCodes, WrongUsageIsTwoWithOneLine) {
    for (const auto& [tool, input] : {std::pair{kDumpov2, "karte.ov2"}, {kMakeov2, "karte.asc"}}) {
        for (const Args& args : {Args{}, Args{input}, Args{input, "aus", "mehr"}, Args{"", "aus"},
                                 Args{input, ""}, Args{"", ""}}) {
            std::string shown = tool.name;
            for (const std::string& arg : args) shown += " '" + arg + "'";
            SCOPED_TRACE(shown);
            EXPECT_TRUE(failedWithOneLine(run(tool, args), tool, 2));
            EXPECT_EQ(listNames(work()), (Names{"karte.asc", "karte.ov2"}));
        }
    }
}

TEST_F(ExitCodes, AnOutputThatIsTheInputItselfIsRefusedAndTheInputKept) {
    const std::string ov2 = readFile(work() / "karte.ov2");
    const std::string asc = readFile(work() / "karte.asc");
    // The same file under another spelling must not slip through either.
    for (const auto& [tool, input, output] : {std::tuple{kDumpov2, "karte.ov2", "karte.ov2"},
                                              {kDumpov2, "karte.ov2", ".\\KARTE.ov2"},
                                              {kMakeov2, "karte.asc", "karte.asc"},
                                              {kMakeov2, "karte.asc", "./Karte.ASC"}}) {
        SCOPED_TRACE(std::string(tool.name) + " " + input + " " + output);
        EXPECT_TRUE(failedWithOneLine(run(tool, {input, output}), tool, 2));
    }
    EXPECT_EQ(readFile(work() / "karte.ov2"), ov2);
    EXPECT_EQ(readFile(work() / "karte.asc"), asc);
    EXPECT_EQ(listNames(work()), (Names{"karte.asc", "karte.ov2"}));
}

TEST_F(ExitCodes, BadDataOrFailedInputOutputIsOneWithOneLineNamingTheFile) {
    fs::create_directory(work() / "ordner.ov2");
    fs::create_directory(work() / "ordner.asc");
    writeFile(work() / "kaputt.ov2", "\x07kaputt");
    writeFile(work() / "kaputt.asc", "kaputt\r\n");
    struct Case {
        Tool tool;
        Args args;
        std::string named;  // the name the message must hold
    };
    const Case cases[] = {
        {kDumpov2, {"fehlt.ov2", "aus.asc"}, "fehlt.ov2"},
        {kDumpov2, {"ordner.ov2", "aus.asc"}, "ordner.ov2"},
        {kDumpov2, {"kaputt.ov2", "aus.asc"}, "kaputt.ov2"},
        {kDumpov2, {"karte.ov2", "fehlt\\aus.asc"}, "fehlt\\aus.asc"},
        {kDumpov2, {"karte.ov2", "ordner.asc"}, "ordner.asc"},
        {kMakeov2, {"fehlt.asc", "aus.ov2"}, "fehlt.asc"},
        {kMakeov2, {"ordner.asc", "aus.ov2"}, "ordner.asc"},
        {kMakeov2, {"kaputt.asc", "aus.ov2"}, "kaputt.asc"},
        {kMakeov2, {"karte.asc", "fehlt\\aus.ov2"}, "fehlt\\aus.ov2"},
        {kMakeov2, {"karte.asc", "ordner.ov2"}, "ordner.ov2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tool.name) + " " + c.args[0] + " " + c.args[1]);
        const ToolRun result = run(c.tool, c.args);
        EXPECT_TRUE(failedWithOneLine(result, c.tool, 1));
        EXPECT_NE(result.errors.find(c.named), std::string::npos) << result.errors;
    }
}

}  // namespace
}  // namespace kavinor::test
