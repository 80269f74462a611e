// The subcommands. Each takes its arguments (without the subcommand's
// name), prints to `out`, and returns the exit status; failures are thrown
// as ToolError or UsageError and reported by main.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace shapix_tool {

int RunRender(const std::vector<std::string>& args, std::ostream& out);
int RunPlay(const std::vector<std::string>& args, std::ostream& out);
int RunCut(const std::vector<std::string>& args, std::ostream& out);
int RunImport(const std::vector<std::string>& args, std::ostream& out);
int RunExport(const std::vector<std::string>& args, std::ostream& out);

struct CadDrawing;
class StagedOutputs;
// Stages `target` as DXF or SVG by its extension; false for any other.
bool WriteDrawing(const CadDrawing& drawing, const std::string& target, StagedOutputs& outputs);

} // namespace shapix_tool
