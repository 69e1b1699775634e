#pragma once

#include "pipeline/game_build.h"
#include "platform/file_error.h"
#include "platform/file_location.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

/// Writes the four files into a folder: all of them, or none.
std::optional<FileError> writeGameFiles(const GameFiles& files, const FileLocation& folder);
std::optional<FileError> writeGameFiles(const GameFiles& files, std::string_view folderText);

/// What installGameFiles did.
struct GameInstall {
    bool written = false;    ///< the four files are in the script folder
    std::string gameFolder;  ///< the folder the DATs were copied to as well, or empty
    std::optional<FileError> error;
};

/// Writes the four files into the script folder (all or none), then copies
/// the two DATs into the package folder above it when that folder holds the
/// game's program.
GameInstall installGameFiles(const GameFiles& files, std::string_view scriptFolderText);

}  // namespace orvanta
