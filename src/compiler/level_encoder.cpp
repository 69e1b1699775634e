#include "compiler/level_encoder.h"

#include "compiler/byte_writer.h"
#include "compiler/command_table.h"
#include "compiler/source_lines.h"
#include "compiler/trng_commands.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <utility>

namespace orvanta {
namespace {

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
                 const ProblemReporter& report)
        : section_(section), strings_(strings), languageName_(languageName), report_(&report)
    {
    }

    EncodedLevel encode();

private:
    void readLines(std::string_view bytes, int firstNumber, int depth);
    void include(const SourceLine& line, int depth);
    void command(const ScriptCommand& cmd);
    void level(const ScriptCommand& cmd);
    void name(const ScriptCommand& cmd);
    void legend(const ScriptCommand& cmd, const CommandSpec& syntax);
    void numbers(const ScriptCommand& cmd, const CommandSpec& syntax);
    void item(const ScriptCommand& cmd, const CommandSpec& syntax);
    std::optional<std::size_t> stringIndex(const ScriptCommand& cmd, std::string_view text, std::size_t max,
                                           const char* what, int value, bool item = false);
    /// Reads the values into numbers_; false (with a problem) when one is wrong.
    bool readNumbers(const ScriptCommand& cmd, std::span<const std::string_view> values,
                     std::span<const NumberSpec> ranges, int firstValue);
    bool valueCount(const ScriptCommand& cmd, std::size_t count, std::size_t expected, const char* what);
    /// The number that picks a numbered command's opcode (Key= 1 to 12).
    std::optional<std::int64_t> commandNumber(const ScriptCommand& cmd, const CommandSpec& syntax,
                                              std::string_view value);
    void error(int line, std::string message, int value = -1) { report_->error(line, std::move(message), value); }
    void trng(int line)
    {
        if (result_.trngLine == 0)
            result_.trngLine = line;
    }
    std::string sectionName() const { return section_.title ? "[Title]" : "[Level]"; }

    const LevelSection& section_;
    const LanguageStrings& strings_;
    const std::string& languageName_;
    const ProblemReporter* report_;  // of the file being read: the script or an #INCLUDE file

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

void LevelEncoder::readLines(std::string_view bytes, int firstNumber, int depth)
{
    forEachSourceLine(
        bytes,
        [this, depth, goingOn = false](const SourceLine& line) mutable {
            const bool continuation = std::exchange(goingOn, goesOn(line.text));
            if (continuation || goingOn || isTrngDirective(line.text)) {
                trng(line.number);  // only TRNG reads a split command
            } else if (isIncludeLine(line.text)) {
                trng(line.number);
                include(line, depth);
            } else if (const auto found = commandLine(line.text)) {
                command({line.number, found->key, found->value});
            } else {
                error(line.number, notACommand(line.text));
            }
        },
        firstNumber);
}

void LevelEncoder::include(const SourceLine& line, int depth)
{
    constexpr int kMaxDepth = 8;  // a file that includes itself stops here
    if (section_.includes == nullptr || !*section_.includes)
        return;
    const std::string_view name = includedFile(line.text);
    const std::optional<SourceFile> file = (*section_.includes)(name);
    if (!file) {
        report_->warning(line.number, "the #INCLUDE file " + std::string(name) + " is not beside the script");
        return;
    }
    if (depth >= kMaxDepth) {
        error(line.number, "#INCLUDE files nest deeper than " + std::to_string(kMaxDepth));
        return;
    }
    const ProblemReporter* outer = report_;
    const ProblemReporter inner = outer->forFile(*file);
    report_ = &inner;
    readLines(withoutByteOrderMark(file->bytes), 1, depth + 1);
    report_ = outer;
}

EncodedLevel LevelEncoder::encode()
{
    readLines(section_.body, section_.line, 0);
    if (!haveLevel_)
        error(section_.line, "this " + sectionName() + " has no Level= line naming its level file");
    if (!section_.title && !haveName_)
        error(section_.line, "this [Level] has no Name= line");
    // The game applies each command as it reads it and starts the level at
    // the Level or Title opcode: that comes after every command, wherever
    // the Level= line stands.
    std::string& data = result_.data;
    if (section_.title) {
        putU8(data, kTitleOpcode);
        putU16(data, options_);
        result_.pathIndexAt = data.size();
        putU8(data, 0);
        putU8(data, audio_);
    } else {
        putU8(data, kLevelOpcode);
        putU8(data, static_cast<std::uint32_t>(name_.value_or(0)));
        putU16(data, options_);
        result_.pathIndexAt = data.size();
        putU8(data, 0);
        putU8(data, audio_);
    }
    putU8(data, kEndOpcode);
    return std::move(result_);
}

void LevelEncoder::command(const ScriptCommand& cmd)
{
    // Item lines come in runs of one command: try the last one first.
    const CommandSpec* syntax = last_ != nullptr && sameWord(cmd.key, last_->name) ? last_ : findCommand(cmd.key);
    last_ = syntax;
    if (syntax == nullptr && isTrngCommand(cmd.key)) {
        trng(cmd.line);
        return;
    }
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
            error(cmd.line, std::string(syntax->name) + "= takes ENABLED or DISABLED, not " + quotedValue(cmd.value),
                  0);
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
    else if (values[0].find('\0') != std::string_view::npos)
        error(cmd.line, "the level file holds the byte 0, which would end its name in SCRIPT.DAT early", 0);
    result_.path = values[0];
    if (const auto track = parseNumber(values[1], 0, 255))
        audio_ = static_cast<std::uint32_t>(*track);
    else
        error(cmd.line, "the audio track " + quotedValue(values[1]) + " is not a whole number from 0 to 255", 1);
}

std::optional<std::size_t> LevelEncoder::stringIndex(const ScriptCommand& cmd, std::string_view text, std::size_t max,
                                                     const char* what, int value, bool item)
{
    const auto index = strings_.find(text);
    if (!index) {
        // An item's name is one of the inventory items, the one place a new name is added.
        const std::string mend = item ? ": add " + quotedValue(text) + " to the inventory items" : "";
        error(cmd.line,
              std::string(what) + " " + quotedValue(text) + " is not among the strings of " + languageName_ + mend,
              value);
    } else if (*index > max) {
        error(cmd.line,
              std::string(what) + " " + quotedValue(text) + " is string " + std::to_string(*index) + " of " +
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
        putU8(result_.data, syntax.opcode);
        const std::int64_t operand = static_cast<std::int64_t>(*index);
        putOperands(result_.data, syntax, std::span(&operand, 1));
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
                      "= (" + quotedValue(values[i]) + ") is not a whole number from " + std::to_string(ranges[i].min) +
                      " to " + std::to_string(ranges[i].max),
                  firstValue + static_cast<int>(i));
            return false;
        }
        numbers_.push_back(*number);
    }
    return true;
}

