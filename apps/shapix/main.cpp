// shapix: the command-line host of the Shapix control.
#include "Commands.h"
#include "HelpText.h"
#include "ToolError.h"
#include "Utf8.h"

#include "Shapix.h"

#include <iostream>
#include <map>
#include <string>
#include <vector>

using namespace shapix_tool;

namespace {

using Command = int (*)(const std::vector<std::string>&, std::ostream&);

const std::map<std::string, Command> kCommands {
    { "render", RunRender },
    { "play", RunPlay },
    { "cut", RunCut },
    { "import", RunImport },
    { "export", RunExport },
};

int Help(const std::vector<std::string>& args)
{
    if (args.empty()) {
        std::cout << kMainHelp;
        return kExitOk;
    }
    const auto command = kCommands.find(args[0]);
    if (command == kCommands.end()) {
        std::cerr << "shapix: no help on \"" << args[0] << "\"; commands: render, play, cut, import, export\n";
        return kExitUsage;
    }
    return command->second({ "--help" }, std::cout);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        std::cerr << kMainHelp;
        return kExitUsage;
    }
    const std::string& name = words[0];
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    if (name == "--help" || name == "-h" || name == "help")
        return Help(rest);
    if (name == "--version") {
        std::cout << "shapix 0.1.0\n";
        return kExitOk;
    }
    const auto command = kCommands.find(name);
    if (command == kCommands.end()) {
        std::cerr << "shapix: unknown command \"" << name << "\"; try 'shapix --help'\n";
        return kExitUsage;
    }
    try {
        return command->second(rest, std::cout);
    } catch (const UsageError& error) {
        std::cout.flush();
        std::cerr << "shapix " << error.Command() << ": " << error.what() << "\n"
                  << "try 'shapix " << error.Command() << " --help'\n";
        return kExitUsage;
    } catch (const ToolError& error) {
        std::cout.flush();
        std::cerr << "shapix: " << error.what() << "\n";
        return kExitFailure;
    } catch (CException* error) {
        // The library reports a broken invariant by throwing the framework's
        // exception; it is not an input error the tool could name better.
        wchar_t message[256] = L"";
        error->GetErrorMessage(message, 256);
        error->Delete();
        std::cout.flush();
        std::cerr << "shapix: the library raised an exception: " << ToUtf8(std::wstring(message)) << "\n";
        return kExitFailure;
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "shapix: " << error.what() << "\n";
        return kExitFailure;
    }
}
