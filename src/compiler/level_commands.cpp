#include "compiler/level_commands.h"

#include "compiler/byte_writer.h"
#include "compiler/source_lines.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>

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
// y, z, x in world units, then red, green, blue.
constexpr std::array<NumberSpec, 6> kLensFlare{{{0, 65535L * kClickUnits + 255, 2},
                                                {-32768L * kClickUnits, 32767L * kClickUnits + 255, 2},
                                                {0, 65535L * kClickUnits + 255, 2},
                                                kU8,
                                                kU8,
                                                kU8}};
constexpr std::array<NumberSpec, 6> kItemValues{kWord, kWord, kWord, kWord, kWord, kWord};

const CommandSpec kCommands[] = {
    {"Name", Form::Name, 0, 0, {}, "the level's name"},
    {"Level", Form::Level, 0, 0, {}, "the level file and the audio track"},
    {"Legend", Form::Legend, 0x8C, 0, {}, "the legend text"},
    {"LoadCamera", Form::Numbers, 0x91, 0, kCamera, "source x, y, z, target x, y, z and room"},
    {"YoungLara", Form::Switch, 0, 0x0001, {}, "ENABLED or DISABLED"},
    {"Weather", Form::Switch, 0, 0x0002, {}, "ENABLED or DISABLED"},
    {"Horizon", Form::Switch, 0, 0x0004, {}, "ENABLED or DISABLED"},
    {"Layer1", Form::Numbers, 0x89, 0x0008, kLayer, "red, green, blue and speed"},
    {"Layer2", Form::Numbers, 0x8A, 0x0010, kLayer, "red, green, blue and speed"},
    {"Starfield", Form::Switch, 0, 0x0020, {}, "ENABLED or DISABLED"},
    {"Lightning", Form::Switch, 0, 0x0040, {}, "ENABLED or DISABLED"},
    {"Train", Form::Switch, 0, 0x0080, {}, "ENABLED or DISABLED"},
    {"Pulse", Form::Switch, 0, 0x0100, {}, "ENABLED or DISABLED"},
    {"ColAddHorizon", Form::Switch, 0, 0x0200, {}, "ENABLED or DISABLED"},
    {"ResetHUB", Form::Numbers, 0x92, 0x0400, kByte, "a level number"},
    {"LensFlare", Form::Numbers, kLensFlareOpcode, 0x0800, kLensFlare, "y, z, x, red, green and blue"},
    {"Timer", Form::Switch, 0, 0x1000, {}, "ENABLED or DISABLED"},
    {"Mirror", Form::Numbers, 0x8E, 0x2000, kMirror, "room and x axis"},
    {"RemoveAmulet", Form::Switch, 0, 0x4000, {}, "ENABLED or DISABLED"},
    {"NoLevel", Form::Switch, 0, 0x8000, {}, "ENABLED or DISABLED"},
    {"Fog", Form::Numbers, 0x8F, 0, kColour, "red, green and blue"},
    {"Cut", Form::Numbers, 0x84, 0, kByte, "a cutscene number"},
    {"ResidentCut1", Form::Numbers, 0x85, 0, kByte, "a cutscene number"},
    {"ResidentCut2", Form::Numbers, 0x86, 0, kByte, "a cutscene number"},
    {"ResidentCut3", Form::Numbers, 0x87, 0, kByte, "a cutscene number"},
    {"ResidentCut4", Form::Numbers, 0x88, 0, kByte, "a cutscene number"},
    {"UVRotate", Form::Numbers, 0x8B, 0, kSignedByte, "a speed"},
    {"FMV", Form::Numbers, kFmvOpcode, 0, kFmv, "the film number (0-15) and the trigger (0 or 1)"},
    {"AnimatingMIP", Form::Numbers, kAnimatingMipOpcode, 0, kAnimatingMip, "the object (1-16) and the distance (0-15)"},
    {"Key", Form::Item, 0x93, 0, kItemValues, "", 12},
    {"Puzzle", Form::Item, 0x9F, 0, kItemValues, "", 12},
    {"Pickup", Form::Item, 0xAB, 0, kItemValues, "", 4},
    {"Examine", Form::Item, 0xAF, 0, kItemValues, "", 3},
    {"KeyCombo", Form::Item, 0xB2, 0, kItemValues, "", 8, true},
    {"PuzzleCombo", Form::Item, 0xC2, 0, kItemValues, "", 8, true},
    {"PickupCombo", Form::Item, 0xD2, 0, kItemValues, "", 4, true},
};

