#pragma once

#include <string>
#include <vector>

namespace orvanta {

/// One thing of the imported game that the project does not keep.
struct ImportNote {
    std::string file;  ///< "Script.txt", "English.txt", ...
    int line = 0;      ///< 1-based; 0 when it has no line
    std::string what;
    std::string why;

    bool operator==(const ImportNote&) const = default;
};

/// "FILE:LINE: left out: WHAT: WHY", one line, control bytes as escapes.
std::string formatNote(const ImportNote& note);

/// Every note, one a line.
std::string formatReport(const std::vector<ImportNote>& notes);

}  // namespace orvanta
