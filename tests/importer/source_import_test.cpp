// Bringing a game's sources into a project: what Orvanta wrote comes back
// as the same bytes, and what it cannot keep is reported.
#include "compiler/dat_build.h"
#include "importer/script_folder.h"
#include "importer/source_import.h"
#include "projectfile/project_file_reader.h"
#include "script/english_writer.h"
#include "script/script_writer.h"
#include "support/files.h"

#include <gtest/gtest.h>

namespace orvanta::test {
namespace {

ImportedGame imported(const std::string& script, const std::string& english)
{
    auto game = importSources({{"Script.txt", script, 0}, SourceFile{"English.txt", english, 1}, {}});
    EXPECT_TRUE(game.has_value());
    return game ? std::move(*game) : ImportedGame{};
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

}  // namespace
}  // namespace orvanta::test
