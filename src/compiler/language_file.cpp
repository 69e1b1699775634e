#include "compiler/language_file.h"

#include "compiler/byte_writer.h"
#include "compiler/source_lines.h"
#include "compiler/trng_commands.h"

#include <cctype>

namespace orvanta {
namespace {

constexpr unsigned char kStringKey = 0xA5;  // every string byte is XORed with it
constexpr std::size_t kMaxU16 = 0xFFFF;

bool isHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::string gameText(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon != std::string_view::npos && colon > 0 &&
        text.substr(0, colon).find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_") ==
            std::string_view::npos)
        text.remove_prefix(colon + 1);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] != '\\' || (next != 'n' && next != 't' && next != 'x')) {
            out += text[i];
        } else if (next != 'x') {
            out += next == 'n' ? '\n' : '\t';
            ++i;
        } else {
            std::size_t digits = 0;
            while (digits < 2 && i + 2 + digits < text.size() && isHexDigit(text[i + 2 + digits]))
                ++digits;
            if (digits == 0) {
                out += text[i];
                continue;
            }
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 2, digits)), nullptr, 16));
            i += 1 + digits;
        }
    }
    return out;
}

namespace {

std::optional<LanguageStrings::Group> groupOf(std::string_view section)
{
    if (sameWord(section, "Strings"))
        return LanguageStrings::Generic;
    if (sameWord(section, "PSXStrings"))
        return LanguageStrings::Psx;
    if (sameWord(section, "PCStrings"))
        return LanguageStrings::Pc;
    return std::nullopt;
}

void checkStorable(const std::string& text, int line, const ProblemReporter& report)
{
    const auto bad = text.find_first_of(std::string_view("\0\xA5", 2));
    if (bad == std::string::npos)
        return;
    report.error(line, text[bad] == '\0' ? std::string("holds the byte 0, which would end the string early")
                                         : std::string("holds the character \xA5 (byte 0xA5), which the game's string "
                                                       "encoding turns into the end of the string"));
}

}  // namespace

void LanguageStrings::index()
{
    firstIndex_.clear();
    std::size_t index = 0;
    for (const auto& group : groups_) {
        for (const std::string& text : group)
            firstIndex_.try_emplace(text, index++);
    }
}

std::size_t LanguageStrings::count() const
{
    return groups_[Generic].size() + groups_[Psx].size() + groups_[Pc].size();
}

std::optional<std::size_t> LanguageStrings::find(std::string_view text) const
{
    const auto found = firstIndex_.find(text);
    if (found == firstIndex_.end())
        return std::nullopt;
    return found->second;
}

LanguageStrings readLanguageFile(const SourceFile& file, ProblemSink& problems)
{
    const ProblemReporter report(problems, file);
    LanguageStrings strings;
    std::optional<LanguageStrings::Group> group;
    bool sectionProblem = false;  // one problem for the lines of an unknown section
    forEachSourceLine(withoutByteOrderMark(file.bytes), [&](const SourceLine& line) {
        if (const auto section = sectionName(line.text)) {
            group = groupOf(*section);
            sectionProblem = !group;
            if (!group && isTrngSection(*section))
                report.warning(line.number, "[" + std::string(*section) +
                                                "] holds TRNG's own strings, which only TRNG's tool builds");
            else if (!group)
                report.error(line.number, "unknown section [" + std::string(*section) +
                                              "]: a language file has [Strings], [PSXStrings] and [PCStrings]");
        } else if (!group) {
            if (!sectionProblem)
                report.error(line.number, "a string before the [Strings] section");
            sectionProblem = true;
        } else {
            std::string text = gameText(line.text);
            checkStorable(text, line.number, report);
            strings.add(*group, std::move(text));
        }
    });
    if (strings.count() == 0)
        report.error(0, "holds no strings");
    strings.index();
    return strings;
}

std::string languageDat(const LanguageStrings& strings, const ProblemReporter& report)
{
    std::array<std::size_t, LanguageStrings::kGroupCount> bytes{};
    std::string offsets;
    std::size_t offset = 0;
    for (std::size_t g = 0; g < LanguageStrings::kGroupCount; ++g) {
        for (const std::string& text : strings.group(static_cast<LanguageStrings::Group>(g))) {
            if (offset > kMaxU16) {
                report.error(0, "the strings take more than 65535 bytes, the most a language file can address");
                return {};
            }
            putU16(offsets, static_cast<std::uint32_t>(offset));
            offset += text.size() + 1;
            bytes[g] += text.size() + 1;
        }
        if (strings.group(static_cast<LanguageStrings::Group>(g)).size() > kMaxU16 || bytes[g] > kMaxU16) {
            report.error(0, "a group of strings is larger than a language file can hold (65535)");
            return {};
        }
    }
    std::string dat;
    dat.reserve(12 + offsets.size() + offset);
    for (std::size_t g = 0; g < LanguageStrings::kGroupCount; ++g)
        putU16(dat, static_cast<std::uint32_t>(strings.group(static_cast<LanguageStrings::Group>(g)).size()));
    for (const std::size_t size : bytes)
        putU16(dat, static_cast<std::uint32_t>(size));
    dat += offsets;
    for (std::size_t g = 0; g < LanguageStrings::kGroupCount; ++g) {
        for (const std::string& text : strings.group(static_cast<LanguageStrings::Group>(g))) {
            for (const char c : text)
                dat += static_cast<char>(static_cast<unsigned char>(c) ^ kStringKey);
            dat += '\0';
        }
    }
    return dat;
}

}  // namespace orvanta
