#include "Arguments.h"

#include "ToolError.h"

#include <charconv>
#include <cmath>

namespace shapix_tool {

Arguments::Arguments(std::vector<std::string> args, std::string command)
    : m_args(std::move(args))
    , m_command(std::move(command))
{
}

bool Arguments::WantsHelp() const
{
    for (const std::string& arg : m_args) {
        if (arg == "--help" || arg == "-h")
            return true;
    }
    return false;
}

bool Arguments::Flag(const std::string& name)
{
    for (auto it = m_args.begin(); it != m_args.end(); ++it) {
        if (*it == name) {
            m_args.erase(it);
            return true;
        }
    }
    return false;
}

std::optional<std::string> Arguments::Value(const std::string& name, const std::string& alias)
{
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        for (const std::string& option : { name, alias }) {
            if (option.empty())
                continue;
            if (m_args[i] == option) {
                if (i + 1 >= m_args.size())
                    Fail("option " + option + " needs a value");
                std::string value = m_args[i + 1];
                m_args.erase(m_args.begin() + static_cast<long>(i), m_args.begin() + static_cast<long>(i) + 2);
                return value;
            }
            if (m_args[i].rfind(option + "=", 0) == 0) {
                std::string value = m_args[i].substr(option.size() + 1);
                m_args.erase(m_args.begin() + static_cast<long>(i));
                return value;
            }
        }
    }
    return std::nullopt;
}

std::vector<std::string> Arguments::Positionals()
{
    for (const std::string& arg : m_args) {
        double number = 0;
        if (arg.size() > 1 && arg[0] == '-' && !TryParseDouble(arg, number))
            Fail("unknown option " + arg);
    }
    return m_args;
}

void Arguments::Fail(const std::string& message) const { throw UsageError(message, m_command); }

bool TryParseDouble(const std::string& text, double& value)
{
    const char* end = text.data() + text.size();
    const char* begin = text.data();
    if (begin != end && *begin == '+')
        ++begin;
    const auto result = std::from_chars(begin, end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

bool TryParseLong(const std::string& text, long& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

double ParseDouble(const std::string& text, const std::string& what)
{
    double value = 0;
    if (!TryParseDouble(text, value))
        throw ToolError(what + ": expected a number, got \"" + text + "\"");
    return value;
}

long ParseLong(const std::string& text, const std::string& what)
{
    long value = 0;
    if (!TryParseLong(text, value))
        throw ToolError(what + ": expected a whole number, got \"" + text + "\"");
    return value;
}

} // namespace shapix_tool
