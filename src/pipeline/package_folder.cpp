#include "pipeline/package_folder.h"

#include "platform/host_path.h"
#include "platform/windows1252.h"

#include <filesystem>

namespace orvanta {

std::string packageFolderText(std::string_view scriptFolderText)
{
    const std::string_view folder = scriptFolderText.substr(0, scriptFolderText.find_last_not_of("\\/") + 1);
    const auto cut = folder.find_last_of("\\/");
    return cut == std::string_view::npos ? std::string() : std::string(folder.substr(0, cut));
}

PackageFileCheck packageFileCheck(std::string_view scriptFolderText)
{
    const std::string package = packageFolderText(scriptFolderText);
    const std::filesystem::path root = hostPath(package);
    std::error_code error;
    if (package.empty() || !std::filesystem::is_directory(root, error))
        return {};
    // The game finds its files in any letter case, as Windows does.
    return {package, [root](std::string_view pathInPackage) {
                std::error_code ignored;
                return std::filesystem::exists(resolveInAnyCase(root, windows1252::toUtf8(pathInPackage)), ignored);
            }};
}

}  // namespace orvanta
