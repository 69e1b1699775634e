// "Restore Default Files" gives the game's own files back: the stock texts
// are checked against the reference copies beside this checkout.
#include "resources/stock_texts.h"
#include "support/files.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(StockTexts, AreTheGamesOwnFiles)
{
    const auto reference = std::filesystem::path(ORVANTA_REFERENCE_DIR);
    if (!std::filesystem::exists(reference / "English.txt"))
        GTEST_SKIP() << "the reference texts are not beside this checkout";
    EXPECT_EQ(resources::stockEnglish(), test::readBytes(reference / "English.txt"));
    const std::string fragment = test::readBytes(reference / "Script-fragment.txt");
    EXPECT_TRUE(resources::stockScript().starts_with(fragment));
    EXPECT_TRUE(resources::stockScript().ends_with("\r\nLevel=\t\tDATA\\NEWCITY,102\r\n"));
}

}  // namespace
}  // namespace orvanta
