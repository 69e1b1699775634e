#include "pipeline/game_build.h"

#include "compiler/dat_build.h"
#include "compiler/source_lines.h"
#include "pipeline/game_install.h"
#include "pipeline/name_checks.h"
#include "script/english_writer.h"
#include "script/script_writer.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace orvanta {
namespace {

const std::string kScriptFile = "Script.txt";
const std::string kEnglishFile = "English.txt";
// The numbers the two sources are given, which their problems carry.
enum Source : int { kNoSource, kScriptSource, kEnglishSource };

/// The problem with the field its line came from.
ProjectProblem placeInProject(Problem problem, const LineOrigins& scriptOrigins, const LineOrigins& englishOrigins)
{
    const LineOrigins* origins = problem.source == kScriptSource    ? &scriptOrigins
                                 : problem.source == kEnglishSource ? &englishOrigins
                                                                    : nullptr;
    ProjectProblem placed{std::move(problem), std::nullopt};
    if (origins == nullptr || placed.problem.line <= 0)
        return placed;
    const std::vector<FieldRef> fields = origins->at(placed.problem.line);
    if (fields.empty())
        return placed;
    const int value = placed.problem.value;
    placed.field = value >= 0 && static_cast<std::size_t>(value) < fields.size()
                       ? fields[static_cast<std::size_t>(value)]
                       : fields.front();
    return placed;
}

/// One problem a field: the first found speaks for it, an error before a
/// warning, so that a build that fails always says why.
void dropRepeats(std::vector<ProjectProblem>& problems)
{
    std::stable_partition(problems.begin(), problems.end(),
                          [](const ProjectProblem& p) { return p.problem.severity == Severity::Error; });
    std::set<std::tuple<FieldKind, int, int>> seen;
    std::erase_if(problems, [&seen](const ProjectProblem& p) {
        return p.field && !seen.emplace(p.field->field.kind(), p.field->field.number(), p.field->line).second;
    });
}

/// Script.txt's problems first, then English.txt's, then those of neither.
int fileRank(int source) { return source == kNoSource ? 3 : source; }

}  // namespace

GameBuild buildGameFiles(const ProjectState& project, const PackageFileCheck& packageFiles)
{
    GameBuild build;
    LineOrigins scriptOrigins;
    LineOrigins englishOrigins;
    build.files.scriptTxt = scriptText(project, &scriptOrigins);
    build.files.englishTxt = englishText(project, &englishOrigins);

    std::vector<ProjectProblem>& problems = build.problems;
    checkNamesAndLegends(project, englishOrigins, kEnglishSource, problems);
    const LanguageSource english = [&build](std::string_view listed) -> std::optional<SourceFile> {
        if (!sameWord(listed, "ENGLISH.TXT"))
            return std::nullopt;
        return SourceFile{kEnglishFile, build.files.englishTxt, kEnglishSource};
    };
    DatBuild compiled = buildDats({kScriptFile, build.files.scriptTxt, kScriptSource}, english);
    if (packageFiles) {
        for (const LevelFile& level : compiled.levelFiles) {
            const std::string file = level.path + compiled.pcLevelExtension;
            if (level.line > 0 && !level.path.empty() && !packageFiles(file))
                compiled.problems.push_back({Severity::Warning, kScriptFile, level.line,
                                             "the level file " + file + " is not in the package folder \"" +
                                                 packageFiles.folder + "\" (the folder above the script folder)",
                                             0, kScriptSource});
        }
    }
    for (Problem& problem : compiled.problems) {
        // A project's game is built here or not at all: TRNG's commands stop it.
        if (compiled.trngLine > 0 && problem.line == compiled.trngLine && problem.message == kTrngReason)
            problem.severity = Severity::Error;
        problems.push_back(placeInProject(std::move(problem), scriptOrigins, englishOrigins));
    }
    dropRepeats(problems);
    std::stable_sort(problems.begin(), problems.end(), [](const ProjectProblem& a, const ProjectProblem& b) {
        return std::pair(fileRank(a.problem.source), a.problem.line) <
               std::pair(fileRank(b.problem.source), b.problem.line);
    });
    for (const DatFile& dat : compiled.dats)
        (dat.name == "SCRIPT.DAT" ? build.files.scriptDat : build.files.englishDat) = dat.bytes;
    return build;
}

std::vector<ProjectProblem> checkProject(const ProjectState& project, const PackageFileCheck& packageFiles)
{
    std::vector<ProjectProblem> problems = buildGameFiles(project, packageFiles).problems;
    if (auto interrupted = interruptedWriteIn(project.scriptFolder))
        problems.push_back({std::move(*interrupted), std::nullopt});
    return problems;
}

}  // namespace orvanta
