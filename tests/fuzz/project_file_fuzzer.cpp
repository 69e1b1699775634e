// Any bytes, twice. As a project file: the reader either loads, leaving a
// project that saves and loads back to itself, or changes nothing at all. As
// the fields of a project, split at NUL bytes: what the writer makes of it
// loads back to the same fields.
#include "model/field.h"
#include "model/project_state.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ProjectState defaults = ProjectState::withDefaults();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    ProjectState project = defaults;
    const LoadResult result = readProjectText(bytes, project);
    if (result.status != LoadStatus::Loaded && !(project == defaults))
        std::abort();  // a refused file changed the project
    ProjectState again = defaults;
    if (result.status == LoadStatus::Loaded &&
        (readProjectText(projectFileText(project), again).status != LoadStatus::Loaded || !(again == project)))
        std::abort();  // what was loaded does not survive a save

    const ProjectState saved = projectFrom(bytes);
    ProjectState loaded = defaults;
    if (readProjectText(projectFileText(saved), loaded).status != LoadStatus::Loaded)
        std::abort();  // a file the writer made is refused
    for (int level = 1; level <= kLevelCount; ++level)
        loaded.level(level).scriptPack = saved.level(level).scriptPack;  // not read back, by design
    loaded.inventoryItems = saved.inventoryItems;
    if (projectFileText(loaded) != projectFileText(saved))
        std::abort();  // a field came back other than it was saved
    return 0;
}
