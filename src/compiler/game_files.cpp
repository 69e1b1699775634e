#include "compiler/game_files.h"

#include "compiler/language_file.h"
#include "compiler/script_compiler.h"
#include "compiler/source_lines.h"
#include "model/field_names.h"
#include "platform/host_path.h"
#include "platform/text_file.h"
#include "platform/windows1252.h"
#include "script/english_writer.h"
#include "script/script_writer.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>

namespace orvanta {
namespace {

const std::string kScriptFile = "Script.txt";
const std::string kEnglishFile = "English.txt";

bool isNameOrLegend(const std::string& control)
{
    static const std::set<std::string> controls{"Text1", "Text2", "Text3",  "Text4",  "Text5",  "Text6",  "Text7",
                                                "Text8", "Text9", "Text10", "Text11", "Text12", "Text26", "Text27"};
    return controls.contains(control);
}

/// What is wrong with a name or legend that English.txt holds on `lines`
/// lines: it must stay one string, or every string after it moves and the
/// game shows the wrong texts; and it should read in the game as typed.
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
                         "holds \";\", which starts a comment: the game shows only \"" + std::string(kept) + "\"");
    if (const std::string shown = gameText(kept); shown != kept)
        return std::pair(Severity::Warning, "holds a label or an escape: the game shows \"" + shown + "\"");
    return std::nullopt;
}

void checkStrings(const ProjectState& project, const LineOrigins& origins, std::vector<Problem>& problems)
{
    for (const LineOrigins::Run& run : origins.runs()) {
        const FieldRef& field = run.fields.front();
        if (!isNameOrLegend(field.control))
            continue;
        if (auto problem = stringProblem(*findField(project, field.control), run.lineCount))
            problems.push_back({problem->first, kEnglishFile, run.firstLine, std::move(problem->second), field, -1});
    }
}

/// The field a compiler problem's line came from.
void placeInProject(Problem& problem, const LineOrigins& scriptOrigins, const LineOrigins& englishOrigins)
{
    const LineOrigins* origins = problem.file == kScriptFile    ? &scriptOrigins
                                 : problem.file == kEnglishFile ? &englishOrigins
                                                                : nullptr;
    if (origins == nullptr || problem.line <= 0)
        return;
    const std::vector<FieldRef> fields = origins->at(problem.line);
    if (fields.empty())
        return;
    const auto value = static_cast<std::size_t>(problem.value);
    problem.field = problem.value >= 0 && value < fields.size() ? fields[value] : fields.front();
}

/// One problem a field: the first found speaks for it, an error before a
/// warning, so that a build that fails always says why.
void dropRepeats(std::vector<Problem>& problems)
{
    std::stable_partition(problems.begin(), problems.end(),
                          [](const Problem& p) { return p.severity == Severity::Error; });
    std::set<std::pair<std::string, int>> seen;
    std::erase_if(problems, [&seen](const Problem& p) {
        return p.field && !seen.emplace(p.field->control, p.field->line).second;
    });
}

int fileRank(const std::string& file) { return file == kScriptFile ? 0 : file == kEnglishFile ? 1 : 2; }

}  // namespace

std::string packageFolderText(std::string_view scriptFolderText)
{
    const std::string_view folder = scriptFolderText.substr(0, scriptFolderText.find_last_not_of("\\/") + 1);
    const auto cut = folder.find_last_of("\\/");
    return cut == std::string_view::npos ? std::string() : std::string(folder.substr(0, cut));
}

PackageFileCheck packageFileCheck(std::string_view scriptFolderText)
{
    const std::string package = packageFolderText(scriptFolderText);
    const std::filesystem::path root = hostPath(package);
    std::error_code error;
    if (package.empty() || !std::filesystem::is_directory(root, error))
        return {};
    // The game finds its files in any letter case, as Windows does.
    return [root](std::string_view pathInPackage) {
        std::error_code ignored;
        return std::filesystem::exists(resolveInAnyCase(root, windows1252::toUtf8(pathInPackage)), ignored);
    };
}

GameBuild buildGameFiles(const ProjectState& project, const PackageFileCheck& packageFiles)
{
    GameBuild build;
    LineOrigins scriptOrigins;
    LineOrigins englishOrigins;
    build.files.scriptTxt = scriptText(project, &scriptOrigins);
    build.files.englishTxt = englishText(project, &englishOrigins);

    std::vector<Problem>& problems = build.problems;
    checkStrings(project, englishOrigins, problems);
    const LanguageSource english = [&build](std::string_view listed) -> std::optional<SourceFile> {
        if (!sameWord(listed, "ENGLISH.TXT"))
            return std::nullopt;
        return SourceFile{kEnglishFile, build.files.englishTxt};
    };
    ScriptCompilation compiled = compileScript({kScriptFile, build.files.scriptTxt}, english);
    if (packageFiles) {
        for (const LevelFile& level : compiled.levelFiles) {
            const std::string file = level.path + compiled.pcLevelExtension;
            if (level.line > 0 && !level.path.empty() && !packageFiles(file))
                compiled.problems.push_back({Severity::Warning, kScriptFile, level.line,
                                             "the level file " + file + " is not in the package folder", std::nullopt,
                                             0});
        }
    }
    for (Problem& problem : compiled.problems) {
        placeInProject(problem, scriptOrigins, englishOrigins);
        problems.push_back(std::move(problem));
    }
    dropRepeats(problems);
    std::stable_sort(problems.begin(), problems.end(), [](const Problem& a, const Problem& b) {
        return std::pair(fileRank(a.file), a.line) < std::pair(fileRank(b.file), b.line);
    });
    for (const DatFile& dat : compiled.dats)
        (dat.name == "SCRIPT.DAT" ? build.files.scriptDat : build.files.englishDat) = dat.bytes;
    return build;
}

std::vector<Problem> checkProject(const ProjectState& project, const PackageFileCheck& packageFiles)
{
    return buildGameFiles(project, packageFiles).problems;
}

std::optional<FileError> writeGameFiles(const GameFiles& files, const FileLocation& folder)
{
    const std::array<FileContents, 4> contents{{
        {folder.child(kScriptFile), files.scriptTxt},
        {folder.child(kEnglishFile), files.englishTxt},
        {folder.child("SCRIPT.DAT"), files.scriptDat},
        {folder.child("ENGLISH.DAT"), files.englishDat},
    }};
    return replaceFiles(contents);
}

std::optional<FileError> writeGameFiles(const GameFiles& files, std::string_view folderText)
{
    return writeGameFiles(files, FileLocation::fromPathText(folderText));
}

GameInstall installGameFiles(const GameFiles& files, std::string_view scriptFolderText)
{
    GameInstall install;
    install.error = writeGameFiles(files, scriptFolderText);
    install.written = !install.error;
    const std::string package = packageFolderText(scriptFolderText);
    if (!install.written || package.empty())
        return install;
    const FileLocation folder = FileLocation::fromPathText(package);
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(resolveInAnyCase(folder.host(), kGameProgram), ignored))
        return install;
    const std::array<FileContents, 2> dats{{
        {folder.child("SCRIPT.DAT"), files.scriptDat},
        {folder.child("ENGLISH.DAT"), files.englishDat},
    }};
    install.error = replaceFiles(dats);
    if (!install.error)
        install.gameFolder = package;
    return install;
}

}  // namespace orvanta
