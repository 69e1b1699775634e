#include "compiler/dat_dump.h"

#include "compiler/level_commands.h"
#include "compiler/source_lines.h"

#include <array>
#include <cstdint>
#include <vector>

namespace orvanta {
namespace {

constexpr unsigned char kStringKey = 0xA5;
constexpr std::size_t kScriptHeaderBytes = 56;
constexpr std::size_t kLanguageHeaderBytes = 12;
constexpr std::size_t kShownStringBytes = 1024;  // far above any game text

/// Reads little-endian numbers from bytes, never past their end.
class Reader {
public:
    explicit Reader(std::string_view bytes, std::size_t at = 0) : bytes_(bytes), at_(at) {}
    std::optional<std::uint32_t> u(int size)
    {
        if (at_ > bytes_.size() || bytes_.size() - at_ < static_cast<std::size_t>(size))
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8U) | static_cast<unsigned char>(bytes_[at_ + static_cast<std::size_t>(i)]);
        at_ += static_cast<std::size_t>(size);
        return value;
    }
    std::optional<std::int64_t> number(const NumberSpec& range)
    {
        const auto value = u(range.bytes);
        if (!value)
            return std::nullopt;
        const unsigned bits = static_cast<unsigned>(range.bytes) * 8U;
        const std::int64_t raw = *value;
        return range.min < 0 && raw >= (std::int64_t{1} << (bits - 1)) ? raw - (std::int64_t{1} << bits) : raw;
    }
    /// The bytes up to the next 0, which is passed over, looking no further
    /// than `limit` (an offset): a listing reads each byte a bounded number of times.
    std::string_view text(std::size_t limit)
    {
        const std::string_view field = bytes_.substr(0, std::min(limit, bytes_.size()));
        const std::size_t from = std::min(at_, field.size());
        const std::size_t end = std::min(field.find('\0', from), field.size());
        at_ = end + 1;
        return field.substr(from, end - from);
    }
    std::size_t at() const { return at_; }

private:
    std::string_view bytes_;
    std::size_t at_;
};

std::string hex(std::uint32_t value, int digits)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4U)
        text[static_cast<std::size_t>(i)] = kDigits[value & 15U];
    return "$" + text;
}

/// A string in quotes, with its control bytes as escapes and its quotes
/// escaped; a backslash stays as it is.
std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : visible(text)) {
        if (c == '"')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

struct LanguageHeader {
    std::array<std::uint32_t, 3> counts{};
    std::array<std::uint32_t, 3> sizes{};
    std::uint32_t total() const { return counts[0] + counts[1] + counts[2]; }
};

std::optional<LanguageHeader> languageHeader(std::string_view bytes)
{
    Reader reader(bytes);
    LanguageHeader header;
    for (auto* field : {&header.counts[0], &header.counts[1], &header.counts[2], &header.sizes[0], &header.sizes[1],
                        &header.sizes[2]}) {
        const auto value = reader.u(2);
        if (!value)
            return std::nullopt;
        *field = *value;
    }
    return header;
}

/// Every string of a language .DAT, decoded, in the game's order. Offsets
/// may point anywhere: each string is found in one pass over the string bytes
/// and listed up to kShownStringBytes.
std::vector<std::string> languageStrings(std::string_view bytes, const LanguageHeader& header)
{
    const std::size_t first = std::min(kLanguageHeaderBytes + 2 * std::size_t{header.total()}, bytes.size());
    const std::string_view area = bytes.substr(first);
    std::vector<std::size_t> zeroAt(area.size() + 1, area.size());  // the next 0 from each byte on
    for (std::size_t i = area.size(); i-- > 0;)
        zeroAt[i] = area[i] == '\0' ? i : zeroAt[i + 1];
    std::vector<std::string> strings;
    Reader offsets(bytes, kLanguageHeaderBytes);
    for (std::uint32_t i = 0; i < header.total(); ++i) {
        const std::size_t from = std::min<std::size_t>(offsets.u(2).value_or(0), area.size());
        std::string text(area.substr(from, std::min(zeroAt[from] - from, kShownStringBytes)));
        for (char& c : text)
            c = static_cast<char>(static_cast<unsigned char>(c) ^ kStringKey);
        strings.push_back(std::move(text));
    }
    return strings;
}

std::string dumpLanguage(std::string_view bytes)
{
    const LanguageHeader header = *languageHeader(bytes);
    const std::array<const char*, 3> groups{"Generic", "PSX", "PC"};
    std::string out =
        "Language file, " + std::to_string(bytes.size()) + " bytes, " + std::to_string(header.total()) + " strings\n";
    for (std::size_t g = 0; g < groups.size(); ++g)
        out += std::string(groups[g]) + " strings: " + std::to_string(header.counts[g]) + ", " +
               std::to_string(header.sizes[g]) + " bytes\n";
    const std::vector<std::string> strings = languageStrings(bytes, header);
    std::size_t index = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (std::uint32_t i = 0; i < header.counts[g]; ++i, ++index)
            out += std::string(groups[g]) + " " + std::to_string(i) + " (string " + std::to_string(index) +
                   "): " + quoted(strings[index]) + "\n";
    }
    return out;
}

