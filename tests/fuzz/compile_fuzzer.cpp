// The whole compile path on any input: load the bytes as a project file over
// the defaults, then write Script.txt and English.txt into a folder.
#include "model/project_state.h"
#include "projectfile/project_file_reader.h"
#include "script/english_writer.h"
#include "script/script_files.h"
#include "script/script_writer.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

std::string readBack(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvanta;
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("orvanta-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    ProjectState project = ProjectState::withDefaults();
    (void)readProjectText(std::string_view(reinterpret_cast<const char*>(data), size), project);
    if (writeScriptFiles(project, folder.string()))
        std::abort();
    if (readBack(folder / "Script.txt") != scriptText(project) ||
        readBack(folder / "English.txt") != englishText(project))
        std::abort();
    return 0;
}
