#include "StagedOutputs.h"

#include "ToolError.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace shapix_tool {

namespace fs = std::filesystem;

StagedOutputs::StagedOutputs()
{
    std::string pattern = (fs::temp_directory_path() / "shapix-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw ToolError("cannot create a temporary folder in " + fs::temp_directory_path().string());
    m_folder = pattern;
}

StagedOutputs::~StagedOutputs()
{
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

fs::path StagedOutputs::Stage(const fs::path& target)
{
    for (const auto& [existing, staged] : m_files) {
        if (existing == target)
            return staged;
    }
    const fs::path staged = m_folder / (std::to_string(m_files.size()) + target.extension().string());
    m_files.emplace_back(target, staged);
    return staged;
}

void StagedOutputs::WriteText(const fs::path& target, const std::string& text)
{
    const fs::path staged = Stage(target);
    std::ofstream out(staged, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush())
        throw ToolError(target.string() + ": cannot write the file");
}

std::vector<fs::path> StagedOutputs::Commit()
{
    std::vector<fs::path> written;
    for (const auto& [target, staged] : m_files) {
        std::error_code error;
        if (target.has_parent_path())
            fs::create_directories(target.parent_path(), error);
        if (error)
            throw ToolError(target.parent_path().string() + ": cannot create the folder: " + error.message());
        // A rename within one file system replaces the target in one step;
        // across file systems the copy goes next to the target first.
        fs::rename(staged, target, error);
        if (error) {
            const fs::path beside = target.string() + ".shapix-partial";
            error.clear();
            fs::copy_file(staged, beside, fs::copy_options::overwrite_existing, error);
            if (!error)
                fs::rename(beside, target, error);
            if (error) {
                std::error_code ignored;
                fs::remove(beside, ignored);
                throw ToolError(target.string() + ": cannot write the file: " + error.message());
            }
        }
        written.push_back(target);
    }
    m_files.clear();
    return written;
}

} // namespace shapix_tool
