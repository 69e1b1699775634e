#include "compiler/command_table.h"

#include "compiler/byte_writer.h"
#include "compiler/source_lines.h"

#include <algorithm>
#include <array>
#include <limits>

namespace orvanta {
namespace {

constexpr NumberSpec kU8{0, 255, 1};
constexpr NumberSpec kS8{-128, 127, 1};
constexpr NumberSpec kS32{std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), 4};
// Item values are 16-bit words: "$c000" as well as "-16384".
constexpr NumberSpec kWord{-32768, 65535, 2};

constexpr std::array<NumberSpec, 7> kCamera{kS32, kS32, kS32, kS32, kS32, kS32, kU8};
constexpr std::array<NumberSpec, 4> kLayer{kU8, kU8, kU8, kS8};
constexpr std::array<NumberSpec, 3> kColour{kU8, kU8, kU8};
constexpr std::array<NumberSpec, 2> kMirror{kU8, kS32};
constexpr std::array<NumberSpec, 1> kByte{kU8};
constexpr std::array<NumberSpec, 1> kSignedByte{kS8};
constexpr std::array<NumberSpec, 2> kFmv{{{0, 15, 1}, {0, 1, 1}}};
constexpr std::array<NumberSpec, 2> kAnimatingMip{{{1, 16, 1}, {0, 15, 1}}};
// y, z, x in world units, stored in clicks, then red, green, blue.
constexpr std::array<NumberSpec, 6> kLensFlare{{{0, 65535L * kClickUnits + 255, 2},
                                                {-32768L * kClickUnits, 32767L * kClickUnits + 255, 2},
                                                {0, 65535L * kClickUnits + 255, 2},
                                                kU8,
                                                kU8,
                                                kU8}};
constexpr std::array<NumberSpec, 6> kItemValues{kWord, kWord, kWord, kWord, kWord, kWord};
constexpr int kLensFlarePositions = 3;

constexpr const char* kSwitch = "ENABLED or DISABLED";
constexpr const char* kItemTakes = "item number, name and six values";
constexpr const char* kComboTakes = "item number, piece (1 or 2), name and six values";

// ResidentCut= comes before ResidentCut1= to ResidentCut4=, which write the
// same opcodes: an opcode is named after the first row that writes it.
// A row a command; below it, what the game does with the command.
// clang-format off
const CommandSpec kCommands[] = {
    {"Name", Form::Name, 0, 0, {}, "the level's name",
     "Names the level: a string of the language file, which the level's data points at."},
    {"Level", Form::Level, 0, 0, {}, "the level file and the audio track",
     "The level's data file and the audio track played in it; the game starts the level here."},
    {"Legend", Form::Legend, 0x8C, 0, {}, "the legend text",
     "Points the level at its legend, a text of the language file."},
    {"LoadCamera", Form::Numbers, 0x91, 0, kCamera, "source x, y, z, target x, y, z and room",
     "The level's load camera: the point it stands at, the point it looks at, and its room."},
    {"YoungLara", Form::Switch, 0, 0x0001, {}, kSwitch,
     "Sets option bit 0x0001, named YoungLara; the public pages say no more of it."},
    {"Weather", Form::Switch, 0, 0x0002, {}, kSwitch,
     "Sets option bit 0x0002, named Weather; the public pages say no more of it."},
    {"Horizon", Form::Switch, 0, 0x0004, {}, kSwitch,
     "Makes the level's horizon visible in the game."},
    {"Layer1", Form::Numbers, 0x89, 0x0008, kLayer, "red, green, blue and speed",
     "The colour and speed of the first layer; sets option bit 0x0008."},
    {"Layer2", Form::Numbers, 0x8A, 0x0010, kLayer, "red, green, blue and speed",
     "The colour and speed of the second layer; sets option bit 0x0010."},
    {"Starfield", Form::Switch, 0, 0x0020, {}, kSwitch,
     "Sets option bit 0x0020, named Starfield; the public pages say no more of it."},
    {"Lightning", Form::Switch, 0, 0x0040, {}, kSwitch,
     "Makes the sky flash with lightning; thunder needs the THUNDER_RUMBLE sound in the level."},
    {"Train", Form::Switch, 0, 0x0080, {}, kSwitch,
     "Marks a train level, as the tutorials on train levels set it; option bit 0x0080."},
    {"Pulse", Form::Switch, 0, 0x0100, {}, kSwitch,
     "Sets option bit 0x0100, named Pulse; the public pages say no more of it."},
    {"ColAddHorizon", Form::Switch, 0, 0x0200, {}, kSwitch,
     "Sets option bit 0x0200, the level properties' Blend Horizon."},
    {"ResetHUB", Form::Numbers, 0x92, 0x0400, kByte, "a level number",
     "Opcode 0x92 with a level number, and option bit 0x0400; only its layout is documented."},
    {"LensFlare", Form::Numbers, 0x8D, 0x0800, kLensFlare, "y, z, x, red, green and blue",
     "One lens flare for the whole level, a sun, at a world position and in a colour.", 0, false, Packing::Clicks},
    {"Timer", Form::Switch, 0, 0x1000, {}, kSwitch,
     "Shows the game's on-screen timer in the level."},
    {"Mirror", Form::Numbers, 0x8E, 0x2000, kMirror, "room and x axis",
     "A mirror: the room that shows Lara's reflection and the x axis the mirror stands on."},
    {"RemoveAmulet", Form::Switch, 0, 0x4000, {}, kSwitch,
     "Sets option bit 0x4000, named RemoveAmulet; the public pages say no more of it."},
    {"NoLevel", Form::Switch, 0, 0x8000, {}, kSwitch,
     "Sets option bit 0x8000, named NoLevel; the public pages say no more of it."},
    {"Fog", Form::Numbers, 0x8F, 0, kColour, "red, green and blue",
     "The colour of the level's distance fog."},
    {"Cut", Form::Numbers, 0x84, 0, kByte, "a cutscene number",
     "Opcode 0x84 with a cutscene number; only its layout is documented."},
    {"ResidentCut", Form::Numbers, 0x85, 0, kByte, "the resident cutscene (1-4) and the cutscene number",
     "One of the four resident cutscene opcodes, 0x85 to 0x88, with a cutscene number.", 4},
    {"ResidentCut1", Form::Numbers, 0x85, 0, kByte, "a cutscene number",
     "Resident cutscene opcode 0x85 with a cutscene number; only its layout is documented."},
    {"ResidentCut2", Form::Numbers, 0x86, 0, kByte, "a cutscene number",
     "Resident cutscene opcode 0x86 with a cutscene number; only its layout is documented."},
    {"ResidentCut3", Form::Numbers, 0x87, 0, kByte, "a cutscene number",
     "Resident cutscene opcode 0x87 with a cutscene number; only its layout is documented."},
    {"ResidentCut4", Form::Numbers, 0x88, 0, kByte, "a cutscene number",
     "Resident cutscene opcode 0x88 with a cutscene number; only its layout is documented."},
    {"UVRotate", Form::Numbers, 0x8B, 0, kSignedByte, "a speed",
     "How fast the level's scrolling textures (waterfalls) move: the higher, the faster."},
    {"FMV", Form::Numbers, 0x80, 0, kFmv, "the film number (0-15) and the trigger (0 or 1)",
     "Opcode 0x80 with a film number and a trigger bit; only its layout is documented.",
     0, false, Packing::FilmAndTrigger},
    {"AnimatingMIP", Form::Numbers, 0x90, 0, kAnimatingMip, "the object (1-16) and the distance (0-15)",
     "Opcode 0x90 with an animating object and a distance; only its layout is documented.",
     0, false, Packing::ObjectAndDistance},
    {"Key", Form::Item, 0x93, 0, kItemValues, kItemTakes,
     "Names the level's key item n (1-12) from the language file, with its height, size and angles.", 12},
    {"Puzzle", Form::Item, 0x9F, 0, kItemValues, kItemTakes,
     "Names the level's puzzle item n (1-12) from the language file, with its height, size and angles.", 12},
    {"Pickup", Form::Item, 0xAB, 0, kItemValues, kItemTakes,
     "Names the level's pickup item n (1-4) from the language file, with its height, size and angles.", 4},
    {"Examine", Form::Item, 0xAF, 0, kItemValues, kItemTakes,
     "Names the level's examine item n (1-3) from the language file, with its height, size and angles.", 3},
    {"KeyCombo", Form::Item, 0xB2, 0, kItemValues, kComboTakes,
     "Names piece 1 or 2 of key item n (1-8), the pieces Lara joins into one item.", 8, true},
    {"PuzzleCombo", Form::Item, 0xC2, 0, kItemValues, kComboTakes,
     "Names piece 1 or 2 of puzzle item n (1-8), the pieces Lara joins into one item.", 8, true},
    {"PickupCombo", Form::Item, 0xD2, 0, kItemValues, kComboTakes,
     "Names piece 1 or 2 of pickup item n (1-4), the pieces Lara joins into one item.", 4, true},
};
// clang-format on

/// Whether a number is read back as signed: its range holds negative values
/// and no value above the signed maximum of its bytes (item words hold both,
/// and read back as the words they are).
bool readsSigned(const NumberSpec& entry, std::int64_t scale)
{
    const std::int64_t signedMax = (std::int64_t{1} << (entry.bytes * 8 - 1)) - 1;
    return entry.min < 0 && entry.max / scale <= signedMax;
}

void putNumber(std::string& out, std::int64_t value, int bytes)
{
    const auto raw = static_cast<std::uint32_t>(value);
    bytes == 1 ? putU8(out, raw) : bytes == 2 ? putU16(out, raw) : putU32(out, raw);
}

}  // namespace

