// SCRIPT.DAT and ENGLISH.DAT of the defaults, the stock files and a script
// that uses every command, against golden bytes and a golden listing
// (dump.txt) that shows every field of the layout.
#include "compiler/dat_build.h"
#include "compiler/dat_dump.h"
#include "pipeline/game_build.h"
#include "platform/text_lines.h"
#include "resources/stock_texts.h"
#include "support/files.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

using test::readBytes;
using test::testData;

struct Built {
    std::string scriptDat;
    std::string englishDat;
};

Built compileSources(std::string script, std::string english, const std::vector<std::string>& warnings = {})
{
    const DatBuild compiled = buildDats({"Script.txt", std::move(script)}, [&english](std::string_view listed) {
        return listed == "ENGLISH.TXT" ? std::optional<SourceFile>({"English.txt", english}) : std::nullopt;
    });
    std::vector<std::string> problems;
    for (const Problem& problem : compiled.problems)
        problems.push_back(formatProblem(problem));
    EXPECT_EQ(problems, warnings);
    EXPECT_EQ(compiled.dats.size(), 2U);
    return compiled.dats.size() == 2 ? Built{compiled.dats[0].bytes, compiled.dats[1].bytes} : Built{};
}

Built defaults()
{
    const GameBuild build = buildGameFiles(ProjectState::withDefaults());
    EXPECT_TRUE(build.problems.empty());
    return {build.files.scriptDat, build.files.englishDat};
}

Built stock()
{
    std::string script;
    std::string english;
    appendLine(script, resources::stockScript());
    appendLine(english, resources::stockEnglish());
    return compileSources(script, english);
}

Built allCommands()
{
    return compileSources(readBytes(testData("compiler/golden/all_commands/Script.txt")),
                          readBytes(testData("compiler/golden/all_commands/English.txt")),
                          {"Script.txt:23: warning: DemoDisc= is ENABLED: the game goes back to the title after every "
                           "level instead of going on to the next"});
}

TEST(DatGolden, BuildsMatchTheGoldenBytesAndListing)
{
    const std::vector<std::pair<std::string, Built>> cases{
        {"defaults", defaults()}, {"stock", stock()}, {"all_commands", allCommands()}};
    for (const auto& [name, built] : cases) {
        SCOPED_TRACE(name);
        const auto golden = testData("compiler/golden/" + name);
        const std::string listing = dumpDat(built.scriptDat, built.englishDat) + dumpDat(built.englishDat);
        if (std::getenv("ORVANTA_UPDATE_GOLDEN") != nullptr) {
            test::writeBytes(golden / "SCRIPT.DAT", built.scriptDat);
            test::writeBytes(golden / "ENGLISH.DAT", built.englishDat);
            test::writeBytes(golden / "dump.txt", listing);
        }
        EXPECT_EQ(built.scriptDat, readBytes(golden / "SCRIPT.DAT"));
        EXPECT_EQ(built.englishDat, readBytes(golden / "ENGLISH.DAT"));
        EXPECT_EQ(listing, readBytes(golden / "dump.txt"));
    }
    // A CR that ends the file, the rest of a CR LF cut off, is no part of its line.
    std::string cut;
    appendLine(cut, resources::stockScript());
    cut.pop_back();
    std::string english;
    appendLine(english, resources::stockEnglish());
    EXPECT_EQ(compileSources(cut, english).scriptDat, stock().scriptDat);
}

}  // namespace
}  // namespace orvanta
