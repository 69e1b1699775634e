#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta::test {

/// The CR LF-separated lines of a written text, each without its line end.
inline std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos; text.remove_prefix(end + 2))
        lines.emplace_back(text.substr(0, end));
    if (!text.empty())
        lines.emplace_back(text);
    return lines;
}

/// Whether `needle` stands in `lines` as a run of consecutive lines.
inline bool containsRun(const std::vector<std::string>& lines, const std::vector<std::string>& needle)
{
    for (std::size_t i = 0; i + needle.size() <= lines.size(); ++i) {
        if (std::equal(needle.begin(), needle.end(), lines.begin() + static_cast<std::ptrdiff_t>(i)))
            return true;
    }
    return false;
}

} // namespace orvanta::test
