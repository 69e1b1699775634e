#pragma once

#include "compiler/command_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// One command of a level block, as the game reads it.
struct DatCommand {
    std::size_t at = 0;  ///< of its opcode, in the file
    OpcodeMeaning meaning;
    /// Its values in the script's units; a legend's or item's string index first.
    std::vector<std::int64_t> values;
};

/// The Level or Title opcode, at which the game starts the level.
struct DatLevelStart {
    std::size_t at = 0;
    bool title = false;
    std::uint32_t nameString = 0;  ///< levels only
    std::uint16_t options = 0;
    std::uint32_t fileIndex = 0;  ///< into ScriptDat::levelFiles
    std::uint32_t audio = 0;
};

/// A level's block of the level data, read opcode by opcode as the game
/// reads it: every command up to the Level or Title opcode is applied, the
/// level starts there, and nothing after it in the block is ever read.
struct DatLevelBlock {
    std::size_t at = 0;   ///< where the block begins, in the file
    std::size_t end = 0;  ///< where the next block or the level data end, in the file
    std::vector<DatCommand> applied;
    std::optional<DatLevelStart> start;
    std::vector<DatCommand> unread;  ///< after the start, before End: never read by the game
    bool ended = false;              ///< an End opcode closes it
    /// What stopped the reading before End, e.g. an unknown opcode; empty when nothing did.
    std::string fault;
    /// The earlier level whose block this one shares: it begins at the same
    /// byte, so the game reads the same commands. Such a block is read once,
    /// and is empty here.
    std::optional<std::size_t> sameAs;
};

/// A SCRIPT.DAT taken apart the way the game reads it. Any bytes are
/// accepted: what cannot be read is said in `fault` (of the file) or in a
/// block's fault, and nothing is read twice, so the result is never larger
/// than a small multiple of the file.
struct ScriptDat {
    std::uint8_t options = 0;
    std::uint32_t inputTimeout = 0;
    std::uint8_t security = 0;
    std::size_t levelCount = 0;     ///< the title included
    std::size_t fileNameCount = 0;  ///< the level file names, each held once
    std::size_t fileNameBytes = 0;
    std::size_t levelDataBytes = 0;
    /// PSX, then PC: the level, FMV and cut extensions.
    std::array<std::array<std::string, 3>, 2> extensions;
    std::vector<std::string> levelFiles;
    std::vector<DatLevelBlock> levels;  ///< the title's first
    std::vector<std::string> languageFiles;
    /// What follows the language file names: TRNG's own data when it begins with "NG".
    std::string_view extraData;
    std::string fault;  ///< what stopped the reading of the header or the tables

    /// Whether the game reads every command of every block: each block has
    /// its Level or Title opcode, nothing after it, and ends well.
    bool readWhole() const;
};

/// Reads SCRIPT.DAT's bytes, which must outlive the result's extraData.
ScriptDat readScriptDat(std::string_view bytes);

/// Whether extra data after the language file names is TRNG's: it begins with "NG".
bool isTrngData(std::string_view extraData);

}  // namespace orvanta
