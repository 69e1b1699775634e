// Any bytes, twice. As a project file: the reader either loads, leaving a
// project that saves and loads back to itself, or changes nothing at all. As
// the fields of a project, split at NUL bytes: what the writer makes of it
// loads back to the same fields.
#include "model/field.h"
#include "model/project_state.h"
#include "platform/text_lines.h"
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace orvanta;

/// A project whose fields hold the pieces of `bytes`; a field of one line
/// holds no line feed, as every way of editing a project keeps it.
ProjectState projectFrom(std::string_view bytes)
{
    ProjectState project = ProjectState::withDefaults();
    for (const Field field : allFields()) {
        const std::size_t end = std::min(bytes.find('\0'), bytes.size());
        std::string value(bytes.substr(0, end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (!field.holdsLines())
            std::erase(value, '\n');
        fieldText(project, field) = value;
    }
    return project;
}

/// Whether a text block of the project holds a line that reads as one of
/// the project file's separators, the one thing that keeps a save from loading.
bool copiesASeparator(const ProjectState& project)
{
    for (const Field field : allFields()) {
        if (!field.holdsLines())
            continue;
        for (const std::string_view line : splitLines(fieldText(project, field))) {
            if (line.starts_with("**") && line.ends_with("**") && line.size() > 4)
                return true;
        }
    }
    return false;
}

/// Whether saving a project and loading the file gives it back, field for
/// field; or saving refuses it, only ever for a pack that copies a separator.
/// A pack that holds "**BREAKER**" keeps the packs from loading, by design.
bool savesAndLoadsBack(const ProjectState& project)
{
    const std::string text = projectFileText(project);
    if (whyNotSavable(project, text))
        return copiesASeparator(project);
    ProjectState loaded = ProjectState::withDefaults();
    const LoadResult result = readProjectText(text, loaded);
    if (result.status != LoadStatus::Loaded)
        return false;
    if (!result.note.empty()) {
        for (int level = 1; level <= kLevelCount; ++level)
            loaded.level(level).scriptPack = project.level(level).scriptPack;
        loaded.inventoryItems = project.inventoryItems;
    }
    return projectFileText(loaded) == text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ProjectState defaults = ProjectState::withDefaults();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    ProjectState project = defaults;
    const LoadResult result = readProjectText(bytes, project);
    if (result.status != LoadStatus::Loaded && !(project == defaults))
        std::abort();  // a refused file changed the project
    if (result.status == LoadStatus::Loaded && !savesAndLoadsBack(project))
        std::abort();  // what was loaded does not survive a save
    if (!savesAndLoadsBack(projectFrom(bytes)))
        std::abort();  // a field came back other than it was saved
    return 0;
}
