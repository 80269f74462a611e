// Session scripts: one command per line, words separated by blanks, a word
// in double quotes may hold blanks, and # starts a comment.
#pragma once

#include <string>
#include <vector>

namespace shapix_tool {

struct ScriptLine {
    int number = 0; // 1-based, for messages
    std::vector<std::string> words; // never empty
};

// Throws ToolError "SOURCE:LINE: ..." for an unterminated quote.
std::vector<ScriptLine> ReadScriptLines(const std::string& text, const std::string& source);

} // namespace shapix_tool
