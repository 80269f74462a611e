// What `shapix --help` and each subcommand's --help print.
#pragma once

namespace shapix_tool {

extern const char* const kMainHelp;
extern const char* const kRenderHelp;
extern const char* const kPlayHelp;
extern const char* const kCutHelp;
extern const char* const kImportHelp;
extern const char* const kExportHelp;

} // namespace shapix_tool
