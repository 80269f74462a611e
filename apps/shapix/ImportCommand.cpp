// shapix import: closed polylines of a DXF drawing as a shapes file.
#include "Arguments.h"
#include "CadDrawing.h"
#include "Commands.h"
#include "ControlHost.h"
#include "HelpText.h"
#include "StagedOutputs.h"
#include "ToolError.h"

#include <cstdio>

namespace shapix_tool {

int RunImport(const std::vector<std::string>& argv, std::ostream& out)
{
    Arguments args(argv, "import");
    if (args.WantsHelp()) {
        out << kImportHelp;
        return kExitOk;
    }
    const auto target = args.Value("-o", "--output");
    std::set<std::string> layers;
    while (const auto layer = args.Value("--layer"))
        layers.insert(*layer);
    const ClientSize size = ParseClientSize(args.Value("--fit").value_or("640x480"), "import");
    const auto files = args.Positionals();
    if (files.size() != 1)
        args.Fail(files.empty() ? "missing the DXF FILE" : "only one DXF FILE is imported at a time");
    if (!target)
        args.Fail("missing -o OUT.json");

    const DxfImport imported = ReadDxf(files[0], layers, size.width, size.height);
    StagedOutputs outputs;
    outputs.WriteText(*target, FormatShapes(imported.document));
    out << files[0] << ": " << imported.document.outlines.size() << " outlines";
    if (const DxfUnit* unit = DxfUnitOfCode(imported.insunits)) {
        if (unit->millimetres == 1.0) {
            out << " in millimetres";
        } else {
            char factor[32];
            std::snprintf(factor, sizeof factor, "%.10g", unit->millimetres);
            out << ", " << unit->name << " converted to millimetres (x " << factor << ")";
        }
    }
    out << "\n";
    for (const auto& [type, count] : imported.skipped)
        out << "skipped " << count << " " << type << "\n";
    for (const auto& written : outputs.Commit())
        out << "wrote " << written.string() << "\n";
    return kExitOk;
}

} // namespace shapix_tool
