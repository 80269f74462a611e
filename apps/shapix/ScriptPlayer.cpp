#include "ScriptPlayer.h"

#include "Arguments.h"
#include "ToolError.h"
#include "Utf8.h"

#include "dims/InputText.h"

#include <algorithm>
#include <cmath>

namespace shapix_tool {

namespace {

    constexpr UINT kValueDialog = 1002; // "输入尺寸"
    constexpr int kValueEdit = 1000;
    constexpr UINT kSideDialog = 1004; // "当前边属性编辑"
    constexpr int kSideTypeList = 1002;
    // Radio button and edit of each value type, by the dialog's radio index.
    constexpr int kValueTypeRadio[] = { 1006, 1005, 1007 }; // radius, arch height, angle
    constexpr int kValueTypeEdit[] = { 1004, 1003, 1001 };
    constexpr const char* kValueTypeName[] = { "radius", "arch", "angle" };
    constexpr int kDragSteps = 5;

    // Removes the dialog driver however the run ends.
    class DriverScope {
    public:
        explicit DriverScope(std::function<void(platform::ModalSession&)> driver)
        {
            platform::SetModalDriver(std::move(driver));
        }
        ~DriverScope() { platform::SetModalDriver({}); }
        DriverScope(const DriverScope&) = delete;
        DriverScope& operator=(const DriverScope&) = delete;
    };

