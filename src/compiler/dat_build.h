#pragma once

#include "compiler/language_file.h"
#include "compiler/level_encoder.h"
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
    /// The first line of a command only TRNG reads, or 0. Such a script gets
    /// no DATs: TRNG's own tool builds its extra data.
    int trngLine = 0;
    /// A TRNG script's DATs as built here, without TRNG's data: what the game
    /// would read of its standard commands. Never written; for comparing.
    std::vector<DatFile> withoutTrngData;
};

/// Why a script with TRNG commands is not built here.
inline constexpr const char* kTrngReason =
    "the script uses TRNG from this line on: TRNG's own tool builds its extra data, and DAT files built "
    "without it would run the game without its TRNG features";

/// Gives the source of a language file named in [Language] ("ENGLISH.TXT"),
/// or nothing when there is none.
using LanguageSource = std::function<std::optional<SourceFile>(std::string_view listedName)>;

/// Builds the DAT files of a Script.txt as the game's script compiler does: SCRIPT.DAT from
/// the script, and a .DAT for each language file the source gives. The first
/// language file listed must be given; names, legends and item names are
/// looked up in its strings. Any bytes are accepted: what cannot be built is
/// reported, never thrown.
/// The files TRNG's #INCLUDE lines name are read, in their place, when
/// `includes` gives them.
DatBuild buildDats(const SourceFile& script, const LanguageSource& languages, const IncludeSource& includes = {});

}  // namespace orvanta
