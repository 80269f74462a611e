// The two ways a run of the tool fails, and the exit status of each.
#pragma once

#include <stdexcept>
#include <string>

namespace shapix_tool {

enum ExitStatus {
    kExitOk = 0,
    kExitFailure = 1, // a bad input file, a failed expect line, an output that cannot be written
    kExitUsage = 2, // the command line itself is wrong
};

// The input or the session went wrong; the message names the file, the
// outline and the field, or the script line.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The command line is wrong; the message is followed by a hint to --help.
class UsageError : public std::runtime_error {
public:
    UsageError(const std::string& message, std::string command)
        : std::runtime_error(message)
        , m_command(std::move(command))
    {
    }
    const std::string& Command() const { return m_command; }

private:
    std::string m_command;
};

} // namespace shapix_tool
