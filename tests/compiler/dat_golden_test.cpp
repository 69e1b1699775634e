// SCRIPT.DAT and ENGLISH.DAT of the defaults, the stock files and a script
// that uses every command, against golden bytes and a golden listing
// (dump.txt) that shows every field of the layout.
#include "compiler/dat_dump.h"
#include "compiler/game_files.h"
#include "compiler/script_compiler.h"
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

Built compileSources(std::string script, std::string english)
{
    const ScriptCompilation compiled =
        compileScript({"Script.txt", std::move(script)}, [&english](std::string_view listed) {
            return listed == "ENGLISH.TXT" ? std::optional<SourceFile>({"English.txt", english}) : std::nullopt;
        });
    EXPECT_TRUE(compiled.problems.empty()) << formatProblem(compiled.problems.front());
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
                          readBytes(testData("compiler/golden/all_commands/English.txt")));
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
}

TEST(DatListing, SaysWhereBytesCannotBeRead)
{
    const std::string dat = readBytes(testData("compiler/golden/defaults/SCRIPT.DAT"));
    // The title's first command (LoadCamera): after the header, the two offset
    // tables, the file names and the title's 5-byte header opcode.
    const auto byte = [&dat](std::size_t at) { return static_cast<std::size_t>(static_cast<unsigned char>(dat[at])); };
    std::string unknownOpcode = dat;
    unknownOpcode[56 + 4 * byte(9) + (byte(12) | byte(13) << 8) + 5] = '\x7f';
    for (const auto& [bytes, said] : std::vector<std::pair<std::string, std::string>>{
             {dat.substr(0, 55), "! too short for the 56-byte header"},
             {dat.substr(0, 70), "! the offset tables end early"},
             {unknownOpcode, "! unknown opcode $7f at byte"},
             {dat.substr(0, dat.find("\x83")), "! the level data end before its end opcode"}})
        EXPECT_NE(dumpDat(bytes).find(said), std::string::npos) << said;
}

}  // namespace
}  // namespace orvanta
