#include "projectfile/project_file_writer.h"

#include "platform/text_file.h"
#include "platform/text_lines.h"
#include "projectfile/project_file_format.h"
#include "projectfile/project_file_reader.h"

namespace orvanta {
namespace {

/// A text block's lines, each ended by CR LF: a bare LF (from a file a Unix
/// editor wrote) is written as the CR LF it is read back as.
void appendBlock(std::string& out, std::string_view text)
{
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t lf = text.find('\n', start);
        const std::string_view line = text.substr(start, lf == std::string_view::npos ? lf : lf - start);
        out += line;
        if (lf == std::string_view::npos)
            break;
        out += line.ends_with('\r') ? std::string_view("\n") : kLineEnd;
        start = lf + 1;
    }
    out += kLineEnd;
}

}  // namespace

std::string projectFileText(const ProjectState& project)
{
    std::string out;
    out.reserve(project.blockBytes() + 4096);
    appendLine(out, projectfile::kMagicLine);
    for (const LevelSlot& slot : project.slots)
        appendLine(out, slot.levelName);
    for (const LevelSlot& slot : project.slots)
        appendLine(out, slot.wadName);
    for (const LevelSlot& slot : project.slots)
        appendLine(out, slot.audioTrack);
    appendLine(out, project.firstLegend);
    appendLine(out, project.secondLegend);
    for (int level = 1; level <= kLevelCount; ++level) {
        appendBlock(out, project.level(level).scriptPack);
        appendLine(out, projectfile::kBreaker);
    }
    appendBlock(out, project.inventoryItems);
    appendLine(out, projectfile::kSwitches);
    for (const std::string& value : project.switches)
        appendLine(out, value);
    appendLine(out, project.inputTimeout);
    appendLine(out, project.security);
    for (const LevelSlot& slot : project.slots)
        appendLine(out, slot.levelData);
    appendLine(out, projectfile::kBreaker);
    appendLine(out, project.scriptFolder);
    appendLine(out, project.easylifeLocation);
    appendLine(out, projectfile::kHeaderPack);
    appendBlock(out, project.scriptHeader);
    appendLine(out, projectfile::kHeaderPackEnd);
    return out;
}

std::optional<std::string> whyNotSavable(const ProjectState& project, std::string_view projectText)
{
    constexpr const char* kCopiesSeparators = "a pack holds lines that read as the project file's own separators";
    ProjectState readBack = project;
    const LoadResult result = readProjectText(projectText, readBack);
    if (result.status != LoadStatus::Loaded)
        return std::string(kCopiesSeparators) + ", so the file would not load: " + result.message;
    // Packs holding "**BREAKER**" are not loaded, and say so: the other fields must come back as they are.
    if (!result.note.empty()) {
        for (int level = 1; level <= kLevelCount; ++level)
            readBack.level(level).scriptPack = project.level(level).scriptPack;
        readBack.inventoryItems = project.inventoryItems;
    }
    if (projectFileText(readBack) != projectText)
        return std::string(kCopiesSeparators) + ", so the file would load other values than these";
    return std::nullopt;
}

std::optional<FileError> saveProjectFile(const ProjectState& project, const FileLocation& file)
{
    const std::string text = projectFileText(project);
    if (auto reason = whyNotSavable(project, text))
        return FileError{"Cannot save " + file.shown() + ": " + *reason + "; nothing was written"};
    return replaceFile(file, text);
}

std::optional<FileError> saveProjectFile(const ProjectState& project, std::string_view pathText)
{
    return saveProjectFile(project, FileLocation::fromPathText(pathText));
}

}  // namespace orvanta
