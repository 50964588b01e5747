#include <gtest/gtest.h>

#include "line_parser.h"
#include "percent.h"

namespace kavinor::kvcmd {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// `%%` is one percent sign; a lone one is dropped.
TEST(ScriptLine, PercentExpansion) {
    const auto environment = [](const std::string& name) -> std::optional<std::string> {
        if (name == "HOME") return std::string("/home/kartograf");
        return std::nullopt;
    };
    for (const auto& [line, expanded] :
         Pairs{{"copy \"100%% Rabatt.asc\"", "copy \"100% Rabatt.asc\""},
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

// Redirections are taken out wherever they stand; the blank before one stays in the command.
TEST(ScriptLine, RedirectionsAndWords) {
    for (const auto& [line, parsed] :
         Pairs{{"echo Kavinor 0.75 >version.txt", "[echo Kavinor 0.75 ] >version.txt"},
               {">out.txt dir", "[ dir] >out.txt"},
               {"echo a>> \"log file.txt\" b", "[echo a b] >>log file.txt"},
               {"dir >a.txt >b.txt", "[dir  ] >a.txt >b.txt"},
               {"  @ echo off", "[echo off]"},
               {"\t@@cd ..", "[cd ..]"},
               {R"(copy "a>b&c|d<e;$(f)`g`.txt" x)", R"([copy "a>b&c|d<e;$(f)`g`.txt" x])"}}) {
        const ParsedLine result = parseLine(line);
        std::string shown = "[" + result.command + "]";
        for (const Redirection& r : result.redirections) {
            shown += (r.append ? " >>" : " >") + r.target;
        }
        EXPECT_EQ(shown, parsed) << line;
    }
    for (const char* line : {"copy \"a.txt b.txt", "echo a >", "echo a >> ", "echo a > \"",
                             "echo a & del x", "dir | more", "sort < x", "echo a >\"unclosed"}) {
        EXPECT_THROW(parseLine(line), SyntaxError) << line;
    }
    std::string words;
    for (const Word& word :
         splitWords("  a\tb  pre\"fix mid\"post \"\" \"C:\\Mein Ordner\\x\" a+\"b+c\" + d+", "+")) {
        words += "[" + word.text + (word.quoted ? "']" : "]");
    }
    EXPECT_EQ(words, "[a][b][prefix midpost']['][C:\\Mein Ordner\\x'][a][+][b+c'][+][d][+]");
}

}  // namespace
}  // namespace kavinor::kvcmd
