#include "pipeline/game_install.h"

#include "pipeline/package_folder.h"
#include "platform/host_path.h"
#include "platform/replace_record.h"
#include "platform/text_file.h"

#include <array>
#include <filesystem>

namespace orvanta {

std::optional<FileError> writeGameFiles(const GameFiles& files, const FileLocation& folder,
                                        std::optional<std::string>* interrupted)
{
    const std::array<FileContents, 4> contents{{
        {folder.child("Script.txt"), files.scriptTxt},
        {folder.child("English.txt"), files.englishTxt},
        {folder.child("SCRIPT.DAT"), files.scriptDat},
        {folder.child("ENGLISH.DAT"), files.englishDat},
    }};
    return replaceFiles(contents, {}, interrupted);
}

std::optional<Problem> interruptedWriteIn(std::string_view scriptFolderText)
{
    const auto said = interruptedReplace(FileLocation::fromPathText(scriptFolderText).host(), false);
    if (!said)
        return std::nullopt;
    return Problem{Severity::Warning, {}, 0, *said + "; the next build writes them whole", -1, 0};
}

GameInstall installGameFiles(const GameFiles& files, std::string_view scriptFolderText)
{
    GameInstall install;
    install.error = writeGameFiles(files, FileLocation::fromPathText(scriptFolderText), &install.interrupted);
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
    std::optional<std::string> interrupted;
    install.error = replaceFiles(dats, {}, &interrupted);
    if (!install.interrupted)
        install.interrupted = std::move(interrupted);
    if (!install.error)
        install.gameFolder = package;
    return install;
}

}  // namespace orvanta
