#include "importer/script_folder.h"

#include "compiler/source_lines.h"
#include "platform/host_path.h"
#include "platform/text_file.h"

#include <deque>

namespace orvanta {

std::optional<std::filesystem::path> fileInFolder(const std::filesystem::path& folder, std::string_view name)
{
    const std::filesystem::path path = resolveInAnyCase(folder.empty() ? "." : folder, name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    return path;
}

FileOutcome<ScriptFolder> readScriptFolder(const std::filesystem::path& scriptOrFolder)
{
    std::error_code error;
    std::filesystem::path scriptPath = scriptOrFolder;
    if (std::filesystem::is_directory(scriptOrFolder, error)) {
        const auto found = fileInFolder(scriptOrFolder, "Script.txt");
        if (!found)
            return FileError{"no Script.txt in " + describeHostPath(scriptOrFolder)};
        scriptPath = *found;
    }
    auto bytes = readFileBytes(FileLocation::fromHostPath(scriptPath));
    if (!bytes)
        return bytes.error();
    ScriptFolder folder{{utf8Of(scriptPath.filename()), std::move(bytes.value()), scriptPath, {}}, {}, {}};
    for (const ListedLanguage& listed : listedLanguages(folder.script.bytes)) {
        const auto path = fileInFolder(scriptPath.parent_path(), listed.name);
        if (!path) {
            folder.missing.push_back(listed);
            continue;
        }
        auto language = readFileBytes(FileLocation::fromHostPath(*path));
        if (!language)
            return language.error();
        folder.languages.push_back({utf8Of(path->filename()), std::move(language.value()), *path, listed.name});
    }
    return folder;
}

}  // namespace orvanta

namespace orvanta {

DatBuild buildScriptFolder(const ScriptFolder& folder)
{
    const SourceFile script{folder.script.name, folder.script.bytes, 0};
    std::deque<std::string> included;  // kept while the build reads them
    const IncludeSource includes = [&](std::string_view name) -> std::optional<SourceFile> {
        const auto path = fileInFolder(folder.script.path.parent_path(), name);
        auto bytes = path ? readFileBytes(FileLocation::fromHostPath(*path)) : FileOutcome<std::string>(FileError{});
        if (!bytes)
            return std::nullopt;
        included.push_back(std::move(bytes.value()));
        return SourceFile{utf8Of(path->filename()), included.back(), 2};
    };
    DatBuild build = buildDats(
        script,
        [&folder](std::string_view listed) -> std::optional<SourceFile> {
            for (const ReadFile& language : folder.languages) {
                if (sameWord(language.listedAs, listed))
                    return SourceFile{language.name, language.bytes, 1};
            }
            return std::nullopt;
        },
        includes);
    for (const ListedLanguage& missing : folder.missing)
        build.problems.push_back({Severity::Warning, folder.script.name, missing.line,
                                  "the language file " + missing.name + " is not in the folder", 1, 0});
    return build;
}

GameSources gameSources(const ScriptFolder& folder)
{
    GameSources sources{{folder.script.name, folder.script.bytes, 0}, std::nullopt, {}};
    const std::vector<ListedLanguage> listed = listedLanguages(folder.script.bytes);
    if (!listed.empty() && !folder.languages.empty() && folder.languages.front().listedAs == listed.front().name)
        sources.language = SourceFile{folder.languages.front().name, folder.languages.front().bytes, 1};
    for (std::size_t i = sources.language ? 1 : 0; i < folder.languages.size(); ++i)
        sources.otherLanguages.push_back(folder.languages[i].name);
    return sources;
}

}  // namespace orvanta
