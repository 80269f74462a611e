// The expect lines of a session script: each reads a value the way a host
// (or a user) would and fails the run with both values when it differs.
#include "ScriptPlayer.h"

#include "Arguments.h"
#include "ToolError.h"
#include "Utf8.h"

#include "dims/InputText.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

namespace shapix_tool {

namespace {

    // The exchange strings carry five decimals.
    constexpr double kCoordinateTolerance = 0.0001;
    constexpr double kBulgeTolerance = 0.00001;
    constexpr double kAngleTolerance = 0.001; // degrees
    constexpr double kPi = 3.141592653585793; // the library's value, so sweeps match its own

    const std::map<std::string, int> kCursors {
        { "arrow", 32512 }, // IDC_ARROW
        { "cross", 32515 }, // IDC_CROSS
        { "hand", 129 }, // over a dimension label
        { "add", 1003 }, // the side tools
        { "delete", 1004 },
        { "edit", 1006 },
    };

    std::string Text(double value)
    {
        std::ostringstream text;
        text.precision(10);
        text << value;
        return text.str();
    }

    std::string PairText(double x, double y) { return "(" + Text(x) + ", " + Text(y) + ")"; }

    bool Near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

    std::string CursorName(int id)
    {
        for (const auto& [name, value] : kCursors) {
            if (value == id)
                return name + " (" + std::to_string(id) + ")";
        }
        return std::to_string(id);
    }

