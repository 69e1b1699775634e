// Bringing a game's sources into a project: what Orvanta wrote comes back
// as the same bytes, and what it cannot keep is reported.
#include "compiler/dat_build.h"
#include "compiler/dat_dump.h"
#include "compiler/source_lines.h"
#include "importer/dat_decode.h"
#include "importer/script_folder.h"
#include "importer/source_import.h"
#include "projectfile/project_file_reader.h"
#include "resources/stock_texts.h"
#include "script/english_writer.h"
#include "script/script_writer.h"
#include "support/files.h"

#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace orvanta::test {
namespace {

ImportedGame imported(const std::string& script, const std::string& english)
{
    GameSources sources;
    sources.script = {"Script.txt", script, 0};
    sources.language = SourceFile{"English.txt", english, 1};
    auto game = importSources(sources);
    EXPECT_TRUE(game.has_value());
    return game ? std::move(*game) : ImportedGame{};
}

std::vector<DatFile> datsOf(const ProjectState& project)
{
    const std::string english = englishText(project);
    return buildDats({"Script.txt", scriptText(project)},
                     [&](std::string_view listed) {
                         return sameWord(listed, "ENGLISH.TXT") ? std::optional<SourceFile>({"English.txt", english, 1})
                                                                : std::nullopt;
                     })
        .dats;
}

TEST(SourceImport, WhatOrvantaWritesComesBackAsTheSameBytes)
{
    std::vector<ProjectState> projects{ProjectState::withDefaults()};
    for (const auto& folder : std::filesystem::directory_iterator(testData("golden"))) {
        projects.push_back(ProjectState::withDefaults());
        ASSERT_EQ(readProjectText(readBytes(folder.path() / "project.txt"), projects.back()).status,
                  LoadStatus::Loaded);
    }
    for (const ProjectState& project : projects) {
        const std::string script = scriptText(project), english = englishText(project);
        const ImportedGame game = imported(script, english);
        EXPECT_EQ(scriptText(game.project), script);
        EXPECT_EQ(englishText(game.project), english);
        EXPECT_TRUE(game.leftOut.empty()) << formatReport(game.leftOut);
        // A byte-order mark is skipped, as the compiler skips it.
        EXPECT_EQ(scriptText(imported("\xEF\xBB\xBF" + script, english).project), script);
    }
}

/// What the game reads of a SCRIPT.DAT's levels, as `dump` lists it, without
/// what only tells the files apart: string and file numbers and offsets. Of
/// the title only its camera, file and track, all a project has a place for.
/// The commands of a block are sorted by kind, each kind's in its order: a
/// command sets its own state, so only the order within a kind (the last
/// LoadCamera wins) is the game's concern, and the community's compiler
/// writes the kinds in an order of its own.
std::string levelsAsTheGameReadsThem(const std::string& scriptDat, const std::string& languageDat)
{
    static const std::regex numbers(R"(((name|file|Legend:) )\d+ |, at byte \d+|(  Title: .*), options .*)");
    const auto kind = [](const std::string& line) { return line.substr(0, line.find(':')); };
    std::istringstream listing(dumpDat(scriptDat, languageDat));
    std::string levels;
    std::vector<std::string> commands;
    for (std::string line; std::getline(listing, line);) {
        line = std::regex_replace(line, numbers, "$1$3");
        if (line.starts_with("  Level:") || line.starts_with("  Title:")) {
            std::stable_sort(commands.begin(), commands.end(),
                             [&](const std::string& a, const std::string& b) { return kind(a) < kind(b); });
            for (const std::string& command : commands)
                levels += command + "\n";
            commands.clear();
            levels += line + "\n";
        } else if (line.starts_with("  ") && (!levels.ends_with("Title,\n") || line.starts_with("  LoadCamera:"))) {
            commands.push_back(line);
        } else if (line.starts_with("Title,") || (line.starts_with("Level ") && std::isdigit(line[6]))) {
            levels += kind(line) + ",\n";
        }
    }
    return levels;
}

TEST(SourceImport, WhatBuildWroteComesBackFromItsDatsAsTheSameDats)
{
    // The defaults, projects that hold every command and the stock levels in their packs, and a long name.
    std::vector<ProjectState> projects{ProjectState::withDefaults()};
    const std::filesystem::path allCommands = testData("compiler/golden/all_commands");
    projects.push_back(imported(readBytes(allCommands / "Script.txt"), readBytes(allCommands / "English.txt")).project);
    projects.push_back(imported(std::string(resources::stockScript()), std::string(resources::stockEnglish())).project);
    projects.push_back(ProjectState::withDefaults());
    projects.back().level(3).levelName = std::string(3000, 'N');  // longer than any string of a real game
    for (const ProjectState& project : projects) {
        const std::vector<DatFile> dats = datsOf(project);
        ASSERT_EQ(dats.size(), 2U);
        std::string fault;
        const auto decoded = decodeDats(dats[0].bytes, dats[1].bytes, fault);
        ASSERT_TRUE(decoded) << fault;
        EXPECT_TRUE(decoded->leftOut.empty()) << formatReport(decoded->leftOut);
        const std::vector<DatFile> again = datsOf(imported(decoded->script, decoded->language).project);
        ASSERT_EQ(again.size(), 2U);
        EXPECT_EQ(again[0].bytes, dats[0].bytes);
        EXPECT_EQ(again[1].bytes, dats[1].bytes);
    }
}

TEST(SourceImport, RealGamesReportEachLineLeftOut)
{
    for (const char* name : {"castigavi-TRLE_TRFR", "joey79100-trle-aod_animations"}) {
        SCOPED_TRACE(name);
        auto folder = readScriptFolder(std::filesystem::path(ORVANTA_REALWORLD_DIR) / name);
        ASSERT_TRUE(folder);
        const auto game = importSources(gameSources(folder.value()));
        ASSERT_TRUE(game);
        EXPECT_EQ(formatReport(game->leftOut), readBytes(testData("importer/reports") / (name + std::string(".txt"))));
    }
}

TEST(SourceImport, RealGamesDatsHoldWhatTheirImportHoldsAndItBuildsOnlyWithoutTrng)
{
    for (const auto& [name, languageDat] :
         {std::pair{"castigavi-TRLE_TRFR", "ENGLISH.DAT"}, std::pair{"joey79100-trle-aod_animations", "English.DAT"}}) {
        SCOPED_TRACE(name);
        const std::filesystem::path folder = std::filesystem::path(ORVANTA_REALWORLD_DIR) / name;
        auto sources = readScriptFolder(folder);
        ASSERT_TRUE(sources);
        const auto game = importSources(gameSources(sources.value()));
        ASSERT_TRUE(game);
        const std::string english = englishText(game->project);
        const DatBuild built = buildDats({"Script.txt", scriptText(game->project)}, [&](std::string_view) {
            return std::optional<SourceFile>({"English.txt", english, 1});
        });
        EXPECT_TRUE(built.dats.empty());
        EXPECT_TRUE(std::any_of(built.problems.begin(), built.problems.end(),
                                [](const Problem& problem) { return problem.message == kTrngReason; }));
        ASSERT_GE(built.withoutTrngData.size(), 2U);
        EXPECT_EQ(levelsAsTheGameReadsThem(built.withoutTrngData[0].bytes, built.withoutTrngData[1].bytes),
                  levelsAsTheGameReadsThem(readBytes(folder / "SCRIPT.DAT"), readBytes(folder / languageDat)));
    }
}

}  // namespace
}  // namespace orvanta::test