std::span<const CommandSpec> levelCommands() { return kCommands; }

const CommandSpec* findCommand(std::string_view key)
{
    // Looked up by the length of the name first: an item line costs a comparison or two.
    static const auto byLength = [] {
        std::vector<std::vector<const CommandSpec*>> table;
        for (const CommandSpec& command : kCommands) {
            table.resize(std::max(table.size(), command.name.size() + 1));
            table[command.name.size()].push_back(&command);
        }
        return table;
    }();
    if (key.size() >= byLength.size())
        return nullptr;
    for (const CommandSpec* command : byLength[key.size()]) {
        if (sameWord(key, command->name))
            return command;
    }
    return nullptr;
}

std::optional<OpcodeMeaning> commandForOpcode(std::uint8_t opcode)
{
    for (const CommandSpec& command : kCommands) {
        const int slot = opcode - command.opcode;
        if (!command.writesOpcode() || slot < 0 || slot >= command.opcodeCount())
            continue;
        if (command.count == 0)
            return OpcodeMeaning{&command};
        const int pieces = command.combo ? 2 : 1;
        return OpcodeMeaning{&command, slot / pieces + 1, command.combo ? slot % pieces + 1 : 0};
    }
    return std::nullopt;
}

std::uint8_t numberedOpcode(const CommandSpec& command, std::int64_t number, std::int64_t piece)
{
    const std::int64_t slot = (number - 1) * (command.combo ? 2 : 1) + (command.combo ? piece - 1 : 0);
    return static_cast<std::uint8_t>(command.opcode + slot);
}