/// The command a key names, whatever its case. Commands are looked up by the
/// length of their name first: an item line costs a comparison or two.
const CommandSpec* findCommand(std::string_view key)
{
    static const auto byLength = [] {
        std::vector<std::vector<const CommandSpec*>> table;
        for (const CommandSpec& syntax : kCommands) {
            table.resize(std::max(table.size(), syntax.name.size() + 1));
            table[syntax.name.size()].push_back(&syntax);
        }
        return table;
    }();
    if (key.size() >= byLength.size())
        return nullptr;
    for (const CommandSpec* syntax : byLength[key.size()]) {
        if (sameWord(key, syntax->name))
            return syntax;
    }
    return nullptr;
}

/// One "Key=value" line of a [Title] or [Level] section.
struct ScriptCommand {
    int line;
    std::string_view key;
    std::string_view value;
};

/// Encodes one section, collecting problems on the way.
class LevelEncoder {
public:
    LevelEncoder(const LevelSection& section, const LanguageStrings& strings, const std::string& languageName,
                 const std::string& file, std::vector<Problem>& problems)
        : section_(section), strings_(strings), languageName_(languageName), file_(file), problems_(problems)
    {
    }

    EncodedLevel encode(int pathIndex);

private:
    void command(const ScriptCommand& cmd);
    void level(const ScriptCommand& cmd);
    void name(const ScriptCommand& cmd);
    void legend(const ScriptCommand& cmd, const CommandSpec& syntax);
    void numbers(const ScriptCommand& cmd, const CommandSpec& syntax);
    void item(const ScriptCommand& cmd, const CommandSpec& syntax);
    std::optional<std::size_t> stringIndex(const ScriptCommand& cmd, std::string_view text, std::size_t max,
                                           const char* what, int value);
    /// Reads the values into numbers_; false (with a problem) when one is wrong.
    bool readNumbers(const ScriptCommand& cmd, std::span<const std::string_view> values,
                     std::span<const NumberSpec> ranges, int firstValue);
    bool valueCount(const ScriptCommand& cmd, std::size_t count, std::size_t expected, const char* what);
    void error(int line, std::string message, int value = -1)
    {
        problems_.push_back({Severity::Error, file_, line, std::move(message), std::nullopt, value});
    }
    std::string sectionName() const { return section_.title ? "[Title]" : "[Level]"; }

    const LevelSection& section_;
    const LanguageStrings& strings_;
    const std::string& languageName_;
    const std::string& file_;
    std::vector<Problem>& problems_;

    std::string body_;
    std::vector<std::string_view> values_;  // of the command being read
    std::vector<std::int64_t> numbers_;     // likewise
    const CommandSpec* last_ = nullptr;     // the command of the line before
    std::uint16_t options_ = 0;
    std::optional<std::size_t> name_;
    bool haveName_ = false;
    bool haveLevel_ = false;
    std::uint32_t audio_ = 0;
    EncodedLevel result_;
};

EncodedLevel LevelEncoder::encode(int pathIndex)
{
    forEachSourceLine(
        section_.body,
        [this](const SourceLine& line) {
            if (const auto found = commandLine(line.text))
                command({line.number, found->key, found->value});
            else
                error(line.number, notACommand(line.text));
        },
        section_.line);
    if (!haveLevel_)
        error(section_.line, "this " + sectionName() + " has no Level= line naming its level file");
    if (!section_.title && !haveName_)
        error(section_.line, "this [Level] has no Name= line");
    // The header opcode first, then the commands in the order they stand:
    // the header goes in front of them once they have set its options.
    std::string data;
    if (section_.title) {
        putU8(data, kTitleOpcode);
        putU8(data, static_cast<std::uint32_t>(pathIndex));
        putU16(data, options_);
        putU8(data, audio_);
    } else {
        putU8(data, kLevelOpcode);
        putU8(data, static_cast<std::uint32_t>(name_.value_or(0)));
        putU16(data, options_);
        putU8(data, static_cast<std::uint32_t>(pathIndex));
        putU8(data, audio_);
    }
    body_.insert(0, data);
    putU8(body_, kEndOpcode);
    result_.data = std::move(body_);
    return std::move(result_);
}

