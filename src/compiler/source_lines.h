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

/// The meaningful lines of a Script.txt or a language file.
std::vector<SourceLine> sourceLines(std::string_view bytes);

/// Blanks and tabs removed from both ends.
std::string_view trimmed(std::string_view text);

/// "[Name]" gives "Name"; any other line gives nothing.
std::optional<std::string_view> sectionName(std::string_view line);

/// The text separated by commas, each part trimmed.
std::vector<std::string_view> splitValues(std::string_view text);

/// The text with its control bytes written as the language file's escapes
/// (\n, \t, \xHH), so that it prints on one line.
std::string visible(std::string_view text);

/// Case-insensitive equality for ASCII letters, as command names are compared.
bool sameWord(std::string_view a, std::string_view b);

/// A whole number in decimal, with an optional sign, or in hexadecimal after
/// "$"; nothing when the text is not one or lies outside [min, max].
std::optional<std::int64_t> parseNumber(std::string_view text, std::int64_t min, std::int64_t max);

} // namespace orvanta
