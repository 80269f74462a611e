#include "Script.h"

#include "ToolError.h"

#include <sstream>

namespace shapix_tool {

std::vector<ScriptLine> ReadScriptLines(const std::string& text, const std::string& source)
{
    std::vector<ScriptLine> lines;
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        ScriptLine line;
        line.number = number;
        std::string word;
        bool inWord = false;
        bool quoted = false;
        for (const char c : raw) {
            if (quoted) {
                if (c == '"')
                    quoted = false;
                else
                    word += c;
            } else if (c == '"') {
                quoted = true;
                inWord = true;
            } else if (c == '#' && !inWord) {
                break;
            } else if (c == ' ' || c == '\t') {
                if (inWord)
                    line.words.push_back(word);
                word.clear();
                inWord = false;
            } else {
                word += c;
                inWord = true;
            }
        }
        if (quoted)
            throw ToolError(source + ":" + std::to_string(number) + ": the quote is not closed");
        if (inWord)
            line.words.push_back(word);
        if (!line.words.empty())
            lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace shapix_tool
