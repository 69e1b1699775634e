#pragma once

#include "compiler/problem.h"
#include "model/field_ref.h"

#include <optional>
#include <span>
#include <string>

namespace orvanta {

/// A problem of the game files written from the project, with the project
/// field that wrote its line, when a field did.
struct ProjectProblem {
    Problem problem;
    std::optional<FieldRef> field;

    bool operator==(const ProjectProblem&) const = default;
};

/// The one-line form every tool prints and scripts read:
/// "FILE:LINE: error|warning: MESSAGE [FIELD (CONTROL)]"; see formatProblem.
std::string formatProblem(const ProjectProblem& problem);

bool hasErrors(std::span<const ProjectProblem> problems);

}  // namespace orvanta
