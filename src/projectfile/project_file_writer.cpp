#include "projectfile/project_file_writer.h"

#include "platform/text_file.h"
#include "platform/text_lines.h"
#include "projectfile/project_file_format.h"

namespace orvanta {

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
        appendLine(out, project.level(level).scriptPack);
        appendLine(out, projectfile::kBreaker);
    }
    appendLine(out, project.inventoryItems);
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
    appendLine(out, project.scriptHeader);
    appendLine(out, projectfile::kHeaderPackEnd);
    return out;
}

std::optional<FileError> saveProjectFile(const ProjectState& project, const FileLocation& file)
{
    return replaceFile(file, projectFileText(project));
}

std::optional<FileError> saveProjectFile(const ProjectState& project, std::string_view pathText)
{
    return saveProjectFile(project, FileLocation::fromPathText(pathText));
}

}  // namespace orvanta
