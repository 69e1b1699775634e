#include "resources/stock_texts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace orvanta {
namespace {

struct Shape {
    std::size_t bytes;
    std::size_t lines;
};

/// Size and line count of a text whose every line ends in CR LF; a line end
/// without its CR, or text after the last line end, fails the test.
Shape shapeOf(std::string_view text)
{
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
            ++lines;
        }
    }
    EXPECT_TRUE(text.ends_with("\r\n"));
    return {text.size(), lines};
}

void expectShape(std::string_view text, std::size_t bytes, std::size_t lines)
{
    const Shape shape = shapeOf(text);
    EXPECT_EQ(shape.bytes, bytes);
    EXPECT_EQ(shape.lines, lines);
}

TEST(StockTexts, HaveTheirKnownSizesAndLineCounts)
{
    expectShape(resources::scriptHeader(), 845, 40);
    expectShape(resources::inventoryItems(), 2067, 130);
    expectShape(resources::englishHeader(), 254, 10);
    expectShape(resources::englishMiddle(), 227, 18);
    expectShape(resources::englishEnd(), 4733, 227);
    expectShape(resources::stockScript(), 9520, 241);
    expectShape(resources::stockEnglish(), 8102, 429);
    const Shape packs[] = {{539, 8}, {601, 9},  {519, 8},  {694, 11}, {757, 12}, {585, 9},
                           {826, 12}, {62, 1}, {804, 13}, {133, 2},  {826, 12}};
    for (int level = 1; level <= 11; ++level) {
        SCOPED_TRACE(level);
        const Shape& expected = packs[level - 1];
        expectShape(resources::defaultLevelPack(level), expected.bytes, expected.lines);
    }
}

TEST(StockTexts, BeginAndEndAsTheGameFilesDo)
{
    EXPECT_TRUE(resources::scriptHeader().ends_with("\r\n[Options]\r\n"));
    EXPECT_NE(resources::scriptHeader().find("; Tomb Raider IV Script File\r\n; Built using Orvanta\r\n"),
              std::string_view::npos);
    EXPECT_TRUE(resources::inventoryItems().starts_with(
        "Uzi\r\nPistols\r\nShotgun\r\nRevolver\r\nRevolver + LaserSight\r\nCrossbow\r\n"));
    EXPECT_TRUE(resources::inventoryItems().ends_with("Bag of Sand\r\nJerrycan\r\n"));
    EXPECT_TRUE(resources::englishMiddle().ends_with("\\x14 Combine\r\n;\r\n"));
    EXPECT_TRUE(resources::englishEnd().starts_with("Yes\r\nNo\r\nLoad Game\r\nNew Game\r\nPaused\r\n"));
    EXPECT_TRUE(resources::englishEnd().ends_with("THE LAST STRING ENTRY\r\n"));
    EXPECT_TRUE(resources::stockScript().ends_with("\r\nLevel=\t\tDATA\\NEWCITY,102\r\n"));
    EXPECT_EQ(resources::defaultLevelPack(8),
              "Puzzle=\t\t1,Golden Skull,\t$0001,$0180,$9000,$0000,$0000,$0002\r\n");
    EXPECT_TRUE(resources::defaultLevelPack(1).starts_with(
        "PuzzleCombo=\t3,1,Cartouche Piece 1,\t$0000,$0400,$0000,$0000,$0000,$0002\r\n"));
    EXPECT_TRUE(resources::defaultLevelPack(9).starts_with("AnimatingMip=\t1,7\r\n"));
    EXPECT_EQ(resources::defaultLevelPack(7), resources::defaultLevelPack(11));
}

TEST(StockTexts, DefaultPacksNameOnlyItemsOfTheInventoryList)
{
    const std::string_view inventory = resources::inventoryItems();
    for (int level = 1; level <= 11; ++level) {
        std::string_view pack = resources::defaultLevelPack(level);
        for (std::size_t end; (end = pack.find("\r\n")) != std::string_view::npos;
             pack.remove_prefix(end + 2)) {
            const std::string_view line = pack.substr(0, end);
            if (line.starts_with("AnimatingMip="))
                continue;
            // key, white space, numbers, the display name, a comma, white space, six values
            const std::size_t valuesAt = line.find('$');
            ASSERT_NE(valuesAt, std::string_view::npos) << line;
            const std::string_view fields = line.substr(0, line.find_last_not_of(" \t", valuesAt - 1));
            const std::string_view name = fields.substr(fields.find_last_of(',', fields.size() - 1) + 1);
            EXPECT_NE(inventory.find("\r\n" + std::string(name) + "\r\n"), std::string_view::npos)
                << "level " << level << ": " << line;
            EXPECT_EQ(line.size() - valuesAt, 35U) << line;
        }
    }
}

TEST(StockTexts, EnglishBlocksAreTheReferenceBytes)
{
    const auto reference = std::filesystem::path(ORVANTA_REFERENCE_DIR) / "English.txt";
    if (!std::filesystem::exists(reference))
        GTEST_SKIP() << "the reference texts are not beside this checkout";
    const std::string english = test::readBytes(reference);
    EXPECT_EQ(resources::stockEnglish(), english);
    EXPECT_TRUE(english.starts_with(resources::englishHeader()));
    EXPECT_TRUE(english.ends_with(resources::englishEnd()));
    EXPECT_NE(english.find(std::string(resources::inventoryItems()) + "\r\n" +
                           std::string(resources::englishEnd())),
              std::string::npos);
}

TEST(StockTexts, StockScriptBeginsWithTheReferenceFragment)
{
    const auto reference = std::filesystem::path(ORVANTA_REFERENCE_DIR) / "Script-fragment.txt";
    if (!std::filesystem::exists(reference))
        GTEST_SKIP() << "the reference texts are not beside this checkout";
    const std::string fragment = test::readBytes(reference);
    EXPECT_TRUE(resources::stockScript().starts_with(fragment));
    EXPECT_NE(fragment.find(resources::defaultLevelPack(1)), std::string::npos);
    // The header shares everything after its banner with the stock script.
    const std::string_view header = resources::scriptHeader();
    const std::size_t afterBanner = header.find("\r\n\r\n;---");
    EXPECT_NE(fragment.find(header.substr(afterBanner)), std::string::npos);
}

} // namespace
} // namespace orvanta
