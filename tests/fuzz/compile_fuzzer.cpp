// The whole compile path on any input: load the bytes as a project file over
// the defaults, then write Script.txt and English.txt into a folder.
#include "projectfile/project_file_reader.h"
#include "script/script_files.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvanta;
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orvanta-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    ProjectState project = ProjectState::withDefaults();
    (void)readProjectText(std::string_view(reinterpret_cast<const char*>(data), size), project);
    if (writeScriptFiles(project, folder.string()))
        std::abort();  // any project compiles into a folder that exists
    return 0;
}
