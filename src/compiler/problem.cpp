#include "compiler/problem.h"

#include "compiler/source_lines.h"

#include <algorithm>

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

void ProblemSink::add(Problem problem)
{
    const Kind kind{problem.source, problem.severity};
    if (problem.line > 0) {
        const auto found = kept_.find({problem.source, problem.line, problem.value});
        if (found != kept_.end()) {
            Problem& earlier = problems_[found->second];
            if (earlier.severity == Severity::Warning && problem.severity == Severity::Error &&
                keptOfKind_[kind] < kKeptProblems) {
                --keptOfKind_[{earlier.source, earlier.severity}];
                ++keptOfKind_[kind];
                earlier = std::move(problem);
            }
            return;
        }
    }
    if (keptOfKind_[kind] == kKeptProblems) {
        Dropped& dropped = dropped_[kind];
        dropped.file = problem.file;
        ++dropped.count;
        return;
    }
    ++keptOfKind_[kind];
    if (problem.line > 0)
        kept_.emplace(std::tuple(problem.source, problem.line, problem.value), problems_.size());
    problems_.push_back(std::move(problem));
}

void ProblemSink::addAll(ProblemSink&& other)
{
    for (Problem& problem : other.problems_)
        add(std::move(problem));
    for (auto& [kind, dropped] : other.dropped_) {
        Dropped& mine = dropped_[kind];
        mine.file = dropped.file;
        mine.count += dropped.count;
    }
    other = {};
}

std::vector<Problem> ProblemSink::take()
{
    std::vector<Problem> problems = std::move(problems_);
    for (const auto& [kind, dropped] : dropped_) {
        const bool errors = kind.second == Severity::Error;
        problems.push_back({kind.second, dropped.file, 0,
                            std::to_string(dropped.count) + " more " + (errors ? "errors" : "warnings") +
                                " of this file, not listed: only the first " + std::to_string(kKeptProblems) + " are",
                            -1, kind.first});
    }
    *this = {};
    return problems;
}

std::string quotedValue(std::string_view value)
{
    if (value.size() <= kQuotedValueBytes)
        return "\"" + std::string(value) + "\"";
    return "\"" + std::string(value.substr(0, kQuotedValueBytes)) + "...\" (" + std::to_string(value.size()) +
           " bytes)";
}

bool hasErrors(std::span<const Problem> problems)
{
    return std::any_of(problems.begin(), problems.end(),
                       [](const Problem& p) { return p.severity == Severity::Error; });
}

}  // namespace orvanta
