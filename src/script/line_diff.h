#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// Lines that differ between an old text and a new one: the old lines from
/// `oldLine` replaced by the new lines from `newLine` (1-based; a side with no
/// lines gives the line it stands before).
struct DiffHunk {
    int oldLine;
    int newLine;
    std::vector<std::string_view> removed;
    std::vector<std::string_view> added;
};

/// The hunks that turn `before` into `after`, line by line (lines end at LF or
/// CR LF), along their longest common lines. Views into the two texts.
std::vector<DiffHunk> lineDiff(std::string_view before, std::string_view after);

}  // namespace orvanta
