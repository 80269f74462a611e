// shapix play: a session script, from a file or the bundled demo.
#include "Arguments.h"
#include "Commands.h"
#include "EmbeddedDemo.h"
#include "HelpText.h"
#include "ScriptPlayer.h"
#include "ToolError.h"

#include <fstream>
#include <sstream>

namespace shapix_tool {

namespace {

    std::string ReadText(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            throw ToolError(path.string() + ": cannot open the file");
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

} // namespace

int RunPlay(const std::vector<std::string>& argv, std::ostream& out)
{
    Arguments args(argv, "play");
    if (args.WantsHelp()) {
        out << kPlayHelp;
        return kExitOk;
    }
    const std::filesystem::path outputFolder = args.Value("--out").value_or(".");
    const auto scripts = args.Positionals();
    if (scripts.size() > 1)
        args.Fail("only one SCRIPT is played at a time");

    std::string source;
    std::string text;
    ScriptPlayer::FileReader reader;
    if (scripts.empty()) {
        // The bundled demo: its load lines read the bundled sample.
        source = std::string("(bundled) ") + kEmbeddedDemoScript;
        text = EmbeddedFiles().at(kEmbeddedDemoScript);
        reader = [](const std::string& name, std::string& shownAs) {
            shownAs = "(bundled) " + name;
            const auto found = EmbeddedFiles().find(name);
            if (found == EmbeddedFiles().end())
                throw ToolError(shownAs + ": no such bundled file");
            return found->second;
        };
    } else {
        source = scripts[0];
        text = ReadText(source);
        const std::filesystem::path folder = std::filesystem::path(source).parent_path();
        reader = [folder](const std::string& name, std::string& shownAs) {
            const std::filesystem::path path = folder / name;
            shownAs = path.string();
            return ReadText(path);
        };
    }

    ScriptPlayer player(source, reader, outputFolder, out);
    try {
        player.Play(ReadScriptLines(text, source));
    } catch (const ToolError& error) {
        throw ToolError(std::string(error.what()) + "\nshapix: no files were written, none were replaced");
    }
    const auto written = player.Commit();
    for (const auto& path : written)
        out << "wrote " << path.string() << "\n";
    out << source << ": played, " << player.ExpectsPassed() << " expect lines passed, " << written.size()
        << " files written\n";
    return kExitOk;
}

} // namespace shapix_tool
