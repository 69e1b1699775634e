#pragma once

#include "importer/import_report.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// A game's SCRIPT.DAT and language DAT written back as sources that build
/// to the data the game reads, with what could not be written back.
struct DecodedGame {
    std::string script;    ///< Script.txt
    std::string language;  ///< the language file SCRIPT.DAT lists first
    std::string languageName;
    std::vector<ImportNote> leftOut;
};

/// Decodes the DATs; nothing when the script DAT cannot be read at all
/// (the reason in `fault`).
std::optional<DecodedGame> decodeDats(std::string_view scriptDat, std::string_view languageDat, std::string& fault);

}  // namespace orvanta
