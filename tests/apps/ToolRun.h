// Runs the built shapix binary in a scratch folder and keeps what it said.
#pragma once

#include "Shapix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tool_test {

inline const std::filesystem::path kSamples = SHAPIX_SAMPLES;

struct ToolResult {
    int status = -1;
    std::string out;
    std::string err;
};

// A fresh folder per test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    void Write(const std::string& name, const std::string& text) const;
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path m_path;
};

// The tool with these arguments, run in `folder`.
ToolResult RunTool(const std::vector<std::string>& args, const std::filesystem::path& folder);

} // namespace tool_test
