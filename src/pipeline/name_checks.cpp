#include "pipeline/name_checks.h"

#include "compiler/language_file.h"
#include "compiler/problem.h"
#include "compiler/source_lines.h"
#include "model/field.h"

#include <optional>
#include <utility>

namespace orvanta {
namespace {

bool isNameOrLegend(Field field)
{
    const FieldKind kind = field.kind();
    return kind == FieldKind::LevelName || kind == FieldKind::FirstLegend || kind == FieldKind::SecondLegend;
}

/// What is wrong with a name or legend that English.txt holds on `lines` lines.
std::optional<std::pair<Severity, std::string>> stringProblem(const std::string& value, int lines)
{
    const std::string shift = ": every later string of English.txt moves by one and the game shows wrong texts";
    const bool comment = value.find(';') != std::string::npos;
    const std::string_view kept = trimmed(std::string_view(value).substr(0, value.find(';')));
    if (lines > 1)
        return std::pair(Severity::Error, "holds a line break" + shift);
    if (kept.empty())
        return std::pair(Severity::Error, (comment ? "is all comment (it begins with \";\")" : "is empty") + shift);
    if (sectionName(kept))
        return std::pair(Severity::Error, "reads as a section header" + shift);
    if (comment)
        return std::pair(Severity::Error,
                         "holds \";\", which starts a comment: the game shows only " + quotedValue(kept));
    if (const std::string shown = gameText(kept); shown != kept)
        return std::pair(Severity::Warning, "holds a label or an escape: the game shows " + quotedValue(shown));
    return std::nullopt;
}

}  // namespace

void checkNamesAndLegends(const ProjectState& project, const LineOrigins& origins, int englishSource,
                          std::vector<ProjectProblem>& problems)
{
    for (const LineOrigins::Run& run : origins.runs()) {
        const FieldRef& field = run.fields.front();
        if (!isNameOrLegend(field.field))
            continue;
        if (auto found = stringProblem(fieldText(project, field.field), run.lineCount)) {
            Problem problem{found->first, "English.txt", run.firstLine, std::move(found->second), -1, englishSource};
            problems.push_back(ProjectProblem{std::move(problem), field});
        }
    }
}

}  // namespace orvanta
