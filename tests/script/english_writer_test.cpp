#include "model/project_state.h"
#include "resources/stock_texts.h"
#include "script/english_writer.h"
#include "support/lines.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvanta {
namespace {

using test::linesOf;
using Lines = std::vector<std::string>;

constexpr std::size_t kTitleLine = 15;  // 0-based: header, blank, [Strings], legends, blank

TEST(EnglishWriter, DefaultsGiveTheGoldenFile)
{
    EXPECT_EQ(englishText(ProjectState::withDefaults()),
              test::readBytes(test::testData("golden/defaults/English.txt")));
}

TEST(EnglishWriter, DefaultsEqualTheStockFileButForTheKnownDifferences)
{
    const Lines stock = linesOf(resources::stockEnglish());
    const Lines written = linesOf(englishText(ProjectState::withDefaults()));
    ASSERT_EQ(written.size(), stock.size() + 1);
    EXPECT_EQ(written.back(), "");  // one more empty line at the end
    for (std::size_t i = 0; i < stock.size(); ++i) {
        const std::size_t line = i + 1;
        if (line == 54) {
            // The middle block's comment line is this program's own.
            EXPECT_TRUE(written[i].starts_with("; ")) << written[i];
        } else if (line == 70 || line == 71) {
            // Stock: an empty line and a comment; written: ";" and an empty line.
            EXPECT_EQ(stock[69], "");
            EXPECT_TRUE(stock[70].starts_with("; these are the normal inventory"));
            EXPECT_EQ(written[69], ";");
            EXPECT_EQ(written[70], "");
        } else {
            EXPECT_EQ(written[i], stock[i]) << "line " << line;
        }
    }
}

TEST(EnglishWriter, PutsTheProjectNamesAtTheirFixedPlaces)
{
    ProjectState project = ProjectState::withDefaults();
    for (int level = 1; level <= kLevelCount; ++level)
        project.level(level).levelName = "L" + std::to_string(level);
    project.slot(1).levelName = "T";
    project.level(3).levelData = "*,";  // excluded from Script.txt, still named here
    const Lines lines = linesOf(englishText(project));
    const Lines names(lines.begin() + kTitleLine, lines.begin() + kTitleLine + 37);
    EXPECT_EQ(names,
              (Lines{"T", "L1", "L2", "Burial Chambers", "Valley Of The Kings", "KV5", "L3",
                     "The Great Hypostyle Hall", "Empty Level Slot", "L8", "L10", "L8", "Desert Railroad",
                     "Alexandria", "L4", "Pharos, Temple Of Isis", "L6", "L5", "Temple Of Poseidon", "L9",
                     "Hall Of Demetrius", "L7", "L11", "Chambers Of Tulun", "Citadel Gate", "Street Bazaar",
                     "Citadel", "The Sphinx Complex", "The Valley Temple", "Underneath The Sphinx",
                     "Menkaure's Pyramid", "Inside Menkaure's Pyramid", "The Mastabas", "The Great Pyramid",
                     "Khufu's Queens Pyramids", "Inside The Great Pyramid", "Temple Of Horus"}));
    EXPECT_EQ(lines[kTitleLine + 37], "");  // the middle block begins with an empty line
}

TEST(EnglishWriter, LegendsComeSecondFirstAndEmptyTextsKeepTheirPlace)
{
    ProjectState project = ProjectState::withDefaults();
    project.firstLegend = "";
    project.secondLegend = "Second";
    project.level(2).levelName = "";
    project.level(1).levelName = "KV5";
    const Lines lines = linesOf(englishText(project));
    EXPECT_EQ(lines[11], "[Strings]");
    EXPECT_EQ(lines[12], "Second");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[kTitleLine + 1], "KV5");
    EXPECT_EQ(lines[kTitleLine + 2], "");
    EXPECT_EQ(lines[kTitleLine + 5], "KV5");
    EXPECT_EQ(lines.size(), linesOf(englishText(ProjectState::withDefaults())).size());
}

TEST(EnglishWriter, InventoryListIsWrittenAsHeld)
{
    ProjectState project = ProjectState::withDefaults();
    project.inventoryItems = "Only One Item";  // no final line break
    const std::string text = englishText(project);
    EXPECT_NE(text.find("\\x14 Combine\r\n;\r\n\r\nOnly One Item\r\nYes\r\n"), std::string::npos);
}

} // namespace
} // namespace orvanta