void putOperands(std::string& out, const CommandSpec& command, std::span<const std::int64_t> values)
{
    if (command.form == Form::Legend || command.form == Form::Item) {
        putNumber(out, values.front(), command.form == Form::Legend ? 1 : 2);
        values = values.subspan(1);
    }
    switch (command.packing) {
    case Packing::FilmAndTrigger: putU8(out, static_cast<std::uint32_t>(values[0] | (values[1] << 7))); return;
    case Packing::ObjectAndDistance: putU8(out, static_cast<std::uint32_t>((values[0] - 1) | (values[1] << 4))); return;
    case Packing::Clicks:
    case Packing::Plain: break;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        // Division rounds toward zero, as a position in world units becomes clicks.
        const bool click = command.packing == Packing::Clicks && i < kLensFlarePositions;
        putNumber(out, click ? values[i] / kClickUnits : values[i], command.numbers[i].bytes);
    }
}

std::optional<std::vector<std::int64_t>> readOperands(ByteReader& reader, const CommandSpec& command)
{
    std::vector<std::int64_t> values;
    if (command.form == Form::Legend || command.form == Form::Item) {
        const auto index = reader.u(command.form == Form::Legend ? 1 : 2);
        if (!index)
            return std::nullopt;
        values.push_back(*index);
    }
    if (command.packing == Packing::FilmAndTrigger || command.packing == Packing::ObjectAndDistance) {
        const auto packed = reader.u(1);
        if (!packed)
            return std::nullopt;
        if (command.packing == Packing::FilmAndTrigger)
            values.insert(values.end(), {*packed & 15U, *packed >> 7U});
        else
            values.insert(values.end(), {(*packed & 15U) + 1, *packed >> 4U});
        return values;
    }
    for (std::size_t i = 0; i < command.numbers.size(); ++i) {
        const bool click = command.packing == Packing::Clicks && i < kLensFlarePositions;
        const std::int64_t scale = click ? kClickUnits : 1;
        const auto value = reader.number(command.numbers[i].bytes, readsSigned(command.numbers[i], scale));
        if (!value)
            return std::nullopt;
        values.push_back(*value * scale);
    }
    return values;
}