/// Lists a SCRIPT.DAT, naming strings from a language .DAT when one is given.
class ScriptDump {
public:
    ScriptDump(std::string_view bytes, std::vector<std::string> strings) : bytes_(bytes), strings_(std::move(strings))
    {
    }
    std::string run();

private:
    void line(const std::string& text) { out_ += text + "\n"; }
    std::string string(std::uint32_t index) const
    {
        return std::to_string(index) + (index < strings_.size() ? " " + quoted(strings_[index]) : "");
    }
    std::string options(std::uint32_t bits) const;
    void level(std::size_t start, std::size_t end);
    bool opcode(Reader& reader, std::uint8_t code);
    void operands(Reader& reader, const CommandSpec& command, std::uint8_t code);

    std::string_view bytes_;
    std::vector<std::string> strings_;
    std::string out_;
};

std::string ScriptDump::options(std::uint32_t bits) const
{
    std::string text = hex(bits, 4);
    for (const CommandSpec& syntax : levelCommands()) {
        if ((syntax.flag & bits) != 0)
            text += " " + std::string(syntax.name);
    }
    return text;
}

std::string ScriptDump::run()
{
    line("SCRIPT.DAT, " + std::to_string(bytes_.size()) + " bytes");
    Reader reader(bytes_);
    const auto flags = reader.u(1);
    reader.u(3);
    const auto timeout = reader.u(4);
    const auto security = reader.u(1);
    const auto levels = reader.u(1);
    const auto files = reader.u(1);
    reader.u(1);
    const auto pathBytes = reader.u(2);
    const auto dataBytes = reader.u(2);
    if (!dataBytes || bytes_.size() < kScriptHeaderBytes) {
        line("! too short for the 56-byte header");
        return out_;
    }
    std::string game = hex(*flags, 2);
    for (const auto& [bit, name] : std::array<std::pair<std::uint32_t, const char*>, 5>{
             {{0x01, "FlyCheat"}, {0x02, "LoadSave"}, {0x04, "Title"}, {0x08, "PlayAnyLevel"}, {0x80, "DemoDisc"}}})
        game += (*flags & bit) != 0 ? std::string(" ") + name : "";
    line("Options: " + game);
    line("InputTimeout: " + std::to_string(*timeout));
    line("Security: " + hex(*security, 2));
    line("Levels: " + std::to_string(*levels) + ", level file names: " + std::to_string(*files));
    line("Level file name bytes: " + std::to_string(*pathBytes) + ", level data bytes: " + std::to_string(*dataBytes));
    for (const char* platform : {"PSX", "PC"}) {
        std::string text = std::string(platform) + " extensions:";
        for (const char* kind : {"Level", "FMV", "Cut"}) {
            text += std::string(" ") + kind + " " + quoted(Reader(bytes_, reader.at()).text(reader.at() + 5));
            reader.u(5);
        }
        reader.u(5);  // the unused fourth extension
        line(text);
    }
    const std::size_t pathStart = kScriptHeaderBytes + 2 * std::size_t{*levels};
    const std::size_t dataStart = pathStart + *pathBytes + 2 * std::size_t{*levels};
    Reader pathOffsets(bytes_, kScriptHeaderBytes);
    Reader dataOffsets(bytes_, pathStart + *pathBytes);
    for (std::size_t i = 0; i < *levels; ++i) {
        const auto path = pathOffsets.u(2);
        const auto data = dataOffsets.u(2);
        if (!path || !data) {
            line("! the offset tables end early");
            return out_;
        }
        line("Level " + std::to_string(i) + ": " +
             quoted(Reader(bytes_, pathStart + *path).text(pathStart + *pathBytes)));
        level(dataStart + *data, dataStart + *dataBytes);
    }
    Reader names(bytes_, dataStart + *dataBytes);
    std::string languages = "Language files:";
    while (names.at() < bytes_.size())
        languages += " " + quoted(names.text(bytes_.size()));
    line(languages);
    return out_;
}

