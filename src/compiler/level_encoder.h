#pragma once

#include "compiler/language_file.h"
#include "compiler/problem.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// A [Title] or [Level] section as read from Script.txt: its header and the
/// bytes of its lines, which the encoder reads. A long pack's item lines are
/// read once, without a list of them.
/// Gives the source of a file an #INCLUDE line names, or nothing when there is none.
using IncludeSource = std::function<std::optional<SourceFile>(std::string_view name)>;

struct LevelSection {
    int line;  ///< of its "[Title]" or "[Level]" header, where `body` begins
    bool title;
    std::string_view body;                    ///< from the end of the header to the next section
    const IncludeSource* includes = nullptr;  ///< when #INCLUDE files are read
};

/// A section encoded for SCRIPT.DAT: its level data (the commands in source
/// order, then the Level or Title opcode, then End) and the level file it
/// loads.
struct EncodedLevel {
    std::string data;
    std::string path;  ///< as in "Level=", e.g. "DATA\TUT1"
    int pathLine = 0;  ///< the line of its "Level="
    /// Where `data` holds the index of its level file in SCRIPT.DAT's list of
    /// file names, which is known once every section is encoded.
    std::size_t pathIndexAt = 0;
    int trngLine = 0;  ///< the first line only TRNG reads, or 0
};

/// Encodes one section. Names, legends and item names are looked up in `strings`.
EncodedLevel encodeLevel(const LevelSection& section, const LanguageStrings& strings, const std::string& languageName,
                         const ProblemReporter& report);

}  // namespace orvanta
