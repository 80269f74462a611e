// shapix export: a shapes file as a DXF or SVG drawing in model units.
#include "Arguments.h"
#include "CadDrawing.h"
#include "Commands.h"
#include "HelpText.h"
#include "StagedOutputs.h"
#include "ToolError.h"

namespace shapix_tool {

bool WriteDrawing(const CadDrawing& drawing, const std::string& target, StagedOutputs& outputs)
{
    const std::string extension = std::filesystem::path(target).extension().string();
    if (extension == ".dxf" || extension == ".DXF") {
        WriteDxf(drawing, outputs.Stage(target));
        return true;
    }
    if (extension == ".svg" || extension == ".SVG") {
        outputs.WriteText(target, FormatSvg(drawing));
        return true;
    }
    return false;
}

int RunExport(const std::vector<std::string>& argv, std::ostream& out)
{
    Arguments args(argv, "export");
    if (args.WantsHelp()) {
        out << kExportHelp;
        return kExitOk;
    }
    const auto target = args.Value("-o", "--output");
    const auto files = args.Positionals();
    if (files.size() != 1)
        args.Fail(files.empty() ? "missing the shapes FILE" : "only one shapes FILE is exported at a time");
    if (!target)
        args.Fail("missing -o OUT.dxf or -o OUT.svg");

    ShapesDocument document = ReadShapesFile(files[0]);
    // What the control holds, not the file's own numbers.
    for (Outline& outline : document.outlines) {
        CShapixCtrl::CPicDerData record;
        FillRecord(outline, record);
        const bool hasModel = !outline.model.empty();
        outline = ReadRecord(record);
        if (!hasModel)
            outline.model.clear();
    }
    StagedOutputs outputs;
    if (!WriteDrawing(DrawingOfShapes(document, files[0]), *target, outputs))
        args.Fail("bad -o \"" + *target + "\": expected a .dxf or .svg file");
    for (const auto& written : outputs.Commit())
        out << "wrote " << written.string() << "\n";
    return kExitOk;
}

} // namespace shapix_tool
