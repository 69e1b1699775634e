// SCRIPT.DAT read as the game reads it: block by block, each command applied
// as it is read, the level started at its Level or Title opcode. What the
// game must read is taken from the Script.txt lines themselves, and the
// reading is held against the DATs the community's tools built for
// published games.
#include "compiler/dat_build.h"
#include "compiler/dat_dump.h"
#include "compiler/script_dat.h"
#include "compiler/source_lines.h"
#include "pipeline/game_build.h"
#include "platform/text_lines.h"
#include "resources/stock_texts.h"
#include "support/files.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using test::readBytes;
using test::testData;

/// A [Title] or [Level] section of a Script.txt, as a builder reads it.
struct SourceSection {
    bool title = false;
    std::vector<std::string> commandKeys;  ///< lines that carry values, in order
    std::string levelFile;
    std::string track;
};

/// The sections of a Script.txt, the title first: every "Key=value" line but
/// Name=, Level= and the ENABLED/DISABLED switches must reach the game.
std::vector<SourceSection> sections(std::string_view script)
{
    std::vector<SourceSection> found;
    bool inLevel = false;
    forEachSourceLine(script, [&](const SourceLine& line) {
        if (const auto name = sectionName(line.text)) {
            inLevel = sameWord(*name, "Title") || sameWord(*name, "Level");
            if (inLevel)
                found.push_back({sameWord(*name, "Title"), {}, {}, {}});
            return;
        }
        const auto command = commandLine(line.text);
        if (!inLevel || !command)
            return;
        if (sameWord(command->key, "Level")) {
            const auto values = splitValues(command->value);
            found.back().levelFile = std::string(values.at(0));
            found.back().track = std::string(values.at(1));
        } else if (!sameWord(command->key, "Name") && !sameWord(command->value, "ENABLED") &&
                   !sameWord(command->value, "DISABLED")) {
            found.back().commandKeys.emplace_back(command->key);
        }
    });
    std::stable_partition(found.begin(), found.end(), [](const SourceSection& s) { return s.title; });
    return found;
}

/// The key a read command stands for: "ResidentCut3" is ResidentCut= 3.
bool standsFor(const DatCommand& command, const std::string& key)
{
    const std::string name(command.meaning.command->name);
    return sameWord(key, name) || sameWord(key, name + std::to_string(command.meaning.number));
}

struct BuiltScript {
    std::string name;
    std::string script;
    std::string scriptDat;
};

std::vector<BuiltScript> builtScripts()
{
    std::vector<BuiltScript> built;
    const GameBuild defaults = buildGameFiles(ProjectState::withDefaults());
    built.push_back({"defaults", defaults.files.scriptTxt, defaults.files.scriptDat});
    std::string stock;
    appendLine(stock, resources::stockScript());
    built.push_back({"stock", stock, {}});
    built.push_back({"all_commands", readBytes(testData("compiler/golden/all_commands/Script.txt")), {}});
    const std::string english = readBytes(testData("compiler/golden/all_commands/English.txt"));
    std::string stockEnglish;
    appendLine(stockEnglish, resources::stockEnglish());
    for (std::size_t i = 1; i < built.size(); ++i) {
        const std::string& strings = i == 1 ? stockEnglish : english;
        const DatBuild compiled = buildDats({"Script.txt", built[i].script}, [&](std::string_view) {
            return std::optional<SourceFile>({"English.txt", strings});
        });
        built[i].scriptDat = compiled.dats.empty() ? std::string() : compiled.dats.front().bytes;
    }
    return built;
}

TEST(GameReading, EveryCommandOfEveryBuiltSectionIsReadBeforeItsLevelStarts)
{
    for (const BuiltScript& script : builtScripts()) {
        SCOPED_TRACE(script.name);
        const ScriptDat dat = readScriptDat(script.scriptDat);
        const std::vector<SourceSection> expected = sections(script.script);
        ASSERT_EQ(dat.levels.size(), expected.size());
        EXPECT_TRUE(dat.readWhole());
        EXPECT_EQ(dat.extraData, "");
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE("block " + std::to_string(i));
            const DatLevelBlock& block = dat.levels[i];
            ASSERT_TRUE(block.start.has_value());
            EXPECT_EQ(block.start->title, expected[i].title);
            EXPECT_TRUE(block.unread.empty());
            EXPECT_TRUE(block.ended);
            ASSERT_EQ(block.applied.size(), expected[i].commandKeys.size());
            for (std::size_t c = 0; c < block.applied.size(); ++c)
                EXPECT_TRUE(standsFor(block.applied[c], expected[i].commandKeys[c])) << expected[i].commandKeys[c];
            ASSERT_LT(block.start->fileIndex, dat.levelFiles.size());
            EXPECT_EQ(dat.levelFiles[block.start->fileIndex], expected[i].levelFile);
            EXPECT_EQ(std::to_string(block.start->audio), std::to_string(std::stoi(expected[i].track)));
        }
    }
}

TEST(GameReading, ALevelFileTwoLevelsLoadIsHeldOnce)
{
    const ScriptDat dat = readScriptDat(readBytes(testData("compiler/golden/all_commands/SCRIPT.DAT")));
    ASSERT_EQ(dat.levels.size(), 4U);
    EXPECT_EQ(dat.levelFiles, (std::vector<std::string>{"DATA\\TITLE", "DATA\\EVERY", "DATA\\PLAIN"}));
    EXPECT_EQ(dat.fileNameCount, 3U);
    EXPECT_EQ(dat.levels[3].start->fileIndex, dat.levels[1].start->fileIndex);
}

