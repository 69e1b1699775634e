#pragma once

#include "compiler/problem.h"
#include "model/project_state.h"
#include "platform/file_error.h"
#include "platform/file_location.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// Whether a file of the game's package exists, by its path inside the
/// package folder ("DATA\TUT1.TR4").
using PackageFileCheck = std::function<bool(std::string_view pathInPackage)>;

/// The package folder: the folder text above a script folder text ("...\trle"
/// for "...\trle\Script"), or empty when there is none.
std::string packageFolderText(std::string_view scriptFolderText);

/// The check for the package folder above a script folder text, or none when
/// that folder does not exist.
PackageFileCheck packageFileCheck(std::string_view scriptFolderText);

/// The four files of a build: the two sources Orvanta writes and the DATs the
/// game reads.
struct GameFiles {
    std::string scriptTxt;
    std::string englishTxt;
    std::string scriptDat;
    std::string englishDat;
};

struct GameBuild {
    /// Script.txt's first, each in line order; every problem whose line came
    /// from the project names its field.
    std::vector<Problem> problems;
    /// Complete only when no problem is an error.
    GameFiles files;
};

/// Writes the project's Script.txt and English.txt, checks them and compiles
/// them into SCRIPT.DAT and ENGLISH.DAT. With `packageFiles`, a level whose
/// file is missing from the package gives a warning.
GameBuild buildGameFiles(const ProjectState& project, const PackageFileCheck& packageFiles = {});

/// The problems buildGameFiles finds.
std::vector<Problem> checkProject(const ProjectState& project, const PackageFileCheck& packageFiles = {});

/// Writes the four files into a folder: all of them, or none.
std::optional<FileError> writeGameFiles(const GameFiles& files, const FileLocation& folder);
std::optional<FileError> writeGameFiles(const GameFiles& files, std::string_view folderText);

/// The game's program, which reads SCRIPT.DAT and the language DATs from its
/// own folder.
inline constexpr const char* kGameProgram = "tomb4.exe";

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
