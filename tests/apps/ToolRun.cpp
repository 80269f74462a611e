#include "ToolRun.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace tool_test {

namespace fs = std::filesystem;

namespace {

    std::string Quoted(const std::string& word)
    {
        std::string text = "'";
        for (const char c : word)
            text += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return text + "'";
    }

    std::string Slurp(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

} // namespace

ScratchFolder::ScratchFolder()
{
    std::string pattern = (fs::temp_directory_path() / "shapix-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a scratch folder");
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

void ScratchFolder::Write(const std::string& name, const std::string& text) const
{
    std::ofstream out(m_path / name, std::ios::binary);
    out << text;
}

std::string ScratchFolder::Read(const std::string& name) const { return Slurp(m_path / name); }

ToolResult RunTool(const std::vector<std::string>& args, const fs::path& folder)
{
    std::string command = "cd " + Quoted(folder.string()) + " && " + Quoted(SHAPIX_TOOL);
    for (const std::string& arg : args)
        command += " " + Quoted(arg);
    const fs::path out = folder / ".tool-out";
    const fs::path err = folder / ".tool-err";
    command += " > " + Quoted(out.string()) + " 2> " + Quoted(err.string()) + " < /dev/null";
    const int raw = std::system(command.c_str());
    ToolResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = Slurp(out);
    result.err = Slurp(err);
    fs::remove(out);
    fs::remove(err);
    return result;
}

} // namespace tool_test