    std::string ColourText(COLORREF colour)
    {
        char text[8];
        std::snprintf(text, sizeof text, "%02x%02x%02x", GetRValue(colour), GetGValue(colour), GetBValue(colour));
        return text;
    }

} // namespace

void ScriptPlayer::Expect(bool holds, const std::string& expected, const std::string& actual)
{
    if (!holds)
        Fail("expected " + expected + ", got " + actual);
    ++m_expectsPassed;
}

void ScriptPlayer::CmdExpect(const Words& words)
{
    if (words.size() < 2)
        Fail("expected: expect vertex|model|ref|modelref|bulge|angle|sidetype|count|dim|dims|cursor|selected|"
             "notices|changes|pixel ...");
    static const std::vector<std::string> outlineChecks { "vertex", "model", "ref", "modelref", "bulge", "angle",
        "sidetype", "count" };
    if (std::find(outlineChecks.begin(), outlineChecks.end(), words[1]) != outlineChecks.end())
        ExpectOutline(words);
    else if (words[1] == "dim" || words[1] == "dims")
        ExpectDims(words);
    else
        ExpectOther(words);
}

void ScriptPlayer::ExpectOutline(const Words& words)
{
    const std::string& what = words[1];
    const bool indexed = what != "ref" && what != "modelref" && what != "count";
    const bool pair = what == "vertex" || what == "model" || what == "ref" || what == "modelref";
    const std::size_t count = 3 + (indexed ? 1 : 0) + (pair ? 2 : 1);
    if (words.size() != count) {
        const std::string usage = "expect " + what + " ID" + (indexed ? (pair ? " N" : " K") : "")
            + (pair ? " X Y" : (what == "count" ? " N" : " VALUE"));
        Fail("expected: " + usage);
    }
    const long id = Whole(words[2], "outline id");
    const long index = indexed ? Whole(words[3], what == "vertex" || what == "model" ? "vertex" : "side") : 0;
    const std::size_t first = indexed ? 4 : 3;
    const double a = Number(words[first], "expected value");
    const double b = pair ? Number(words[first + 1], "expected value") : 0.0;
    if (what == "sidetype" || what == "count")
        Whole(words[first], "expected value");
    if (m_checking) {
        m_hostMade = true;
        return;
    }

    const Outline outline = Host().Read(id);
    const int vertices = outline.VertexCount();
    if (indexed && (index < 0 || index >= vertices))
        Fail("outline " + std::to_string(id) + " has " + std::to_string(vertices) + " vertices (and sides), "
            + "numbered from 0; there is no " + std::to_string(index));
    const std::string subject = "outline " + std::to_string(id) + " " + what + (indexed ? " " + words[3] : "");
    auto expectPair = [&](double x, double y) {
        Expect(Near(x, a, kCoordinateTolerance) && Near(y, b, kCoordinateTolerance), subject + " at " + PairText(a, b),
            PairText(x, y));
    };
    if (what == "vertex") {
        expectPair(outline.points[2 * index], outline.points[2 * index + 1]);
    } else if (what == "model") {
        if (outline.model.size() != outline.points.size())
            Fail("outline " + std::to_string(id) + " has no model coordinates");
        expectPair(outline.model[2 * index], outline.model[2 * index + 1]);
    } else if (what == "ref") {
        expectPair(outline.ref[0], outline.ref[1]);
    } else if (what == "modelref") {
        expectPair(outline.modelRef[0], outline.modelRef[1]);
    } else if (what == "bulge") {
        const double bulge = outline.bulges.at(index);
        Expect(Near(bulge, a, kBulgeTolerance), subject + " = " + Text(a), Text(bulge));
    } else if (what == "angle") {
        const double angle = std::atan(outline.bulges.at(index)) * 4.0 * 180.0 / kPi;
        Expect(Near(angle, a, kAngleTolerance), subject + " = " + Text(a) + " degrees", Text(angle));
    } else if (what == "sidetype") {
        const long type = outline.sideTypes.at(index);
        Expect(type == static_cast<long>(a), subject + " = " + Text(a), std::to_string(type));
    } else {
        Expect(vertices == static_cast<int>(a), subject + " = " + Text(a) + " vertices", std::to_string(vertices));
    }
}

void ScriptPlayer::ExpectDims(const Words& words)
{
    if (words[1] == "dim") {
        if (words.size() != 5)
            Fail("expected: expect dim X Y TEXT");
        const CPoint at = Point(words[2], words[3]);
        if (m_checking) {
            m_hostMade = true;
            return;
        }
        // The label a click there would hit: labels learn their size when
        // they are painted.
        platform::PumpMessages();
        auto* label = dynamic_cast<CInputText*>(Host().Control().GetPtrData()->HitObject(at));
        if (!label)
            Fail("no dimension label at (" + words[2] + ", " + words[3] + ") (labels show on the dim page; "
                + "\"show dims\" lists them)");
        const std::string text = ToUtf8(label->GetText());
        Expect(text == words[4], "the label at (" + words[2] + ", " + words[3] + ") to read \"" + words[4] + "\"",
            "\"" + text + "\"");
        return;
    }
    if (words.size() < 3 || (words[2] != "x" && words[2] != "y"))
        Fail("expected: expect dims x|y [TEXT ...]");
    if (m_checking) {
        m_hostMade = true;
        return;
    }
    // The x chain's labels are centred (alignment 6), left to right; the y
    // chain's are left-aligned, top to bottom.
    const bool xChain = words[2] == "x";
    std::vector<std::pair<int, std::string>> labels;
    CDrawObjAry* document = Host().Control().GetPtrData();
    for (INT_PTR i = 0; i < document->m_objs.GetSize(); ++i) {
        auto* label = dynamic_cast<CInputText*>(document->m_objs[i]);
        if (label && label->m_pRelation && (label->GetAlign() == 6) == xChain)
            labels.emplace_back(xChain ? label->m_rcPosition.left : label->m_rcPosition.top, ToUtf8(label->GetText()));
    }
    std::stable_sort(labels.begin(), labels.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string actual;
    for (const auto& label : labels)
        actual += (actual.empty() ? "" : " ") + label.second;
    std::string expected;
    for (std::size_t i = 3; i < words.size(); ++i)
        expected += (expected.empty() ? "" : " ") + words[i];
    Expect(actual == expected, "the " + words[2] + " chain to read [" + expected + "]", "[" + actual + "]");
}

void ScriptPlayer::ExpectOther(const Words& words)
{
    const std::string& what = words[1];
    if (what == "cursor") {
        if (words.size() != 3)
            Fail("expected: expect cursor arrow|cross|hand|add|delete|edit|ID");
        long wanted = 0;
        const auto named = kCursors.find(words[2]);
        if (named != kCursors.end())
            wanted = named->second;
        else if (!TryParseLong(words[2], wanted))
            Fail("unknown cursor \"" + words[2] + "\" (arrow, cross, hand, add, delete, edit or a resource id)");
        if (m_checking)
            return;
        const int actual = platform::CursorId(GetCursor());
        Expect(actual == wanted, "the cursor " + CursorName(static_cast<int>(wanted)), CursorName(actual));
    } else if (what == "selected") {
        if (words.size() != 3)
            Fail("expected: expect selected ID|none");
        const long wanted = words[2] == "none" ? -1 : Whole(words[2], "outline id");
        if (m_checking) {
            m_hostMade = true;
            return;
        }
        CDrawObj* selected = Host().Control().GetPtrData()->GetSelObj();
        const std::string actual = selected ? "outline " + std::to_string(selected->GetID()) : "no selection";
        const bool holds = wanted == -1 ? !selected : selected && selected->GetID() == wanted;
        Expect(holds, wanted == -1 ? "no selection" : "outline " + words[2] + " selected", actual);
    } else if (what == "notices" || what == "changes") {
        if (words.size() != 3)
            Fail("expected: expect " + what + " N");
        const long wanted = Whole(words[2], "count");
        if (m_checking) {
            m_hostMade = true;
            return;
        }
        const int actual = what == "notices" ? Host().DoubleClickNotices() : Host().ChangeNotices();
        Expect(actual == wanted,
            std::to_string(wanted) + (what == "notices" ? " double-click notices" : " Change calls"),
            std::to_string(actual));
    } else if (what == "pixel") {
        if (words.size() != 5)
            Fail("expected: expect pixel X Y RRGGBB");
        const CPoint at = Point(words[2], words[3]);
        unsigned int rgb = 0;
        char rest = 0;
        if (words[4].size() != 6 || std::sscanf(words[4].c_str(), "%6x%c", &rgb, &rest) != 1)
            Fail("colour: expected six hex digits RRGGBB, got \"" + words[4] + "\"");
        if (m_checking) {
            m_hostMade = true;
            return;
        }
        const COLORREF wanted = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        const platform::Image picture = Host().Capture();
        if (at.x < 0 || at.y < 0 || at.x >= picture.Width() || at.y >= picture.Height())
            Fail("the pixel (" + words[2] + ", " + words[3] + ") is outside the control");
        const COLORREF actual = picture.Pixel(at.x, at.y);
        Expect(actual == wanted, "the pixel at (" + words[2] + ", " + words[3] + ") to be " + ColourText(wanted),
            ColourText(actual));
    } else {
        Fail("unknown expect \"" + what
            + "\" (vertex, model, ref, modelref, bulge, angle, sidetype, count, dim, dims, cursor, selected, "
              "notices, changes, pixel)");
    }
}

} // namespace shapix_tool
