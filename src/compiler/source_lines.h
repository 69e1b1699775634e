#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// One meaningful line of a script source: its comment (from the first ";")
/// and surrounding blanks and tabs removed. Empty lines are not kept.
struct SourceLine {
    int number;             ///< 1-based
    std::string_view text;  ///< never empty
};

/// Blanks and tabs removed from both ends. Inline, as the split of every
/// item line calls it for each value.
inline std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

/// The bytes without the UTF-8 byte-order mark some editors put at the start
/// of a text file: the game's tools read it as text, not as a mark.
inline std::string_view withoutByteOrderMark(std::string_view bytes)
{
    return bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
}

/// One line of a source as it stands, without its line end, and what the
/// compiler reads of it (empty for a blank or comment line).
struct RawLine {
    int number;  ///< 1-based
    std::string_view whole;
    std::string_view meaningful;
};

/// Calls `use` with every line of a Script.txt or a language file. Lines end
/// at LF or CR LF, as splitLines() reads them, and a CR that ends the last
/// line is dropped too (the rest of a CR LF that was cut off); the first is
/// line `firstNumber`.
template <typename Use> void forEachRawLine(std::string_view bytes, Use use, int firstNumber = 1)
{
    int number = firstNumber - 1;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        use(RawLine{number, line, trimmed(line.substr(0, line.find(';')))});
    }
}

/// Calls `use` with each meaningful line of a Script.txt or a language file,
/// split as forEachRawLine() splits them.
template <typename Use> void forEachSourceLine(std::string_view bytes, Use use, int firstNumber = 1)
{
    forEachRawLine(
        bytes,
        [&use](const RawLine& line) {
            if (!line.meaningful.empty())
                use(SourceLine{line.number, line.meaningful});
        },
        firstNumber);
}

/// "[Name]" gives "Name"; any other line gives nothing.
std::optional<std::string_view> sectionName(std::string_view line);

/// A "KEY=VALUE" line, both parts trimmed.
struct CommandLine {
    std::string_view key;
    std::string_view value;
};
/// The command a line holds, or nothing when it has no "=".
std::optional<CommandLine> commandLine(std::string_view line);
/// What a line that holds no command is told.
std::string notACommand(std::string_view line);

/// The text separated by commas, each part trimmed.
std::vector<std::string_view> splitValues(std::string_view text);
/// The same into a vector kept between calls, for the many item lines.
void splitValues(std::string_view text, std::vector<std::string_view>& values);

/// The text with its control bytes written as the language file's escapes
/// (\n, \t, \xHH), so that it prints on one line.
std::string visible(std::string_view text);

/// Case-insensitive equality for ASCII letters, as command names are compared.
inline bool sameWord(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

/// A whole number in decimal, with an optional sign, or in hexadecimal after
/// "$"; nothing when the text is not one or lies outside [min, max]. Inline:
/// an item line holds seven, and a returned optional costs more than the
/// parse when the call is not inlined.
inline std::optional<std::int64_t> parseNumber(std::string_view text, std::int64_t min, std::int64_t max)
{
    bool negative = false;
    std::int64_t base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // Leading zeros add nothing: "0001" is 1, however many there are. More
    // than 20 digits after them are out of every range.
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    if (text.size() > 20)
        return std::nullopt;
    // The value of each byte as a digit; 99 for a byte that is none.
    static constexpr auto kDigit = [] {
        std::array<std::int8_t, 256> digits{};
        digits.fill(99);
        for (int i = 0; i < 10; ++i)
            digits[static_cast<std::size_t>('0' + i)] = static_cast<std::int8_t>(i);
        for (int i = 0; i < 6; ++i) {
            digits[static_cast<std::size_t>('a' + i)] = static_cast<std::int8_t>(10 + i);
            digits[static_cast<std::size_t>('A' + i)] = static_cast<std::int8_t>(10 + i);
        }
        return digits;
    }();
    std::int64_t value = 0;
    for (const char c : text) {
        const std::int64_t digit = kDigit[static_cast<unsigned char>(c)];
        // Below 2^58 a digit more cannot overflow; anything larger is out of every range.
        if (digit >= base || value > (std::int64_t{1} << 58))
            return std::nullopt;
        value = value * base + digit;
    }
    value = negative ? -value : value;
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

}  // namespace orvanta
