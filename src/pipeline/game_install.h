#pragma once

#include "pipeline/game_build.h"
#include "platform/file_error.h"
#include "platform/file_location.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

/// Writes the four files into a folder: all of them, or none (see
/// replaceFiles). `interrupted` says when an earlier write into it was
/// stopped between two renames, and which files it may have mixed.
std::optional<FileError> writeGameFiles(const GameFiles& files, const FileLocation& folder,
                                        std::optional<std::string>* interrupted = nullptr);

/// A warning, when the last write of several files into the script folder
/// was stopped before it ended, that its files may be from two writes.
std::optional<Problem> interruptedWriteIn(std::string_view scriptFolderText);

/// What installGameFiles did.
struct GameInstall {
    bool written = false;    ///< the four files are in the script folder
    std::string gameFolder;  ///< the folder the DATs were copied to as well, or empty
    std::optional<FileError> error;
    /// An earlier write into one of the folders that was stopped before it ended.
    std::optional<std::string> interrupted;
};

/// Writes the four files into the script folder (all or none), then copies
/// the two DATs into the package folder above it when that folder holds the
/// game's program.
GameInstall installGameFiles(const GameFiles& files, std::string_view scriptFolderText);

}  // namespace orvanta