void LevelEncoder::numbers(const ScriptCommand& cmd, const CommandSpec& syntax)
{
    // A numbered command (ResidentCut=) gives first which of its opcodes it writes.
    splitValues(cmd.value, values_);
    const std::size_t lead = syntax.count > 0 ? 1 : 0;
    if (!valueCount(cmd, values_.size(), lead + syntax.numbers.size(), syntax.takes))
        return;
    std::uint8_t opcode = syntax.opcode;
    if (lead > 0) {
        const auto number = commandNumber(cmd, syntax, values_[0]);
        if (!number)
            return;
        opcode = numberedOpcode(syntax, *number, 1);
    }
    if (!readNumbers(cmd, std::span(values_).subspan(lead), syntax.numbers, static_cast<int>(lead)))
        return;
    options_ = static_cast<std::uint16_t>(options_ | syntax.flag);
    putU8(result_.data, opcode);
    putOperands(result_.data, syntax, numbers_);
}

std::optional<std::int64_t> LevelEncoder::commandNumber(const ScriptCommand& cmd, const CommandSpec& syntax,
                                                        std::string_view value)
{
    const auto number = parseNumber(value, 1, syntax.count);
    if (!number)
        error(cmd.line,
              std::string(syntax.name) + "= " + (syntax.form == Form::Item ? "item number" : "number") + " " +
                  quotedValue(value) + " is not from 1 to " + std::to_string(syntax.count),
              0);
    return number;
}

void LevelEncoder::item(const ScriptCommand& cmd, const CommandSpec& syntax)
{
    splitValues(cmd.value, values_);
    const std::vector<std::string_view>& values = values_;
    const std::size_t lead = syntax.combo ? 2 : 1;  // item number, and the piece of a combo
    if (!valueCount(cmd, values.size(), lead + 7, syntax.takes))
        return;
    const auto number = commandNumber(cmd, syntax, values[0]);
    if (!number)
        return;
    const auto piece = syntax.combo ? parseNumber(values[1], 1, 2) : std::optional<std::int64_t>(1);
    if (!piece) {
        error(cmd.line, std::string(syntax.name) + "= piece " + quotedValue(values[1]) + " is not 1 or 2", 1);
        return;
    }
    const int nameValue = static_cast<int>(lead);
    std::optional<std::size_t> index;
    if (values[lead].empty())
        error(cmd.line, std::string(syntax.name) + "= gives no item name", nameValue);
    else
        index = stringIndex(cmd, values[lead], 0xFFFF, "the item name", nameValue, true);
    if (!readNumbers(cmd, std::span(values).subspan(lead + 1), syntax.numbers, nameValue + 1) || !index)
        return;
    numbers_.insert(numbers_.begin(), static_cast<std::int64_t>(*index));
    putU8(result_.data, numberedOpcode(syntax, *number, *piece));
    putOperands(result_.data, syntax, numbers_);
}

}  // namespace

EncodedLevel encodeLevel(const LevelSection& section, const LanguageStrings& strings, const std::string& languageName,
                         const ProblemReporter& report)
{
    return LevelEncoder(section, strings, languageName, report).encode();
}

}  // namespace orvanta
