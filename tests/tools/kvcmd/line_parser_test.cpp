#include "line_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kavinor::kvcmd::parseLine;
using kavinor::kvcmd::splitWords;
using kavinor::kvcmd::SyntaxError;

std::vector<std::string> texts(const std::vector<kavinor::kvcmd::Word>& words) {
    std::vector<std::string> result;
    for (const auto& word : words) result.push_back(word.text);
    return result;
}

TEST(ParseLine, RedirectionsAreTakenOutWhereverTheyStand) {
    const auto echo = parseLine("echo Kavinor 0.75 >version.txt");
    EXPECT_EQ(echo.command, "echo Kavinor 0.75 ");  // the blank stays part of the text
    ASSERT_EQ(echo.redirections.size(), 1u);
    EXPECT_EQ(echo.redirections[0].target, "version.txt");
    EXPECT_FALSE(echo.redirections[0].append);

    const auto first = parseLine(">out.txt dir");
    EXPECT_EQ(first.command, " dir");
    EXPECT_EQ(first.redirections[0].target, "out.txt");

    const auto appended = parseLine("echo a>> \"log file.txt\" b");
    EXPECT_EQ(appended.command, "echo a b");
    EXPECT_EQ(appended.redirections[0].target, "log file.txt");
    EXPECT_TRUE(appended.redirections[0].append);

    const auto two = parseLine("dir >a.txt >b.txt");
    ASSERT_EQ(two.redirections.size(), 2u);
    EXPECT_EQ(two.redirections[1].target, "b.txt");
}

TEST(ParseLine, QuotesKeepEverySpecialCharacterAName) {
    const auto line = parseLine(R"(copy "a>b&c|d<e;$(f)`g`.txt" x)");
    EXPECT_EQ(line.command, R"(copy "a>b&c|d<e;$(f)`g`.txt" x)");
    EXPECT_TRUE(line.redirections.empty());
}

TEST(ParseLine, LeadingBlanksAndAtSignsGo) {
    EXPECT_EQ(parseLine("  @ echo off").command, "echo off");
    EXPECT_EQ(parseLine("\t@@cd ..").command, "cd ..");
}

TEST(ParseLine, RefusesWhatItCannotCarryOut) {
    for (const char* line : {"copy \"a.txt b.txt", "echo a >", "echo a >> ", "echo a > \"",
                             "echo a & del x", "dir | more", "sort < x", "echo a >\"unclosed"}) {
        SCOPED_TRACE(line);
        EXPECT_THROW(parseLine(line), SyntaxError);
    }
}

TEST(SplitWords, BlanksSeparateAndQuotesGroup) {
    EXPECT_EQ(texts(splitWords("  a\tb  ")), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(texts(splitWords("\"C:\\Mein Ordner\\x.ov2\" \"y z.asc\"")),
              (std::vector<std::string>{"C:\\Mein Ordner\\x.ov2", "y z.asc"}));
    EXPECT_EQ(texts(splitWords("pre\"fix mid\"post \"\"")),
              (std::vector<std::string>{"prefix midpost", ""}));
    // A standalone character is a word of its own, except inside quotes.
    EXPECT_EQ(texts(splitWords("a+\"b+c\" + d+", "+")),
              (std::vector<std::string>{"a", "+", "b+c", "+", "d", "+"}));
    const auto words = splitWords("/t \"/t\"");
    EXPECT_FALSE(words[0].quoted);
    EXPECT_TRUE(words[1].quoted);
}

}  // namespace
