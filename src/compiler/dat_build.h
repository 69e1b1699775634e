#pragma once

#include "compiler/language_file.h"
#include "compiler/problem.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// A DAT file made by the compiler: its name ("SCRIPT.DAT", "ENGLISH.DAT")
/// and its bytes.
struct DatFile {
    std::string name;
    std::string bytes;
};

/// A level file the script loads, e.g. "DATA\TUT1", with the line of its
/// "Level=" command.
struct LevelFile {
    std::string path;
    int line = 0;
};

struct DatBuild {
    std::vector<Problem> problems;
    /// SCRIPT.DAT, then the language DATs in priority order; none when there are errors.
    std::vector<DatFile> dats;
    std::vector<LevelFile> levelFiles;  ///< the title's first
    std::string pcLevelExtension;       ///< e.g. ".TR4"
};

/// Gives the source of a language file named in [Language] ("ENGLISH.TXT"),
/// or nothing when there is none.
using LanguageSource = std::function<std::optional<SourceFile>(std::string_view listedName)>;

/// Builds the DAT files of a Script.txt as the game's script compiler does: SCRIPT.DAT from
/// the script, and a .DAT for each language file the source gives. The first
/// language file listed must be given; names, legends and item names are
/// looked up in its strings. Any bytes are accepted: what cannot be built is
/// reported, never thrown.
DatBuild buildDats(const SourceFile& script, const LanguageSource& languages);

}  // namespace orvanta
