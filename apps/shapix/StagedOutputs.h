// Output files that appear only when the whole run succeeds: each is
// written to a private temporary folder first and moved into place by
// Commit(). A run that fails leaves every existing file as it was.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace shapix_tool {

class StagedOutputs {
public:
    StagedOutputs();
    ~StagedOutputs(); // removes whatever was not committed
    StagedOutputs(const StagedOutputs&) = delete;
    StagedOutputs& operator=(const StagedOutputs&) = delete;

    // Where to write the file that will become `target`. Staging the same
    // target again gives the same path: the last write wins.
    std::filesystem::path Stage(const std::filesystem::path& target);
    void WriteText(const std::filesystem::path& target, const std::string& text);
    // Creates missing folders and moves every staged file to its target, in
    // the order staged; returns the targets. Throws ToolError when a file
    // cannot be put in place.
    std::vector<std::filesystem::path> Commit();

private:
    std::filesystem::path m_folder;
    std::vector<std::pair<std::filesystem::path, std::filesystem::path>> m_files; // target, staged
};

} // namespace shapix_tool