void ScriptDump::level(std::size_t start, std::size_t end)
{
    Reader reader(bytes_, start);
    while (reader.at() < std::min(end, bytes_.size())) {
        const std::size_t at = reader.at();
        const auto code = static_cast<std::uint8_t>(*reader.u(1));
        if (code == kEndOpcode) {
            line("  End");
            return;
        }
        if (!opcode(reader, code)) {
            line("  ! unknown opcode " + hex(code, 2) + " at byte " + std::to_string(at) +
                 "; the rest of this level is not read");
            return;
        }
    }
    line("  ! the level data end before its end opcode");
}

bool ScriptDump::opcode(Reader& reader, std::uint8_t code)
{
    if (code == kTitleOpcode || code == kLevelOpcode) {
        const auto name = code == kLevelOpcode ? reader.u(1) : std::optional<std::uint32_t>(0);
        const auto path = code == kTitleOpcode ? reader.u(1) : std::optional<std::uint32_t>(0);
        const auto flags = reader.u(2);
        const auto levelPath = code == kLevelOpcode ? reader.u(1) : path;
        const auto audio = reader.u(1);
        if (!audio) {
            line("  ! the level header ends early");
            return true;
        }
        line(std::string("  ") + (code == kTitleOpcode ? "Title:" : "Level: name " + string(*name) + ",") + " file " +
             std::to_string(*levelPath) + ", audio " + std::to_string(*audio) + ", options " + options(*flags));
        return true;
    }
    for (const CommandSpec& command : levelCommands()) {
        const int slots = command.form == Form::Item ? command.items * (command.combo ? 2 : 1) : 1;
        if (code >= command.opcode && code < command.opcode + slots && command.form != Form::Switch &&
            command.form != Form::Name && command.form != Form::Level) {
            operands(reader, command, code);
            return true;
        }
    }
    return false;
}

void ScriptDump::operands(Reader& reader, const CommandSpec& command, std::uint8_t code)
{
    std::string text = "  " + std::string(command.name);
    if (command.form == Form::Item) {
        const int slot = code - command.opcode;
        text += command.combo ? " " + std::to_string(slot / 2 + 1) + " piece " + std::to_string(slot % 2 + 1)
                              : " " + std::to_string(slot + 1);
        const auto name = reader.u(2);
        text += ": name " + (name ? string(*name) : "?") + ",";
    } else if (command.form == Form::Legend) {
        const auto name = reader.u(1);
        text += ": " + (name ? string(*name) : "?");
    } else if (code == kFmvOpcode || code == kAnimatingMipOpcode) {
        const auto packed = reader.u(1).value_or(0);
        text += code == kFmvOpcode
                    ? ": film " + std::to_string(packed & 15U) + ", trigger " + std::to_string(packed >> 7U)
                    : ": object " + std::to_string((packed & 15U) + 1) + ", distance " + std::to_string(packed >> 4U);
    } else {
        text += ":";
    }
    if (command.form == Form::Item ||
        (command.form == Form::Numbers && code != kFmvOpcode && code != kAnimatingMipOpcode)) {
        for (std::size_t i = 0; i < command.numbers.size(); ++i) {
            const auto value = reader.number(command.numbers[i]);
            if (!value) {
                text += " ! ends early";
                break;
            }
            const bool word = command.form == Form::Item;
            text += std::string(i == 0 ? " " : ", ") +
                    (word ? hex(static_cast<std::uint32_t>(*value) & 0xFFFFU, 4) : std::to_string(*value));
        }
        if (code == kLensFlareOpcode)
            text += " (y, z, x in clicks of 256)";
    }
    line(text);
}

}  // namespace

bool isLanguageDat(std::string_view bytes)
{
    const auto header = languageHeader(bytes);
    return header && kLanguageHeaderBytes + 2 * std::size_t{header->total()} + header->sizes[0] + header->sizes[1] +
                             header->sizes[2] ==
                         bytes.size();
}

std::string dumpDat(std::string_view bytes, std::optional<std::string_view> languageDat)
{
    if (isLanguageDat(bytes))
        return dumpLanguage(bytes);
    std::vector<std::string> strings;
    if (languageDat && isLanguageDat(*languageDat))
        strings = languageStrings(*languageDat, *languageHeader(*languageDat));
    return ScriptDump(bytes, std::move(strings)).run();
}

}  // namespace orvanta
