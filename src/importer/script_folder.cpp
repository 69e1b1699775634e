#include "importer/script_folder.h"

#include "compiler/script_dat.h"
#include "compiler/source_lines.h"
#include "importer/dat_decode.h"
#include "platform/host_path.h"
#include "platform/text_file.h"

#include <deque>
#include <memory>

namespace orvanta {

std::optional<std::filesystem::path> fileInFolder(const std::filesystem::path& folder, std::string_view name)
{
    const std::filesystem::path path = resolveInAnyCase(folder.empty() ? "." : folder, name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    return path;
}

namespace {

/// The sources a SCRIPT.DAT and the language DAT it lists first decode to.
FileOutcome<ScriptFolder> readDats(const std::filesystem::path& scriptDat)
{
    auto bytes = readFileBytes(FileLocation::fromHostPath(scriptDat));
    if (!bytes)
        return bytes.error();
    const ScriptDat dat = readScriptDat(bytes.value());
    std::string languageBytes;
    std::optional<std::filesystem::path> languagePath;
    if (!dat.languageFiles.empty())
        languagePath = fileInFolder(scriptDat.parent_path(), dat.languageFiles.front());
    if (languagePath) {
        auto language = readFileBytes(FileLocation::fromHostPath(*languagePath));
        if (!language)
            return language.error();
        languageBytes = std::move(language.value());
    }
    std::string fault;
    std::optional<DecodedGame> game = decodeDats(bytes.value(), languageBytes, fault);
    if (!game)
        return FileError{describeHostPath(scriptDat) + ": not a SCRIPT.DAT the game reads: " + fault};
    const std::filesystem::path folder = scriptDat.parent_path();
    ScriptFolder decoded{{"Script.txt", std::move(game->script), folder / "Script.txt", {}}, {}, {}, {}};
    if (!languagePath)
        game->leftOut.push_back({utf8Of(scriptDat.filename()), 0, "the names of levels, items and legends",
                                 "the language DAT it lists is not beside it"});
    else
        decoded.languages.push_back(
            {game->languageName, std::move(game->language), folder / game->languageName, game->languageName});
    decoded.undecoded = std::move(game->leftOut);
    return decoded;
}

}  // namespace

FileOutcome<ScriptFolder> readScriptFolder(const std::filesystem::path& scriptOrFolder)
{
    std::error_code error;
    std::filesystem::path scriptPath = scriptOrFolder;
    if (std::filesystem::is_directory(scriptOrFolder, error)) {
        const auto found = fileInFolder(scriptOrFolder, "Script.txt");
        const auto dat = found ? std::nullopt : fileInFolder(scriptOrFolder, "SCRIPT.DAT");
        if (dat)
            return readDats(*dat);
        if (!found)
            return FileError{"no Script.txt or SCRIPT.DAT in " + describeHostPath(scriptOrFolder)};
        scriptPath = *found;
    } else if (sameWord(utf8Of(scriptOrFolder.filename()), "SCRIPT.DAT")) {
        return readDats(scriptOrFolder);
    }
    auto bytes = readFileBytes(FileLocation::fromHostPath(scriptPath));
    if (!bytes)
        return bytes.error();
    ScriptFolder folder{{utf8Of(scriptPath.filename()), std::move(bytes.value()), scriptPath, {}}, {}, {}, {}};
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

IncludeSource includesBeside(const std::filesystem::path& scriptPath)
{
    auto included = std::make_shared<std::deque<std::string>>();  // kept while the result lives
    return [folder = scriptPath.parent_path(), included](std::string_view name) -> std::optional<SourceFile> {
        const auto path = fileInFolder(folder, name);
        auto bytes = path ? readFileBytes(FileLocation::fromHostPath(*path)) : FileOutcome<std::string>(FileError{});
        if (!bytes)
            return std::nullopt;
        included->push_back(std::move(bytes.value()));
        return SourceFile{utf8Of(path->filename()), included->back(), 2};
    };
}

DatBuild buildScriptFolder(const ScriptFolder& folder)
{
    const SourceFile script{folder.script.name, folder.script.bytes, 0};
    DatBuild build = buildDats(
        script,
        [&folder](std::string_view listed) -> std::optional<SourceFile> {
            for (const ReadFile& language : folder.languages) {
                if (sameWord(language.listedAs, listed))
                    return SourceFile{language.name, language.bytes, 1};
            }
            return std::nullopt;
        },
        includesBeside(folder.script.path));
    for (const ListedLanguage& missing : folder.missing)
        build.problems.push_back({Severity::Warning, folder.script.name, missing.line,
                                  "the language file " + missing.name + " is not in the folder", 1, 0});
    return build;
}

std::optional<ImportedGame> importFolder(const ScriptFolder& folder)
{
    std::optional<ImportedGame> game = importSources(gameSources(folder));
    if (game)
        game->leftOut.insert(game->leftOut.begin(), folder.undecoded.begin(), folder.undecoded.end());
    return game;
}

GameSources gameSources(const ScriptFolder& folder)
{
    GameSources sources{
        {folder.script.name, folder.script.bytes, 0}, std::nullopt, {}, includesBeside(folder.script.path)};
    const std::vector<ListedLanguage> listed = listedLanguages(folder.script.bytes);
    if (!listed.empty() && !folder.languages.empty() && folder.languages.front().listedAs == listed.front().name)
        sources.language = SourceFile{folder.languages.front().name, folder.languages.front().bytes, 1};
    for (std::size_t i = sources.language ? 1 : 0; i < folder.languages.size(); ++i)
        sources.otherLanguages.push_back(folder.languages[i].name);
    return sources;
}

}  // namespace orvanta
