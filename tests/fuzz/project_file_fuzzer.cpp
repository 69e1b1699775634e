// Any bytes as a project file: the reader must either load, leaving a project
// that saves and loads back to itself, or change nothing at all.
#include "model/project_state.h"
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvanta;
    static const ProjectState defaults = ProjectState::withDefaults();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    ProjectState project = defaults;
    const LoadResult result = readProjectText(bytes, project);
    if (result.status != LoadStatus::Loaded) {
        if (!(project == defaults))
            std::abort();  // a refused file changed the project
        return 0;
    }
    ProjectState again = defaults;
    if (readProjectText(projectFileText(project), again).status != LoadStatus::Loaded || !(again == project))
        std::abort();  // what was loaded does not survive a save
    return 0;
}