std::filesystem::path realworld(std::string_view relative)
{
    return std::filesystem::path(ORVANTA_REALWORLD_DIR) / relative;
}

// The two published games: every level block starts its level at its last
// opcode, the title's after its LoadCamera, and TRNG's data follows the
// language file names as one block.
TEST(GameReading, RealGamesReadAsTheGameReadsThem)
{
    struct RealGame {
        const char* dat;
        std::size_t levels;
        std::vector<std::string> listed;  // lines the listing must hold
    };
    const std::vector<RealGame> games{
        {"castigavi-TRLE_TRFR/SCRIPT.DAT",
         3,
         {"Title, at byte 99:\n  LoadCamera: 8702, -1026, 9726, 8702, -1026, 8702, 5\n"
          "  Title: file 0 \"DATA\\TITLE\", audio 0, options $0004 Horizon\n  End\n",
          "  Key 1: name 10 \"Tomb Key\", $0000, $0400, $0000, $c000, $0000, $0002\n",
          "  ResetHUB: 2\n  Level: name 5 \"Abandoned Mines\", file 1 \"DATA\\LVL2\", audio 1, options $0404 Horizon "
          "ResetHUB\n  End\n",
          "Language files: \"ENGLISH.DAT\" \"FRENCH.DAT\" \"GERMAN.DAT\" \"ITALIAN.DAT\" \"SPANISH.DAT\"\nTRNG data: "
          "3706 bytes after the language file names"}},
        {"joey79100-trle-aod_animations/SCRIPT.DAT",
         2,
         {"  LoadCamera: 84246, -533, 78233, 81622, -1514, 78208, 40\n  Title: file 0 \"DATA\\TITLE\", audio 25",
          "  Level: name 2 \"Demo - Lara\", file 1 \"DATA\\DEMO\", audio 31, options $021c Horizon Layer1 Layer2 "
          "ColAddHorizon\n  End\n",
          "Language files: \"English.DAT\"\nTRNG data: 8136 bytes after the language file names"}},
    };
    for (const RealGame& game : games) {
        SCOPED_TRACE(game.dat);
        const std::filesystem::path file = realworld(game.dat);
        const std::string bytes = readBytes(file);
        const ScriptDat dat = readScriptDat(bytes);
        EXPECT_EQ(dat.levels.size(), game.levels);
        EXPECT_TRUE(dat.readWhole());
        EXPECT_TRUE(isTrngData(dat.extraData));
        std::string language;
        for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
            if (sameWord(entry.path().filename().string(), dat.languageFiles.at(0)))
                language = readBytes(entry.path());
        }
        const std::string listing = dumpDat(bytes, language);
        for (const std::string& line : game.listed)
            EXPECT_NE(listing.find(line), std::string::npos) << line << "\nnot in\n" << listing;
    }
}

/// A SCRIPT.DAT of one level file "DATA\T" and the given level blocks, laid
/// out as the format's description gives it.
std::string handMadeDat(const std::vector<std::string>& blocks)
{
    const auto u16 = [](std::size_t value) { return std::string{char(value & 0xFF), char(value >> 8)}; };
    std::string data, offsets;
    for (const std::string& block : blocks) {
        offsets += u16(data.size());
        data += block;
    }
    const std::string path("DATA\\T\0", 7);
    std::string dat("\x02\0\0\0\0\0\0\0\x55", 9);
    dat += char(blocks.size());
    dat += std::string("\x01\0", 2) + u16(path.size()) + u16(data.size()) + std::string(40, '\0');
    return dat + u16(0) + path + offsets + data + std::string("ENGLISH.DAT\0", 12);
}

TEST(GameReading, WhatTheGameNeverReadsOrCannotReadIsSaidWhereItStands)
{
    const std::string title("\x82\x00\x00\x00\x05", 5);
    const std::string dat = readBytes(testData("compiler/golden/defaults/SCRIPT.DAT"));
    for (const auto& [bytes, said] : std::vector<std::pair<std::string, std::string>>{
             {dat.substr(0, 55), "! too short for the 56-byte header"},
             {dat.substr(0, 70), "! the tables and the level data run past the end of the file"},
             {handMadeDat({title + "\x8c\x01\x92\x03\x83"}),
              "  Title: file 0 \"DATA\\T\", audio 5, options $0000\n"
              "  Never read by the game, which starts the level at its Title opcode:\n"
              "    Legend: 1\n    ResetHUB: 3\n  End\n"},
             {handMadeDat({"\x8c\x01\x83"}), "  Legend: 1\n  ! no Level or Title opcode before End"},
             {handMadeDat({"\x8c\x01\x7f" + title + "\x83"}),
              "  Legend: 1\n  ! unknown opcode $7f at byte 69; the rest of this block is not read\n"},
             {handMadeDat({title}), "  ! the block ends without its End opcode"},
             {handMadeDat({title + "\x83", ""}),
              "Level 1, at byte 75:\n  ! the block begins at or past the end of the level data"},
             {std::string("\x02\0\0\0\0\0\x02\0\0\0\0\0\0\0\0\0\xE4\0", 18),
              "Generic 0 (string 0): \"A\"\nGeneric 1 (string 1): the same as string 0\n"},
         }) {
        EXPECT_NE(dumpDat(bytes).find(said), std::string::npos) << said << "\nnot in\n" << dumpDat(bytes);
        EXPECT_FALSE(readScriptDat(bytes).readWhole());
    }
    EXPECT_TRUE(readScriptDat(handMadeDat({title + "\x83"})).readWhole());
}

}  // namespace
}  // namespace orvanta
