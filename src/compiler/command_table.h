#pragma once

#include "compiler/byte_reader.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// The opcodes of SCRIPT.DAT level data that frame a level's commands: the
/// game applies each command as it reads it, and starts the level at its
/// Level or Title opcode, so those come last, just before End.
inline constexpr std::uint8_t kLevelOpcode = 0x81;
inline constexpr std::uint8_t kTitleOpcode = 0x82;
inline constexpr std::uint8_t kEndOpcode = 0x83;
inline constexpr int kClickUnits = 256;  ///< world units in a click: LensFlare stores positions in clicks

/// The range and width of one number a command stores.
struct NumberSpec {
    std::int64_t min;
    std::int64_t max;
    int bytes;
};

enum class Form : std::uint8_t { Name, Level, Switch, Numbers, Legend, Item };

/// How a command's numbers become its operand bytes.
enum class Packing : std::uint8_t {
    Plain,              ///< each number in the bytes its NumberSpec gives
    FilmAndTrigger,     ///< FMV: the film in the low four bits, the trigger as the top bit
    ObjectAndDistance,  ///< AnimatingMIP: the object less one in the low four bits, the distance above
    Clicks,             ///< LensFlare: the three positions in clicks of 256 units, then the colour
};

/// A command of [Title] and [Level] sections and how SCRIPT.DAT holds it.
struct CommandSpec {
    std::string_view name;
    Form form;
    std::uint8_t opcode;  ///< the first opcode (numbered commands: of number 1, piece 1)
    std::uint16_t flag;   ///< the level option bit the command sets
    std::span<const NumberSpec> numbers;
    const char* takes;   ///< what its values are, as messages and the editor say it
    const char* does;    ///< what the game does with it, as the editor and docs/script-format.md say it
    int count = 0;       ///< numbered commands (Key=, ResidentCut=): how many; the first value picks the opcode
    bool combo = false;  ///< numbered items with two pieces each
    Packing packing = Packing::Plain;

    /// How many opcodes the command writes with: one, or one per number and piece.
    int opcodeCount() const { return count == 0 ? 1 : count * (combo ? 2 : 1); }
    /// Whether its line becomes an opcode of its own (switches only set option bits).
    bool writesOpcode() const { return form == Form::Numbers || form == Form::Legend || form == Form::Item; }
};

/// Every command of [Title] and [Level] sections.
std::span<const CommandSpec> levelCommands();

/// The command a key names, whatever its case, or nullptr.
const CommandSpec* findCommand(std::string_view key);

/// A command of the sections before the levels: [PSXExtensions],
/// [PCExtensions], [Language] and [Options].
struct HeaderCommand {
    std::string_view section;
    std::string_view name;
    const char* takes;
    const char* does;
};
std::span<const HeaderCommand> headerCommands();
/// The header command a key names in a section, whatever their case, or nullptr.
const HeaderCommand* findHeaderCommand(std::string_view section, std::string_view key);

/// Commands of the TRNG engine patch, which this compiler does not build:
/// the scripts of TRNG games hold them beside the game's own.
std::span<const std::string_view> trngCommands();
bool isTrngCommand(std::string_view key);

/// What an opcode of the level data stands for.
struct OpcodeMeaning {
    const CommandSpec* command;
    int number = 0;  ///< numbered commands: 1-based
    int piece = 0;   ///< combos: 1 or 2
};
/// The command an opcode belongs to; nothing for the Level, Title and End
/// opcodes and for bytes no command writes.
std::optional<OpcodeMeaning> commandForOpcode(std::uint8_t opcode);

/// The opcode of a numbered command's number and piece (both 1-based).
std::uint8_t numberedOpcode(const CommandSpec& command, std::int64_t number, std::int64_t piece);

/// Appends the operands of a command: `values` are its numbers as the
/// script gives them, a legend's or item's string index first.
void putOperands(std::string& out, const CommandSpec& command, std::span<const std::int64_t> values);

/// Reads the operands putOperands wrote, back in the script's units (a
/// LensFlare position comes back rounded down to its click); nothing when
/// the bytes end first.
std::optional<std::vector<std::int64_t>> readOperands(ByteReader& reader, const CommandSpec& command);

}  // namespace orvanta
