// Speed of the core's file work: writing both script files, building the
// game's DAT files, and saving and loading a project file, at the defaults and
// with eleven 1 MB packs, beside writing the same bytes with one plain
// buffered write per file.
#include "compiler/dat_build.h"
#include "importer/script_folder.h"
#include "importer/source_import.h"
#include "model/project_state.h"
#include "pipeline/game_build.h"
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"
#include "script/english_writer.h"
#include "script/script_files.h"
#include "script/script_writer.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using orvanta::ProjectState;

/// The defaults, or the defaults with every level pack grown to about `packBytes`.
ProjectState projectWithPacks(std::size_t packBytes)
{
    ProjectState project = ProjectState::withDefaults();
    if (packBytes == 0)
        return project;
    for (int level = 1; level <= orvanta::kLevelCount; ++level) {
        std::string& pack = project.level(level).scriptPack;
        const std::string line = pack.substr(0, pack.find("\r\n") + 2);
        pack.clear();
        while (pack.size() < packBytes)
            pack += line;
    }
    return project;
}

fs::path benchFolder()
{
    const fs::path folder = fs::temp_directory_path() / "orvanta-bench";
    fs::create_directories(folder);
    return folder;
}

void plainWrite(const fs::path& file, const std::string& bytes)
{
    std::FILE* out = std::fopen(file.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

void setBytes(benchmark::State& state, std::size_t bytesPerIteration)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytesPerIteration));
}

void BM_WriteScriptFiles(benchmark::State& state)
{
    const ProjectState project = projectWithPacks(static_cast<std::size_t>(state.range(0)));
    const std::string folder = benchFolder().string();
    for (auto _ : state) {
        if (orvanta::writeScriptFiles(project, folder))
            state.SkipWithError("write failed");
    }
    setBytes(state, orvanta::scriptText(project).size() + orvanta::englishText(project).size());
}

void BM_PlainWriteOfTheSameBytes(benchmark::State& state)
{
    const ProjectState project = projectWithPacks(static_cast<std::size_t>(state.range(0)));
    const std::string script = orvanta::scriptText(project);
    const std::string english = orvanta::englishText(project);
    const fs::path folder = benchFolder();
    for (auto _ : state) {
        plainWrite(folder / "Script.txt", script);
        plainWrite(folder / "English.txt", english);
    }
    setBytes(state, script.size() + english.size());
}

void BM_SaveProject(benchmark::State& state)
{
    const ProjectState project = projectWithPacks(static_cast<std::size_t>(state.range(0)));
    const std::string path = (benchFolder() / "project.txt").string();
    for (auto _ : state) {
        if (orvanta::saveProjectFile(project, path))
            state.SkipWithError("save failed");
    }
    setBytes(state, orvanta::projectFileText(project).size());
}

void BM_PlainWriteOfTheSameProjectBytes(benchmark::State& state)
{
    const std::string bytes = orvanta::projectFileText(projectWithPacks(static_cast<std::size_t>(state.range(0))));
    const fs::path file = benchFolder() / "project.txt";
    for (auto _ : state)
        plainWrite(file, bytes);
    setBytes(state, bytes.size());
}

void BM_LoadProject(benchmark::State& state)
{
    const ProjectState saved = projectWithPacks(static_cast<std::size_t>(state.range(0)));
    const std::string path = (benchFolder() / "project-to-load.txt").string();
    if (orvanta::saveProjectFile(saved, path))
        state.SkipWithError("save failed");
    ProjectState project = ProjectState::withDefaults();
    for (auto _ : state) {
        if (orvanta::loadProjectFile(path, project).status != orvanta::LoadStatus::Loaded)
            state.SkipWithError("load failed");
    }
    setBytes(state, orvanta::projectFileText(saved).size());
}

