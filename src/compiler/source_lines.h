#pragma once

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

/// Blanks and tabs removed from both ends.
std::string_view trimmed(std::string_view text);

/// Calls `use` with each meaningful line of a Script.txt or a language file.
/// Lines end at LF, with a CR before it, as splitLines() reads them.
template <typename Use>
void forEachSourceLine(std::string_view bytes, Use use)
{
    int number = 0;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
        ++number;
        if (lf != std::string_view::npos && line.ends_with('\r'))
            line.remove_suffix(1);
        line = trimmed(line.substr(0, line.find(';')));
        if (!line.empty())
            use(SourceLine{number, line});
    }
}

/// "[Name]" gives "Name"; any other line gives nothing.
std::optional<std::string_view> sectionName(std::string_view line);

/// The text separated by commas, each part trimmed.
std::vector<std::string_view> splitValues(std::string_view text);
/// The same into a vector kept between calls, for the many item lines.
void splitValues(std::string_view text, std::vector<std::string_view>& values);

/// The text with its control bytes written as the language file's escapes
/// (\n, \t, \xHH), so that it prints on one line.
std::string visible(std::string_view text);

/// Case-insensitive equality for ASCII letters, as command names are compared.
bool sameWord(std::string_view a, std::string_view b);

/// A whole number in decimal, with an optional sign, or in hexadecimal after
/// "$"; nothing when the text is not one or lies outside [min, max].
std::optional<std::int64_t> parseNumber(std::string_view text, std::int64_t min, std::int64_t max);

} // namespace orvanta
