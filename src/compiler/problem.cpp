#include "compiler/problem.h"

#include "compiler/source_lines.h"

#include <algorithm>
#include <iterator>

namespace orvanta {

std::string formatProblem(const Problem& problem)
{
    std::string text;
    if (!problem.file.empty()) {
        text = problem.file + ":";
        if (problem.line > 0)
            text += std::to_string(problem.line) + ":";
        text += " ";
    }
    text += problem.severity == Severity::Error ? "error: " : "warning: ";
    text += problem.message;
    return visible(text);
}

void ProblemSink::addAll(std::vector<Problem> problems)
{
    std::move(problems.begin(), problems.end(), std::back_inserter(problems_));
}

bool hasErrors(std::span<const Problem> problems)
{
    return std::any_of(problems.begin(), problems.end(),
                       [](const Problem& p) { return p.severity == Severity::Error; });
}

}  // namespace orvanta