/// Writes Script.txt and English.txt in memory and compiles them, as
/// checking and building do. Eleven 1 MB packs hold more item lines than
/// SCRIPT.DAT can (64 KB of level data): the build then does all its work and
/// ends with that error.
void BM_BuildGameFiles(benchmark::State& state)
{
    const ProjectState project = projectWithPacks(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(orvanta::buildGameFiles(project));
    const orvanta::GameFiles files = orvanta::buildGameFiles(project).files;
    setBytes(state, files.scriptTxt.size() + files.englishTxt.size());
}

/// Writing as many bytes as the build reads (its two sources) to two files.
void BM_PlainWriteOfTheSourceBytes(benchmark::State& state)
{
    const orvanta::GameFiles files =
        orvanta::buildGameFiles(projectWithPacks(static_cast<std::size_t>(state.range(0)))).files;
    const fs::path folder = benchFolder();
    for (auto _ : state) {
        plainWrite(folder / "Script.txt", files.scriptTxt);
        plainWrite(folder / "English.txt", files.englishTxt);
    }
    setBytes(state, files.scriptTxt.size() + files.englishTxt.size());
}

constexpr std::int64_t kDefaults = 0;
constexpr std::int64_t kOneMegabytePacks = 1 << 20;

}  // namespace

BENCHMARK(BM_WriteScriptFiles)
    ->Arg(kDefaults)
    ->Arg(kOneMegabytePacks / 4)
    ->Arg(kOneMegabytePacks)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainWriteOfTheSameBytes)
    ->Arg(kDefaults)
    ->Arg(kOneMegabytePacks / 4)
    ->Arg(kOneMegabytePacks)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildGameFiles)->Arg(kDefaults)->Arg(kOneMegabytePacks)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainWriteOfTheSourceBytes)->Arg(kDefaults)->Arg(kOneMegabytePacks)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveProject)
    ->Arg(kDefaults)
    ->Arg(kOneMegabytePacks / 4)
    ->Arg(kOneMegabytePacks)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainWriteOfTheSameProjectBytes)
    ->Arg(kDefaults)
    ->Arg(kOneMegabytePacks / 4)
    ->Arg(kOneMegabytePacks)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadProject)
    ->Arg(kDefaults)
    ->Arg(kOneMegabytePacks / 4)
    ->Arg(kOneMegabytePacks)
    ->Unit(benchmark::kMicrosecond);

/// Sources to import: 0, the largest real script and its language file; else
/// what Orvanta writes for eleven levels with packs of that many bytes.
std::pair<std::string, std::string> importSources(std::int64_t packBytes)
{
    if (packBytes > 0) {
        const ProjectState project = projectWithPacks(static_cast<std::size_t>(packBytes));
        return {orvanta::scriptText(project), orvanta::englishText(project)};
    }
    auto folder = orvanta::readScriptFolder(fs::path(ORVANTA_REALWORLD_DIR) / "castigavi-TRLE_TRFR");
    return {folder.value().script.bytes, folder.value().languages.front().bytes};
}

void BM_ImportSources(benchmark::State& state)
{
    const auto [script, english] = importSources(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            orvanta::importSources({{"Script.txt", script, 0}, orvanta::SourceFile{"English.txt", english, 1}, {}, {}}));
    setBytes(state, script.size() + english.size());
}

void BM_BuildDatsOfTheSameSources(benchmark::State& state)
{
    const auto [script, english] = importSources(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(orvanta::buildDats({"Script.txt", script, 0}, [&english](std::string_view) {
            return std::optional<orvanta::SourceFile>(orvanta::SourceFile{"English.txt", english, 1});
        }));
    setBytes(state, script.size() + english.size());
}

constexpr std::int64_t kRealScript = 0;
constexpr std::int64_t kSixtyKilobytePacks = 60 << 10;
BENCHMARK(BM_ImportSources)->Arg(kRealScript)->Arg(kSixtyKilobytePacks)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildDatsOfTheSameSources)->Arg(kRealScript)->Arg(kSixtyKilobytePacks)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