void LevelEncoder::command(const ScriptCommand& cmd)
{
    // Item lines come in runs of one command: try the last one first.
    const CommandSpec* syntax = last_ != nullptr && sameWord(cmd.key, last_->name) ? last_ : findCommand(cmd.key);
    last_ = syntax;
    if (syntax == nullptr) {
        error(cmd.line, "unknown command " + std::string(cmd.key) + "= in " + sectionName());
        return;
    }
    switch (syntax->form) {
    case Form::Name: name(cmd); break;
    case Form::Level: level(cmd); break;
    case Form::Legend: legend(cmd, *syntax); break;
    case Form::Numbers: numbers(cmd, *syntax); break;
    case Form::Item: item(cmd, *syntax); break;
    case Form::Switch:
        if (sameWord(cmd.value, "ENABLED"))
            options_ = static_cast<std::uint16_t>(options_ | syntax->flag);
        else if (!sameWord(cmd.value, "DISABLED"))
            error(cmd.line,
                  std::string(syntax->name) + "= takes ENABLED or DISABLED, not \"" + std::string(cmd.value) + "\"", 0);
        break;
    }
}

bool LevelEncoder::valueCount(const ScriptCommand& cmd, std::size_t count, std::size_t expected, const char* what)
{
    if (count == expected)
        return true;
    error(cmd.line, std::string(cmd.key) + "= takes " + std::to_string(expected) + " values (" + what + "), not " +
                        std::to_string(count));
    return false;
}

void LevelEncoder::level(const ScriptCommand& cmd)
{
    if (haveLevel_) {
        error(cmd.line, "a second Level= in this " + sectionName());
        return;
    }
    haveLevel_ = true;
    result_.pathLine = cmd.line;
    const std::vector<std::string_view> values = splitValues(cmd.value);
    if (!valueCount(cmd, values.size(), 2, "the level file and the audio track"))
        return;
    if (values[0].empty())
        error(cmd.line, "Level= names no level file", 0);
    result_.path = values[0];
    if (const auto track = parseNumber(values[1], 0, 255))
        audio_ = static_cast<std::uint32_t>(*track);
    else
        error(cmd.line, "the audio track \"" + std::string(values[1]) + "\" is not a whole number from 0 to 255", 1);
}

std::optional<std::size_t> LevelEncoder::stringIndex(const ScriptCommand& cmd, std::string_view text, std::size_t max,
                                                     const char* what, int value)
{
    const auto index = strings_.find(text);
    if (!index) {
        error(cmd.line,
              std::string(what) + " \"" + std::string(text) + "\" is not among the strings of " + languageName_, value);
    } else if (*index > max) {
        error(cmd.line,
              std::string(what) + " \"" + std::string(text) + "\" is string " + std::to_string(*index) + " of " +
                  languageName_ + "; it must be among the first " + std::to_string(max + 1),
              value);
        return std::nullopt;
    }
    return index;
}

void LevelEncoder::name(const ScriptCommand& cmd)
{
    if (section_.title) {
        error(cmd.line, "Name= does not belong in [Title]");
        return;
    }
    if (haveName_) {
        error(cmd.line, "a second Name= in this [Level]");
        return;
    }
    haveName_ = true;
    if (cmd.value.empty())
        error(cmd.line, "Name= needs the level's name");
    else
        name_ = stringIndex(cmd, cmd.value, 255, "the level name", 0);
}

void LevelEncoder::legend(const ScriptCommand& cmd, const CommandSpec& syntax)
{
    if (cmd.value.empty()) {
        error(cmd.line, "Legend= needs the legend's text");
        return;
    }
    if (const auto index = stringIndex(cmd, cmd.value, 255, "the legend", 0)) {
        putU8(body_, syntax.opcode);
        putU8(body_, static_cast<std::uint32_t>(*index));
    }
}

