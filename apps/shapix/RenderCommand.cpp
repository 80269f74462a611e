// shapix render: the control's own paint of a shapes file, as a PNG.
#include "Arguments.h"
#include "Commands.h"
#include "ControlHost.h"
#include "HelpText.h"
#include "StagedOutputs.h"
#include "ToolError.h"

namespace shapix_tool {

int RunRender(const std::vector<std::string>& argv, std::ostream& out)
{
    Arguments args(argv, "render");
    if (args.WantsHelp()) {
        out << kRenderHelp;
        return kExitOk;
    }
    const auto target = args.Value("-o", "--output");
    const ClientSize size = ParseClientSize(args.Value("--size").value_or("640x480"), "render");
    const bool fit = args.Flag("--fit");
    const std::string pageName = args.Value("--page").value_or("select");
    const auto selectText = args.Value("--select");
    const auto files = args.Positionals();
    if (files.size() != 1)
        args.Fail(files.empty() ? "missing the shapes FILE" : "only one shapes FILE is rendered at a time");
    if (!target)
        args.Fail("missing -o OUT.png");
    CShapixCtrl::ToolType page = CShapixCtrl::toolSelect;
    if (!ParseTool(pageName, page) || page > CShapixCtrl::toolDim)
        args.Fail("bad --page \"" + pageName + "\": expected select, read or dim");
    long selectId = 0;
    if (selectText) {
        if (!TryParseLong(*selectText, selectId))
            args.Fail("bad --select \"" + *selectText + "\": expected an outline id");
        if (page != CShapixCtrl::toolSelect)
            args.Fail("--select shows the selection on the select page; it cannot go with --page " + pageName);
    }

    const ShapesDocument document = ReadShapesFile(files[0]);
    if (selectText && !document.Find(selectId))
        throw ToolError(files[0] + ": no outline with id " + std::to_string(selectId) + " (from --select)");

    ControlHost host(size);
    host.AddOutlines(document, fit);
    host.SelectTool(page);
    if (selectText)
        host.ClickOutline(selectId);
    const platform::Image picture = host.Capture();

    StagedOutputs outputs;
    if (!picture.SavePng(outputs.Stage(*target).string()))
        throw ToolError(*target + ": cannot write the PNG");
    for (const auto& written : outputs.Commit())
        out << "wrote " << written.string() << " (" << size.width << "x" << size.height << ", " << pageName
            << " page)\n";
    return kExitOk;
}

} // namespace shapix_tool
