#pragma once

#include "compiler/dat_build.h"
#include "importer/source_import.h"
#include "platform/file_error.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvanta {

/// A source file read from disk: the name it is known by, its bytes, its path.
struct ReadFile {
    std::string name;
    std::string bytes;
    std::filesystem::path path;
    std::string listedAs;  ///< a language file: the name [Language] gives it
};

/// A Script.txt and the language files its [Language] section lists, read
/// from the folder that holds it, each found in any letter case.
struct ScriptFolder {
    ReadFile script;
    std::vector<ReadFile> languages;      ///< in priority order, those that exist
    std::vector<ListedLanguage> missing;  ///< listed, but not in the folder
    /// Decoded from the game's DATs: what the DATs hold that the sources cannot.
    std::vector<ImportNote> undecoded;
};

/// Reads a Script.txt given by its path, or found in a folder in any letter
/// case; a SCRIPT.DAT (given, or in a folder without a Script.txt) is decoded
/// into sources, with the language DAT it lists first beside it.
FileOutcome<ScriptFolder> readScriptFolder(const std::filesystem::path& scriptOrFolder);

/// The build of a script folder as it stands: the script, every language
/// file it lists that the folder holds, and the #INCLUDE files beside it.
DatBuild buildScriptFolder(const ScriptFolder& folder);

/// The folder's game taken into a project (see importSources), with what
/// its DATs held that their sources cannot, when it was decoded from them.
std::optional<ImportedGame> importFolder(const ScriptFolder& folder);

/// The script and the language file it lists first, when the folder holds it.
GameSources gameSources(const ScriptFolder& folder);

/// The files beside a script that its #INCLUDE lines name, found in any
/// letter case and read once each; the result keeps their bytes.
IncludeSource includesBeside(const std::filesystem::path& scriptPath);

/// A file of `name` in `folder`, in any letter case, when it exists.
std::optional<std::filesystem::path> fileInFolder(const std::filesystem::path& folder, std::string_view name);

}  // namespace orvanta
