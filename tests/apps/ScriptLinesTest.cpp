// Splitting a session script into words.
#include "Script.h"
#include "ToolError.h"

#include <gtest/gtest.h>

using namespace shapix_tool;

TEST(ScriptLines, WordsQuotesCommentsAndLineNumbers)
{
    const auto lines = ReadScriptLines("# heading\n\nload  \"my plate.json\"\tfit # fitted\r\n"
                                       "answer side type \"\" \nexpect dim 10 20 a#1 #1\n",
        "s.shapix");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].number, 3);
    EXPECT_EQ(lines[0].words, (std::vector<std::string> { "load", "my plate.json", "fit" }));
    EXPECT_EQ(lines[1].words, (std::vector<std::string> { "answer", "side", "type", "" })) << "an empty quoted word";
    EXPECT_EQ(lines[2].number, 5);
    EXPECT_EQ(lines[2].words, (std::vector<std::string> { "expect", "dim", "10", "20", "a#1" }))
        << "# starts a comment only at the start of a word";

    try {
        ReadScriptLines("size 640x480\nrender \"a.png\nsave b.json\n", "s.shapix");
        ADD_FAILURE() << "an open quote was accepted";
    } catch (const ToolError& error) {
        EXPECT_STREQ(error.what(), "s.shapix:2: the quote is not closed");
    }
}
