#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

inline constexpr std::string_view kLineEnd = "\r\n";

/// Appends one written item: its text, then CR LF. A text that already ends in
/// CR LF is thus followed by an empty line.
inline void appendLine(std::string& out, std::string_view text)
{
    out += text;
    out += kLineEnd;
}

/// The lines of a text file. A line ends at CR LF or at a bare LF (a file that
/// went through a Unix editor still reads); a bare CR stays part of its line.
/// Text after the last line end, if any, is the last line, without a CR it
/// ends with (the rest of a CR LF that was cut off).
std::vector<std::string_view> splitLines(std::string_view text);

}  // namespace orvanta
