// Plays a session script against a real control: outlines loaded from
// shapes files, tools chosen, mouse events sent as window messages, the
// next dialog answered, pictures and shapes files written, and expected
// values checked. Every line is checked first (words, numbers, the shapes
// files it loads), so a typo fails the run before anything is played.
#pragma once

#include "ControlHost.h"
#include "Script.h"
#include "StagedOutputs.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace platform {
class ModalSession;
}

namespace shapix_tool {

class ScriptPlayer {
public:
    // Reads a file named by a load line (a path relative to the script's
    // folder) and says how to name it in messages. Throws ToolError.
    using FileReader = std::function<std::string(const std::string& name, std::string& shownAs)>;

    ScriptPlayer(std::string source, FileReader reader, std::filesystem::path outputFolder, std::ostream& out);
    ~ScriptPlayer();

    // Throws ToolError "SOURCE:LINE: ..." on the first failure; outputs
    // stay staged until Commit.
    void Play(const std::vector<ScriptLine>& lines);
    std::vector<std::filesystem::path> Commit() { return m_outputs.Commit(); }
    int ExpectsPassed() const { return m_expectsPassed; }

private:
    using Words = std::vector<std::string>;
    using Handler = void (ScriptPlayer::*)(const Words&);

    struct Answer {
        enum class Kind { Dim, Side, Cancel };
        int line = 0;
        Kind kind = Kind::Cancel;
        std::string value; // as typed
        int valueType = 2; // side dialog radio index: 0 radius, 1 arch height, 2 angle
        bool hasValue = false;
        std::string sideType; // an index or a name; empty: keep
    };

    void RunLine(const ScriptLine& line);
    [[noreturn]] void Fail(const std::string& message) const;
    void Expect(bool holds, const std::string& expected, const std::string& actual);
    ControlHost& Host();
    void CheckEvent();
    void OnDialog(platform::ModalSession& session);

    // Commands, one per script word; each reads its words, and acts only
    // when m_checking is false.
    void CmdSize(const Words& words);
    void CmdLoad(const Words& words);
    void CmdTool(const Words& words);
    void CmdSelect(const Words& words);
    void CmdMouse(const Words& words);
    void CmdClick(const Words& words);
    void CmdDrag(const Words& words);
    void CmdAnswer(const Words& words);
    void CmdRender(const Words& words);
    void CmdSave(const Words& words);
    void CmdShow(const Words& words);
    void CmdExpect(const Words& words);

    // Word readers: they fail with the line's message.
    void Arity(const Words& words, std::size_t least, std::size_t most, const char* usage) const;
    double Number(const std::string& word, const char* what) const;
    long Whole(const std::string& word, const char* what) const;
    CPoint Point(const std::string& x, const std::string& y) const;

    void ExpectOutline(const Words& words);
    void ExpectDims(const Words& words);
    void ExpectOther(const Words& words);

    std::string m_source;
    FileReader m_reader;
    std::filesystem::path m_outputFolder;
    std::ostream& m_out;
    std::map<std::string, Handler> m_handlers;

    bool m_checking = true;
    int m_line = 0;
    ClientSize m_size;
    bool m_hostMade = false; // also tracked while checking
    std::unique_ptr<ControlHost> m_host;
    bool m_leftDown = false;
    std::deque<Answer> m_answers;
    std::string m_dialogError;
    int m_expectsPassed = 0;
    StagedOutputs m_outputs;
};

} // namespace shapix_tool
