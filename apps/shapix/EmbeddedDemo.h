// The bundled demo session and the sample it edits, built into the tool
// from samples/ so that `shapix play` needs no files to show what the
// control does.
#pragma once

#include <map>
#include <string>

namespace shapix_tool {

inline constexpr const char* kEmbeddedDemoScript = "demo.shapix";

// File name → contents.
const std::map<std::string, std::string>& EmbeddedFiles();

} // namespace shapix_tool
