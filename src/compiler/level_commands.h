#pragma once

#include "compiler/language_file.h"
#include "compiler/problem.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// Opcodes of SCRIPT.DAT level data that no command table row holds.
inline constexpr std::uint8_t kLevelOpcode = 0x81;
inline constexpr std::uint8_t kTitleOpcode = 0x82;
inline constexpr std::uint8_t kEndOpcode = 0x83;
inline constexpr std::uint8_t kFmvOpcode = 0x80;           // film and trigger packed in one byte
inline constexpr std::uint8_t kAnimatingMipOpcode = 0x90;  // object and distance packed in one byte
inline constexpr std::uint8_t kLensFlareOpcode = 0x8D;     // positions stored in clicks
inline constexpr int kClickUnits = 256;

/// The range and width of one number a command stores.
struct NumberSpec {
    std::int64_t min;
    std::int64_t max;
    int bytes;
};

enum class Form : std::uint8_t { Name, Level, Switch, Numbers, Legend, Item };

/// A command of [Title] and [Level] sections and how SCRIPT.DAT holds it.
struct CommandSpec {
    std::string_view name;
    Form form;
    std::uint8_t opcode;  ///< the first opcode (items: of item 1, piece 1)
    std::uint16_t flag;   ///< the level option bit the command sets
    std::span<const NumberSpec> numbers;
    const char* values;  ///< what the values are, for messages
    int items = 0;       ///< items: how many of the kind
    bool combo = false;  ///< items: two pieces of each
};

/// Every command of [Title] and [Level] sections.
std::span<const CommandSpec> levelCommands();

/// A [Title] or [Level] section as read from Script.txt: its header and the
/// bytes of its lines, which the encoder reads. A long pack's item lines are
/// read once, without a list of them.
struct LevelSection {
    int line;  ///< of its "[Title]" or "[Level]" header, where `body` begins
    bool title;
    std::string_view body;  ///< from the end of the header to the next section
};

/// A section encoded for SCRIPT.DAT: its level data (header opcode, the
/// commands in source order, end opcode) and the level file it loads.
struct EncodedLevel {
    std::string data;
    std::string path;  ///< as in "Level=", e.g. "DATA\TUT1"
    int pathLine = 0;  ///< the line of its "Level="
};

/// Encodes one section; `pathIndex` is its place among the levels (the title
/// is 0). Names, legends and item names are looked up in `strings`.
EncodedLevel encodeLevel(const LevelSection& section, int pathIndex, const LanguageStrings& strings,
                         const std::string& languageName, const std::string& file, std::vector<Problem>& problems);

}  // namespace orvanta
