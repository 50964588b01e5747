#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "line_parser.h"
#include "percent.h"

// A script line before it runs: percent expansion, redirections and words.

namespace kavinor::kvcmd {
namespace {

using Texts = std::vector<std::string>;

TEST(ScriptLine, PercentExpansion) {
    const auto environment = [](const std::string& name) -> std::optional<std::string> {
        if (name == "HOME") return std::string("/home/kartograf");
        return std::nullopt;
    };
    // `%%` is one percent sign; a lone one is dropped.
    for (const auto& [line, expanded] : std::vector<std::pair<std::string, std::string>>{
             {"copy \"100%% Rabatt.asc\"", "copy \"100% Rabatt.asc\""},
             {"%%%%", "%%"},
             {"%%HOME%%", "%HOME%"},
             {"echo %0 %1 %2", "echo s.bat eins "},
             {"cd %HOME%\\karten", "cd /home/kartograf\\karten"},
             {"echo [%UNSET%]", "echo []"},
             {"echo 50% Rabatt", "echo 50 Rabatt"},
             {"echo Ende%", "echo Ende"}}) {
        EXPECT_EQ(expandPercent(line, {"s.bat", "eins"}, environment), expanded) << line;
    }
}

TEST(ScriptLine, RedirectionsAreTakenOutWhereverTheyStand) {
    struct Case {
        std::string line;
        std::string command;  // the blank before a redirection stays part of the text
        std::vector<Redirection> redirections;
    };
    const Case cases[] = {
        {"echo Kavinor 0.75 >version.txt", "echo Kavinor 0.75 ", {{"version.txt", false}}},
        {">out.txt dir", " dir", {{"out.txt", false}}},
        {"echo a>> \"log file.txt\" b", "echo a b", {{"log file.txt", true}}},
        {"dir >a.txt >b.txt", "dir  ", {{"a.txt", false}, {"b.txt", false}}},
        {"  @ echo off", "echo off", {}},
        {"\t@@cd ..", "cd ..", {}},
        {R"(copy "a>b&c|d<e;$(f)`g`.txt" x)", R"(copy "a>b&c|d<e;$(f)`g`.txt" x)", {}}};
    for (const Case& c : cases) {
        const ParsedLine parsed = parseLine(c.line);
        EXPECT_EQ(parsed.command, c.command) << c.line;
        ASSERT_EQ(parsed.redirections.size(), c.redirections.size()) << c.line;
        for (std::size_t i = 0; i < c.redirections.size(); ++i) {
            EXPECT_EQ(parsed.redirections[i].target, c.redirections[i].target) << c.line;
            EXPECT_EQ(parsed.redirections[i].append, c.redirections[i].append) << c.line;
        }
    }
    for (const char* line : {"copy \"a.txt b.txt", "echo a >", "echo a >> ", "echo a > \"",
                             "echo a & del x", "dir | more", "sort < x", "echo a >\"unclosed"}) {
        EXPECT_THROW(parseLine(line), SyntaxError) << line;
    }
}

TEST(ScriptLine, BlanksSeparateWordsAndQuotesGroup) {
    const auto texts = [](const std::vector<Word>& words) {
        Texts result;
        for (const Word& word : words) result.push_back(word.text + (word.quoted ? "'" : ""));
        return result;
    };
    EXPECT_EQ(texts(splitWords("  a\tb  ")), (Texts{"a", "b"}));
    EXPECT_EQ(texts(splitWords("\"C:\\Mein Ordner\\x.ov2\" \"y z.asc\"")),
              (Texts{"C:\\Mein Ordner\\x.ov2'", "y z.asc'"}));
    EXPECT_EQ(texts(splitWords("pre\"fix mid\"post \"\"")), (Texts{"prefix midpost'", "'"}));
    // A standalone character is a word of its own, except inside quotes.
    EXPECT_EQ(texts(splitWords("a+\"b+c\" + d+", "+")), (Texts{"a", "+", "b+c'", "+", "d", "+"}));
}

}  // namespace
}  // namespace kavinor::kvcmd
