// shapix cut: the region cut of one outline's model coordinates, with
// RegionInt and, on request, Hebin; a table or JSON, and optionally a PNG.
#include "Arguments.h"
#include "CadDrawing.h"
#include "Commands.h"
#include "ControlHost.h"
#include "CutPicture.h"
#include "HelpText.h"
#include "StagedOutputs.h"
#include "ToolError.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace shapix_tool {

namespace {

    // RegionInt adds nothing unless the model box is larger than this in both
    // directions.
    constexpr int kMinCutBox = 480;

    std::string Number(double value)
    {
        std::ostringstream text;
        text << std::setprecision(10) << value;
        return text.str();
    }

    double OptionNumber(Arguments& args, const std::string& name)
    {
        const auto text = args.Value(name);
        if (!text)
            args.Fail("missing " + name);
        double value = 0;
        if (!TryParseDouble(*text, value))
            args.Fail("bad " + name + " \"" + *text + "\": expected a number");
        return value;
    }

} // namespace

int RunCut(const std::vector<std::string>& argv, std::ostream& out)
{
    Arguments args(argv, "cut");
    if (args.WantsHelp()) {
        out << kCutHelp;
        return kExitOk;
    }
    const auto idText = args.Value("--id");
    const double margin = OptionNumber(args, "--margin");
    const double angle = OptionNumber(args, "--angle");
    const double spacing = OptionNumber(args, "--spacing");
    const bool merge = args.Flag("--merge");
    const bool asJson = args.Flag("--json");
    const auto target = args.Value("-o", "--output");
    const ClientSize size = ParseClientSize(args.Value("--size").value_or("640x480"), "cut");
    const auto files = args.Positionals();
    if (files.size() != 1)
        args.Fail(files.empty() ? "missing the shapes FILE" : "only one shapes FILE is cut at a time");
    long id = 0;
    if (!idText)
        args.Fail("missing --id");
    if (!TryParseLong(*idText, id))
        args.Fail("bad --id \"" + *idText + "\": expected an outline id");
    // The library takes the spacing as a whole number of model units.
    if (spacing != std::floor(spacing) || spacing < 1 || spacing > INT32_MAX)
        args.Fail("bad --spacing " + Number(spacing) + ": expected a whole number of model units, 1 or more");
    if (margin < 0)
        args.Fail("bad --margin " + Number(margin) + ": expected 0 or more");

    const ShapesDocument document = ReadShapesFile(files[0]);
    const Outline* outline = document.Find(id);
    if (!outline)
        throw ToolError(files[0] + ": no outline with id " + std::to_string(id));
    if (outline->model.empty())
        throw ToolError(files[0] + ": outline id " + std::to_string(id)
            + ": field \"model\": missing; the cut works in model coordinates");

    CShapixCtrl::CPicDerData record;
    // The library measures pieces with unsigned arithmetic, so an outline
    // reaching left of or above the origin (an imported y-up drawing does)
    // is cut moved by whole units into positive space and reported back
    // where it was.
    Outline moved = *outline;
    std::int32_t shiftX = 0, shiftY = 0;
    for (size_t k = 0; k + 1 < moved.model.size(); k += 2) {
        shiftX = std::max(shiftX, static_cast<std::int32_t>(std::ceil(-moved.model[k])));
        shiftY = std::max(shiftY, static_cast<std::int32_t>(std::ceil(-moved.model[k + 1])));
    }
    for (size_t k = 0; k + 1 < moved.model.size(); k += 2)
        moved.model[k] += shiftX, moved.model[k + 1] += shiftY;
    moved.modelRef[0] += shiftX, moved.modelRef[1] += shiftY;
    auto X = [&](DWORD v) { return static_cast<std::int32_t>(v) - shiftX; };
    auto Y = [&](DWORD v) { return static_cast<std::int32_t>(v) - shiftY; };
    FillRecord(moved, record);
    CShapixCtrl::CRetLinesMng cuts;
    record.RegionInt(margin, angle, static_cast<int>(spacing), cuts);
    if (merge)
        cuts.Hebin();

    StagedOutputs outputs;
    if (target) {
        // Every line is drawn, also those a merge folded into a group.
        CShapixCtrl::CRetLinesMng lines;
        record.RegionInt(margin, angle, static_cast<int>(spacing), lines);
        const std::string caption = "outline " + std::to_string(id) + ": " + std::to_string(lines.m_aryLines.GetSize())
            + " lines" + (merge ? ", " + std::to_string(cuts.m_aryLines.GetSize()) + " groups after merging" : "");
        // The picture scales whatever it is given, so it takes the moved
        // outline and lines; the drawing takes them back in place.
        const Outline cutOutline = ReadRecord(record);
        Outline held = cutOutline;
        for (size_t k = 0; k + 1 < held.model.size(); k += 2)
            held.model[k] -= shiftX, held.model[k + 1] -= shiftY;
        CadDrawing drawing;
        drawing.insunits = DxfUnitsCode(document.units);
        drawing.polylines.push_back({ OutlineLayer(held), held.model, held.bulges });
        // A merged group stands for several equal lines; its layer carries
        // the count so the shop can see it.
        for (INT_PTR g = 0; g < cuts.m_aryLines.GetSize(); ++g) {
            CShapixCtrl::CRetLines* group = cuts.m_aryLines[g];
            const std::string layer
                = merge ? "group-" + std::to_string(g + 1) + "-x" + std::to_string(group->m_nCount) : "cuts";
            const CDWordArray& pts = group->m_aryPts;
            for (INT_PTR i = 0; i + 3 < pts.GetSize(); i += 4)
                drawing.lines.push_back({ layer, static_cast<double>(X(pts[i])), static_cast<double>(Y(pts[i + 1])),
                    static_cast<double>(X(pts[i + 2])), static_cast<double>(Y(pts[i + 3])) });
        }
        if (!WriteDrawing(drawing, *target, outputs)) {
            const platform::Image picture = DrawCut(cutOutline, lines, caption, size.width, size.height);
            if (!picture.SavePng(outputs.Stage(*target).string()))
                throw ToolError(*target + ": cannot write the PNG");
        }
    }

    CRect box;
    record.GetRect(box);
    const bool tooSmall = box.Width() <= kMinCutBox || box.Height() <= kMinCutBox;
    if (asJson) {
        nlohmann::json groups = nlohmann::json::array();
        for (INT_PTR g = 0; g < cuts.m_aryLines.GetSize(); ++g) {
            CShapixCtrl::CRetLines* group = cuts.m_aryLines[g];
            nlohmann::json points = nlohmann::json::array();
            for (INT_PTR i = 0; i + 1 < group->m_aryPts.GetSize(); i += 2)
                points.push_back({ X(group->m_aryPts[i]), Y(group->m_aryPts[i + 1]) });
            nlohmann::json pieces = nlohmann::json::array();
            for (INT_PTR i = 0; i + 3 < group->m_aryPts.GetSize(); i += 4)
                pieces.push_back(group->GetLen(static_cast<int>(i)));
            groups.push_back({ { "count", group->m_nCount }, { "crossings", points }, { "pieces", pieces } });
        }
        const nlohmann::json result { { "id", id }, { "margin", margin }, { "angle", angle },
            { "spacing", static_cast<int>(spacing) }, { "merged", merge }, { "groups", groups } };
        out << result.dump(2) << "\n";
    } else {
        out << "outline " << id;
        if (!outline->name.empty())
            out << " \"" << outline->name << "\"";
        out << ": margin " << Number(margin) << ", angle " << Number(angle) << ", spacing " << Number(spacing)
            << (merge ? ", merged" : "") << ": " << cuts.m_aryLines.GetSize() << " groups\n";
        if (cuts.m_aryLines.GetSize() > 0)
            out << "group  count  crossings  pieces (length from-to)\n";
        for (INT_PTR g = 0; g < cuts.m_aryLines.GetSize(); ++g) {
            CShapixCtrl::CRetLines* group = cuts.m_aryLines[g];
            const CDWordArray& pts = group->m_aryPts;
            out << std::setw(5) << g + 1 << "  " << std::setw(5) << group->m_nCount << "  " << std::setw(9)
                << pts.GetSize() / 2 << " ";
            for (INT_PTR i = 0; i + 3 < pts.GetSize(); i += 4) {
                out << " " << Number(std::round(group->GetLen(static_cast<int>(i)) * 100) / 100) << " ("
                    << X(pts[i]) << "," << Y(pts[i + 1]) << ")-(" << X(pts[i + 2]) << "," << Y(pts[i + 3]) << ")";
            }
            out << "\n";
        }
        if (cuts.m_aryLines.GetSize() == 0 && tooSmall)
            out << "no cut: the model box is " << box.Width() << " x " << box.Height() << "; it must exceed "
                << kMinCutBox << " units in both directions\n";
    }
    for (const auto& written : outputs.Commit())
        (asJson ? std::cerr : out) << "wrote " << written.string() << "\n";
    return kExitOk;
}

} // namespace shapix_tool
