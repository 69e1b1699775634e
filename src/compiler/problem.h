#pragma once

#include "model/field_ref.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orvanta {

enum class Severity : std::uint8_t {
    Error,    ///< the DAT files cannot be built, or the game would go wrong
    Warning,  ///< probably not what the builder meant
};

/// One problem found while checking or building the game files.
struct Problem {
    Severity severity = Severity::Error;
    std::string file;  ///< "Script.txt", "English.txt", or empty for the project as a whole
    int line = 0;      ///< 1-based; 0 when the problem has no line
    std::string message;
    /// The project field that wrote the line, when the line came from the project.
    std::optional<FieldRef> field;
    /// Which comma-separated value of the line is wrong (0-based), or -1.
    int value = -1;

    bool operator==(const Problem&) const = default;
};

/// The one-line form every tool prints and scripts read:
/// "FILE:LINE: error|warning: MESSAGE [FIELD (CONTROL)]". The place and the
/// field are left out when unknown; control bytes are written as escapes.
std::string formatProblem(const Problem& problem);

bool hasErrors(std::span<const Problem> problems);

}  // namespace orvanta