    std::string Quote(const std::wstring& text) { return "\"" + ToUtf8(text) + "\""; }

} // namespace

ScriptPlayer::ScriptPlayer(std::string source, FileReader reader, std::filesystem::path outputFolder, std::ostream& out)
    : m_source(std::move(source))
    , m_reader(std::move(reader))
    , m_outputFolder(std::move(outputFolder))
    , m_out(out)
    , m_handlers {
        { "size", &ScriptPlayer::CmdSize },
        { "load", &ScriptPlayer::CmdLoad },
        { "tool", &ScriptPlayer::CmdTool },
        { "select", &ScriptPlayer::CmdSelect },
        { "down", &ScriptPlayer::CmdMouse },
        { "up", &ScriptPlayer::CmdMouse },
        { "move", &ScriptPlayer::CmdMouse },
        { "dblclk", &ScriptPlayer::CmdMouse },
        { "rdown", &ScriptPlayer::CmdMouse },
        { "click", &ScriptPlayer::CmdClick },
        { "drag", &ScriptPlayer::CmdDrag },
        { "answer", &ScriptPlayer::CmdAnswer },
        { "render", &ScriptPlayer::CmdRender },
        { "save", &ScriptPlayer::CmdSave },
        { "show", &ScriptPlayer::CmdShow },
        { "expect", &ScriptPlayer::CmdExpect },
    }
{
}

ScriptPlayer::~ScriptPlayer() = default;

void ScriptPlayer::Play(const std::vector<ScriptLine>& lines)
{
    m_checking = true;
    for (const ScriptLine& line : lines)
        RunLine(line);

    m_checking = false;
    m_answers.clear();
    m_hostMade = false;
    m_size = ClientSize();
    DriverScope driver([this](platform::ModalSession& session) { OnDialog(session); });
    for (const ScriptLine& line : lines)
        RunLine(line);
    if (!m_answers.empty()) {
        m_line = m_answers.front().line;
        Fail("this answer was never used: no dialog opened after it");
    }
}

void ScriptPlayer::RunLine(const ScriptLine& line)
{
    m_line = line.number;
    const auto handler = m_handlers.find(line.words[0]);
    if (handler == m_handlers.end())
        Fail("unknown command \"" + line.words[0]
            + "\" (commands: size, load, tool, select, down, move, up, click, drag, dblclk, rdown, answer, render, "
              "save, show, expect)");
    try {
        (this->*handler->second)(line.words);
    } catch (const UsageError& error) {
        Fail(error.what());
    } catch (const ToolError& error) {
        const std::string message = error.what();
        // Messages that already carry a place (a shapes file) keep it.
        if (message.rfind(m_source + ":", 0) == 0)
            throw;
        Fail(message);
    }
}

void ScriptPlayer::Fail(const std::string& message) const
{
    throw ToolError(m_source + ":" + std::to_string(m_line) + ": " + message);
}

ControlHost& ScriptPlayer::Host()
{
    m_hostMade = true;
    if (!m_host)
        m_host = std::make_unique<ControlHost>(m_size);
    return *m_host;
}

void ScriptPlayer::Arity(const Words& words, std::size_t least, std::size_t most, const char* usage) const
{
    const std::size_t given = words.size() - 1;
    if (given < least || given > most)
        Fail(std::string("expected: ") + usage);
}

double ScriptPlayer::Number(const std::string& word, const char* what) const
{
    double value = 0;
    if (!TryParseDouble(word, value))
        Fail(std::string(what) + ": expected a number, got \"" + word + "\"");
    return value;
}

long ScriptPlayer::Whole(const std::string& word, const char* what) const
{
    long value = 0;
    if (!TryParseLong(word, value))
        Fail(std::string(what) + ": expected a whole number, got \"" + word + "\"");
    return value;
}

CPoint ScriptPlayer::Point(const std::string& x, const std::string& y) const
{
    // Mouse messages carry 16-bit signed coordinates.
    const long px = Whole(x, "x");
    const long py = Whole(y, "y");
    if (px < -32768 || px > 32767 || py < -32768 || py > 32767)
        Fail("the point (" + x + ", " + y + ") is outside the 16-bit range of a mouse message");
    return CPoint(static_cast<int>(px), static_cast<int>(py));
}

void ScriptPlayer::CheckEvent()
{
    if (!m_dialogError.empty()) {
        const std::string message = m_dialogError;
        m_dialogError.clear();
        Fail(message);
    }
}

void ScriptPlayer::CmdSize(const Words& words)
{
    Arity(words, 1, 1, "size WIDTHxHEIGHT");
    if (m_hostMade)
        Fail("size must come before the first line that uses the control");
    m_size = ParseClientSize(words[1], "play");
}

void ScriptPlayer::CmdLoad(const Words& words)
{
    Arity(words, 1, 2, "load FILE [fit]");
    if (words.size() == 3 && words[2] != "fit")
        Fail("expected \"fit\" after the file name, got \"" + words[2] + "\"");
    std::string shownAs = words[1];
    const std::string text = m_reader(words[1], shownAs);
    const ShapesDocument document = ParseShapes(text, shownAs);
    if (m_checking) {
        m_hostMade = true;
        return;
    }
    Host().AddOutlines(document, words.size() == 3);
}

void ScriptPlayer::CmdTool(const Words& words)
{
    Arity(words, 1, 1, "tool select|read|dim|add|delete|edit");
    CShapixCtrl::ToolType tool = CShapixCtrl::toolSelect;
    if (!ParseTool(words[1], tool))
        Fail("unknown tool \"" + words[1] + "\" (tools: select, read, dim, add, delete, edit)");
    if (m_checking) {
        m_hostMade = true;
        return;
    }
    Host().SelectTool(tool);
}

void ScriptPlayer::CmdSelect(const Words& words)
{
    Arity(words, 1, 1, "select ID");
    const long id = Whole(words[1], "outline id");
    if (m_checking) {
        m_hostMade = true;
        return;
    }
    Host().ClickOutline(id);
    m_leftDown = false;
    CheckEvent();
}

void ScriptPlayer::CmdMouse(const Words& words)
{
    const std::string& event = words[0];
    Arity(words, 2, 2, (event + " X Y").c_str());
    const CPoint at = Point(words[1], words[2]);
    if (m_checking) {
        m_hostMade = true;
        return;
    }
    UINT message = WM_MOUSEMOVE;
    if (event == "down")
        message = WM_LBUTTONDOWN, m_leftDown = true;
    else if (event == "up")
        message = WM_LBUTTONUP, m_leftDown = false;
    else if (event == "dblclk")
        message = WM_LBUTTONDBLCLK, m_leftDown = true;
    else if (event == "rdown")
        message = WM_RBUTTONDOWN;
    UINT flags = m_leftDown ? MK_LBUTTON : 0;
    if (event == "rdown")
        flags |= MK_RBUTTON;
    Host().Send(message, flags, at.x, at.y);
    CheckEvent();
}

void ScriptPlayer::CmdClick(const Words& words)
{
    Arity(words, 2, 2, "click X Y");
    const CPoint at = Point(words[1], words[2]);
    if (m_checking) {
        m_hostMade = true;
        return;
    }
    // A real mouse arrives before it presses: the side tools pick their
    // outline on that move.
    Host().Send(WM_MOUSEMOVE, 0, at.x, at.y);
    CheckEvent();
    Host().Send(WM_LBUTTONDOWN, MK_LBUTTON, at.x, at.y);
    CheckEvent();
    Host().Send(WM_LBUTTONUP, 0, at.x, at.y);
    m_leftDown = false;
    CheckEvent();
}

void ScriptPlayer::CmdDrag(const Words& words)
{
    Arity(words, 4, 5, "drag X1 Y1 X2 Y2 [STEPS]");
    const CPoint from = Point(words[1], words[2]);
    const CPoint to = Point(words[3], words[4]);
    const long steps = words.size() == 6 ? Whole(words[5], "steps") : kDragSteps;
    if (steps < 1 || steps > 1000)
        Fail("steps: expected 1 to 1000, got " + std::to_string(steps));
    if (m_checking) {
        m_hostMade = true;
        return;
    }
    Host().Send(WM_MOUSEMOVE, 0, from.x, from.y);
    CheckEvent();
    Host().Send(WM_LBUTTONDOWN, MK_LBUTTON, from.x, from.y);
    CheckEvent();
    for (long step = 1; step <= steps; ++step) {
        // Whole pixels along the way, ending exactly on the target.
        const int x = from.x + static_cast<int>(std::lround(double(to.x - from.x) * step / steps));
        const int y = from.y + static_cast<int>(std::lround(double(to.y - from.y) * step / steps));
        Host().Send(WM_MOUSEMOVE, MK_LBUTTON, x, y);
        CheckEvent();
    }
    Host().Send(WM_LBUTTONUP, 0, to.x, to.y);
    m_leftDown = false;
    CheckEvent();
}

void ScriptPlayer::CmdAnswer(const Words& words)
{
    const char* usage = "answer dim VALUE | answer side [angle|radius|arch VALUE] [type INDEX|NAME] | answer cancel";
    if (words.size() < 2)
        Fail(std::string("expected: ") + usage);
    Answer answer;
    answer.line = m_line;
    if (words[1] == "cancel") {
        Arity(words, 1, 1, usage);
        answer.kind = Answer::Kind::Cancel;
    } else if (words[1] == "dim") {
        Arity(words, 2, 2, usage);
        answer.kind = Answer::Kind::Dim;
        answer.value = words[2];
        answer.hasValue = true;
    } else if (words[1] == "side") {
        answer.kind = Answer::Kind::Side;
        std::size_t i = 2;
        while (i < words.size()) {
            const auto type = std::find(std::begin(kValueTypeName), std::end(kValueTypeName), words[i]);
            if (type != std::end(kValueTypeName) && i + 1 < words.size() && !answer.hasValue) {
                answer.valueType = static_cast<int>(type - std::begin(kValueTypeName));
                answer.value = words[i + 1];
                answer.hasValue = true;
            } else if (words[i] == "type" && i + 1 < words.size() && answer.sideType.empty()) {
                answer.sideType = words[i + 1];
            } else {
                Fail(std::string("expected: ") + usage);
            }
            i += 2;
        }
        if (!answer.hasValue && answer.sideType.empty())
            Fail("answer side needs a value (angle, radius or arch) or a type, or both");
    } else {
        Fail(std::string("expected: ") + usage);
    }
    m_answers.push_back(answer);
}

void ScriptPlayer::OnDialog(platform::ModalSession& session)
{
    const std::string caption = Quote(session.Caption());
    if (!m_dialogError.empty())
        return; // an earlier dialog of this event failed: cancel the rest
    if (m_answers.empty()) {
        m_dialogError = "the dialog " + caption + " opened, but no answer line was given for it";
        return;
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    const std::string from = " (answer from line " + std::to_string(answer.line) + ")";
    if (answer.kind == Answer::Kind::Cancel) {
        m_out << "line " << m_line << ": dialog " << caption << ": cancelled" << from << "\n";
        session.Click(IDCANCEL);
        return;
    }
    const bool valueDialog = session.TemplateId() == kValueDialog;
    const bool sideDialog = session.TemplateId() == kSideDialog;
    if ((answer.kind == Answer::Kind::Dim && !valueDialog) || (answer.kind == Answer::Kind::Side && !sideDialog)) {
        m_dialogError = "the dialog " + caption + " opened, but the next answer" + from + " is for "
            + (answer.kind == Answer::Kind::Dim ? "\"输入尺寸\"" : "\"当前边属性编辑\"");
        return;
    }

    std::string shown;
    if (valueDialog) {
        shown = "showed " + Quote(session.GetText(kValueEdit));
        session.SetText(kValueEdit, FromUtf8(answer.value).Str());
    } else {
        shown = "showed angle " + Quote(session.GetText(kValueTypeEdit[2])) + ", radius "
            + Quote(session.GetText(kValueTypeEdit[0])) + ", arch " + Quote(session.GetText(kValueTypeEdit[1]));
        if (answer.hasValue) {
            session.Click(kValueTypeRadio[answer.valueType]);
            session.SetText(kValueTypeEdit[answer.valueType], FromUtf8(answer.value).Str());
        }
        if (!answer.sideType.empty()) {
            const std::vector<std::wstring> items = session.ListItems(kSideTypeList);
            long index = -1;
            if (!TryParseLong(answer.sideType, index)) {
                const auto named = std::find(items.begin(), items.end(), FromUtf8(answer.sideType).Str());
                index = named == items.end() ? -1 : static_cast<long>(named - items.begin());
            }
            if (index < 0 || index >= static_cast<long>(items.size())) {
                m_dialogError = "the dialog " + caption + " lists " + std::to_string(items.size())
                    + " side types; it has no type \"" + answer.sideType + "\"" + from;
                return;
            }
            session.SelectListItem(kSideTypeList, static_cast<int>(index));
        }
    }
    session.Click(IDOK);
    if (!session.Ended()) {
        const auto& prompts = session.Prompts();
        m_dialogError = "the dialog " + caption + " refused the answer" + from
            + (prompts.empty() ? std::string() : ": " + Quote(prompts.back()));
        return;
    }
    m_out << "line " << m_line << ": dialog " << caption << " " << shown << "; answered";
    if (answer.hasValue)
        m_out << " " << (sideDialog ? std::string(kValueTypeName[answer.valueType]) + " " : "") << answer.value;
    if (!answer.sideType.empty())
        m_out << " type " << answer.sideType;
    m_out << from << "\n";
}

void ScriptPlayer::CmdRender(const Words& words)
{
    Arity(words, 1, 1, "render FILE.png");
    if (m_checking) {
        m_hostMade = true;
        return;
    }
    const auto target = m_outputFolder / words[1];
    if (!Host().Capture().SavePng(m_outputs.Stage(target).string()))
        Fail("cannot write the picture for " + target.string());
}

void ScriptPlayer::CmdSave(const Words& words)
{
    Arity(words, 1, 1, "save FILE.json");
    if (m_checking) {
        m_hostMade = true;
        return;
    }
    m_outputs.WriteText(m_outputFolder / words[1], FormatShapes(Host().ReadAll()));
}

void ScriptPlayer::CmdShow(const Words& words)
{
    Arity(words, 1, 1, "show ID | show dims");
    const bool dims = words[1] == "dims";
    const long id = dims ? 0 : Whole(words[1], "outline id");
    if (m_checking) {
        m_hostMade = true;
        return;
    }
    if (!dims) {
        const Outline outline = Host().Read(id);
        m_out << "line " << m_line << ": outline " << id << " \"" << outline.name << "\", " << outline.VertexCount()
              << " vertices:\n";
        for (int i = 0; i < outline.VertexCount(); ++i) {
            m_out << "  vertex " << i << ": window (" << outline.points[2 * i] << ", " << outline.points[2 * i + 1]
                  << ")";
            if (outline.model.size() == outline.points.size())
                m_out << "  model (" << outline.model[2 * i] << ", " << outline.model[2 * i + 1] << ")";
            m_out << "  side " << i << ": bulge " << outline.bulges.at(i) << ", type " << outline.sideTypes.at(i)
                  << "\n";
        }
        m_out << "  ref: window (" << outline.ref[0] << ", " << outline.ref[1] << ")  model (" << outline.modelRef[0]
              << ", " << outline.modelRef[1] << ")\n";
        return;
    }
    platform::PumpMessages();
    CDrawObjAry* document = Host().Control().GetPtrData();
    m_out << "line " << m_line << ": dimension labels:\n";
    for (INT_PTR i = 0; i < document->m_objs.GetSize(); ++i) {
        auto* label = dynamic_cast<CInputText*>(document->m_objs[i]);
        if (!label || !label->m_pRelation)
            continue;
        const CRect& box = label->m_rcPosition;
        // A centred label's box starts at its reference point; its text
        // spans half a width to each side.
        const bool centred = label->GetAlign() == 6;
        const int x = centred ? box.left : (box.left + box.right) / 2;
        const int y = (box.top + box.bottom) / 2;
        m_out << "  " << (centred ? "x" : "y") << " chain: \"" << ToUtf8(label->GetText()) << "\" click at (" << x
              << ", " << y << ")\n";
    }
}

} // namespace shapix_tool
