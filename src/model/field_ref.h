#pragma once

#include "model/field.h"

#include <string>

namespace orvanta {

/// A field of the project as the level builder knows it at the moment: the
/// field, its label ("Guard Pack", "Angkor Wat load camera") and, for a
/// multi-line field, a line of it (1-based).
struct FieldRef {
    Field field;
    std::string label;
    int line = 0;  ///< line within a multi-line field, 0 for the field as a whole

    /// "Level 3 name (Text3)", "Guard Pack (Text14), line 4".
    std::string describe() const;
    bool operator==(const FieldRef&) const = default;
};

/// The field, labelled as the project has it now.
FieldRef refer(const ProjectState& project, Field field);

}  // namespace orvanta
