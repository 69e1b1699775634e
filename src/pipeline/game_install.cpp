#include "pipeline/game_install.h"

#include "pipeline/package_folder.h"
#include "platform/host_path.h"
#include "platform/text_file.h"

#include <array>
#include <filesystem>

namespace orvanta {

std::optional<FileError> writeGameFiles(const GameFiles& files, const FileLocation& folder)
{
    const std::array<FileContents, 4> contents{{
        {folder.child("Script.txt"), files.scriptTxt},
        {folder.child("English.txt"), files.englishTxt},
        {folder.child("SCRIPT.DAT"), files.scriptDat},
        {folder.child("ENGLISH.DAT"), files.englishDat},
    }};
    return replaceFiles(contents);
}

std::optional<FileError> writeGameFiles(const GameFiles& files, std::string_view folderText)
{
    return writeGameFiles(files, FileLocation::fromPathText(folderText));
}

GameInstall installGameFiles(const GameFiles& files, std::string_view scriptFolderText)
{
    GameInstall install;
    install.error = writeGameFiles(files, scriptFolderText);
    install.written = !install.error;
    const std::string package = packageFolderText(scriptFolderText);
    if (!install.written || package.empty())
        return install;
    const FileLocation folder = FileLocation::fromPathText(package);
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(resolveInAnyCase(folder.host(), kGameProgram), ignored))
        return install;
    const std::array<FileContents, 2> dats{{
        {folder.child("SCRIPT.DAT"), files.scriptDat},
        {folder.child("ENGLISH.DAT"), files.englishDat},
    }};
    install.error = replaceFiles(dats);
    if (!install.error)
        install.gameFolder = package;
    return install;
}

}  // namespace orvanta
