#include "pipeline/project_problem.h"

#include "compiler/source_lines.h"

#include <algorithm>

namespace orvanta {

std::string formatProblem(const ProjectProblem& problem)
{
    std::string text = formatProblem(problem.problem);
    if (problem.field)
        text += " [" + visible(problem.field->describe()) + "]";
    return text;
}

bool hasErrors(std::span<const ProjectProblem> problems)
{
    return std::any_of(problems.begin(), problems.end(),
                       [](const ProjectProblem& p) { return p.problem.severity == Severity::Error; });
}

}  // namespace orvanta
