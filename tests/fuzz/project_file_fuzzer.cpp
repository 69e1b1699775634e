// Any bytes as a project file: the reader either loads, leaving a project
// that saves and loads back to itself, or changes nothing at all.
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvanta;
    static const ProjectState defaults = ProjectState::withDefaults();
    ProjectState project = defaults;
    if (readProjectText(std::string_view(reinterpret_cast<const char*>(data), size), project).status != LoadStatus::Loaded) {
        if (!(project == defaults))
            std::abort();  // a refused file changed the project
        return 0;
    }
    ProjectState again = defaults;
    if (readProjectText(projectFileText(project), again).status != LoadStatus::Loaded || !(again == project))
        std::abort();  // what was loaded does not survive a save
    return 0;
}
