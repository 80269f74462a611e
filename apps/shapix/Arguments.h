// A subcommand's command line: options taken by name, in any order, then
// the positional arguments that remain.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace shapix_tool {

class Arguments {
public:
    Arguments(std::vector<std::string> args, std::string command);

    const std::string& Command() const { return m_command; }
    // --help or -h anywhere.
    bool WantsHelp() const;
    // Takes a flag (--fit); true when it was given.
    bool Flag(const std::string& name);
    // Takes "--name VALUE" or "--name=VALUE" (the first of the names given).
    std::optional<std::string> Value(const std::string& name, const std::string& alias = "");
    // What remains once every option is taken; an unknown option is a
    // UsageError.
    std::vector<std::string> Positionals();

    [[noreturn]] void Fail(const std::string& message) const;

private:
    std::vector<std::string> m_args;
    std::string m_command;
};

// Strict conversions for option values and script words: the whole text
// must be the number. `what` names the value in the error message.
double ParseDouble(const std::string& text, const std::string& what);
long ParseLong(const std::string& text, const std::string& what);
bool TryParseDouble(const std::string& text, double& value);
bool TryParseLong(const std::string& text, long& value);

} // namespace shapix_tool