namespace {

constexpr const char* kExtensions = "the file extensions of the level, cut scene and film files";
// clang-format off
const HeaderCommand kHeaderCommands[] = {
    {"PSXExtensions", "Level", kExtensions,
     "The extension of the PlayStation version's level files."},
    {"PSXExtensions", "Cut", kExtensions,
     "The extension of the PlayStation version's cutscene files."},
    {"PSXExtensions", "FMV", kExtensions,
     "The extension of the PlayStation version's film files."},
    {"PCExtensions", "Level", ".TR4, the extension of level files",
     "The extension of the PC version's level files."},
    {"PCExtensions", "Cut", ".TR4, the extension of cut scene files",
     "The extension of the PC version's cutscene files."},
    {"PCExtensions", "FMV", ".BIK, the extension of film files",
     "The extension of the PC version's film files."},
    {"Language", "File", "the language number and the language file (0,ENGLISH.TXT)",
     "A language file the game may take its strings from: of those that exist, the first by priority."},
    {"Options", "LoadSave", kSwitch,
     "Turns saving and loading games on or off."},
    {"Options", "Title", kSwitch,
     "Whether the game shows its title screen first."},
    {"Options", "PlayAnyLevel", kSwitch,
     "Lets the player choose any level from the title screen's New Game."},
    {"Options", "FlyCheat", kSwitch,
     "Turns on the DOZY cheat, a fly mode started by typing DOZY in the game."},
    {"Options", "DemoDisc", kSwitch,
     "Meant for demo discs; what the game does with it is not known."},
    {"Options", "InputTimeout", "the idle time before the demo, in frames",
     "The idle time before a recorded demo starts; the released game makes no use of it."},
    {"Options", "Security", "the security value, a byte",
     "Meant as a key to the script data; the game does not use it."},
};
// clang-format on

// The commands TRNG adds that its script reference pages document, and those
// the published TRNG scripts of the test data use (docs/script-format.md).
constexpr std::string_view kTrngCommands[] = {
    "AddEffect",        "Animation",         "AnimationSlot", "ColorRGB", "CRS",         "Customize",
    "Diagnostic",       "DiagnosticType",    "Diary",         "Elevator", "Enemy",       "Equipment",
    "FogRange",         "ForceVolumetricFX", "GlobalTrigger", "Image",    "ItemGroup",   "LevelFarView",
    "MultEnvCondition", "Organizer",         "Parameters",    "Plugin",   "Rain",        "ShowLaraInTitle",
    "Switch",           "TestPosition",      "TriggerGroup",  "Turbo",    "WindowsFont", "WindowTitle",
    "WorldFarView",
};

}  // namespace

std::span<const HeaderCommand> headerCommands() { return kHeaderCommands; }

const HeaderCommand* findHeaderCommand(std::string_view section, std::string_view key)
{
    for (const HeaderCommand& command : kHeaderCommands) {
        if (sameWord(command.section, section) && sameWord(command.name, key))
            return &command;
    }
    return nullptr;
}

std::span<const std::string_view> trngCommands() { return kTrngCommands; }

bool isTrngCommand(std::string_view key)
{
    return std::any_of(std::begin(kTrngCommands), std::end(kTrngCommands),
                       [key](std::string_view name) { return sameWord(name, key); });
}

}  // namespace orvanta