bool LevelEncoder::readNumbers(const ScriptCommand& cmd, std::span<const std::string_view> values,
                               std::span<const NumberSpec> ranges, int firstValue)
{
    numbers_.clear();
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const auto number = parseNumber(values[i], ranges[i].min, ranges[i].max);
        if (!number) {
            error(cmd.line,
                  "value " + std::to_string(firstValue + static_cast<int>(i) + 1) + " of " + std::string(cmd.key) +
                      "= (\"" + std::string(values[i]) + "\") is not a whole number from " +
                      std::to_string(ranges[i].min) + " to " + std::to_string(ranges[i].max),
                  firstValue + static_cast<int>(i));
            return false;
        }
        numbers_.push_back(*number);
    }
    return true;
}

void LevelEncoder::numbers(const ScriptCommand& cmd, const CommandSpec& syntax)
{
    splitValues(cmd.value, values_);
    if (!valueCount(cmd, values_.size(), syntax.numbers.size(), syntax.values) ||
        !readNumbers(cmd, values_, syntax.numbers, 0))
        return;
    std::vector<std::int64_t>& numbers = numbers_;
    options_ = static_cast<std::uint16_t>(options_ | syntax.flag);
    putU8(body_, syntax.opcode);
    // Two values packed in one byte: FMV's film in the low half and its
    // trigger as the top bit; AnimatingMIP's object less one, then the distance.
    if (syntax.opcode == kFmvOpcode) {
        putU8(body_, static_cast<std::uint32_t>(numbers[0] | (numbers[1] << 7)));
        return;
    }
    if (syntax.opcode == kAnimatingMipOpcode) {
        putU8(body_, static_cast<std::uint32_t>((numbers[0] - 1) | (numbers[1] << 4)));
        return;
    }
    if (syntax.opcode == kLensFlareOpcode) {
        for (std::size_t i = 0; i < 3; ++i)
            numbers[i] /= kClickUnits;
    }
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto value = static_cast<std::uint32_t>(numbers[i]);
        syntax.numbers[i].bytes == 1   ? putU8(body_, value)
        : syntax.numbers[i].bytes == 2 ? putU16(body_, value)
                                       : putU32(body_, value);
    }
}

void LevelEncoder::item(const ScriptCommand& cmd, const CommandSpec& syntax)
{
    splitValues(cmd.value, values_);
    const std::vector<std::string_view>& values = values_;
    const std::size_t lead = syntax.combo ? 2 : 1;  // item number, and the piece of a combo
    const char* what =
        syntax.combo ? "item number, piece (1 or 2), name and six values" : "item number, name and six values";
    if (!valueCount(cmd, values.size(), lead + 7, what))
        return;
    const auto number = parseNumber(values[0], 1, syntax.items);
    if (!number) {
        error(cmd.line,
              std::string(syntax.name) + "= item number \"" + std::string(values[0]) + "\" is not from 1 to " +
                  std::to_string(syntax.items),
              0);
        return;
    }
    const auto piece = syntax.combo ? parseNumber(values[1], 1, 2) : std::optional<std::int64_t>(1);
    if (!piece) {
        error(cmd.line, std::string(syntax.name) + "= piece \"" + std::string(values[1]) + "\" is not 1 or 2", 1);
        return;
    }
    const int nameValue = static_cast<int>(lead);
    std::optional<std::size_t> index;
    if (values[lead].empty())
        error(cmd.line, std::string(syntax.name) + "= gives no item name", nameValue);
    else
        index = stringIndex(cmd, values[lead], 0xFFFF, "the item name", nameValue);
    if (!readNumbers(cmd, std::span(values).subspan(lead + 1), syntax.numbers, nameValue + 1) || !index)
        return;
    const auto slot = (*number - 1) * (syntax.combo ? 2 : 1) + (*piece - 1);
    putU8(body_, static_cast<std::uint32_t>(syntax.opcode + slot));
    putU16(body_, static_cast<std::uint32_t>(*index));
    for (const std::int64_t value : numbers_)
        putU16(body_, static_cast<std::uint32_t>(value));
}

}  // namespace

std::span<const CommandSpec> levelCommands() { return kCommands; }

EncodedLevel encodeLevel(const LevelSection& section, int pathIndex, const LanguageStrings& strings,
                         const std::string& languageName, const std::string& file, std::vector<Problem>& problems)
{
    return LevelEncoder(section, strings, languageName, file, problems).encode(pathIndex);
}

}  // namespace orvanta
