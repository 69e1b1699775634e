#include "model/level_data.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace orvanta {
namespace {

LevelOptions optionsOf(std::initializer_list<LevelOption> set)
{
    LevelOptions options;
    for (LevelOption option : set)
        options.set(option);
    return options;
}

using enum LevelOption;

TEST(LevelData, EncodesLettersInFixedOrderWhateverOrderTheyWereSet)
{
    EXPECT_EQ(encodeLevelData({}, ""), "*,");
    EXPECT_EQ(encodeLevelData(optionsOf({Lensflare, Horizon, IncludeInScript}), "1,2"), "*ihf,1,2");
    EXPECT_EQ(encodeLevelData(optionsOf({Train, Lensflare, YoungLara, Lightning, BlendHorizon,
                                         Horizon, Legend, IncludeInScript}),
                              ""),
              "*ixhblyft,");
    EXPECT_EQ(encodeLevelData(optionsOf({Legend, IncludeInScript}), "cam").substr(0, 3), "*ix");
}

TEST(LevelData, KeepsCameraTextExactlyAsTyped)
{
    for (const char* camera : {"1, 2, 3", " 7835,-569 ", ",,,", "h", "a\tb"}) {
        const std::string encoded = encodeLevelData(optionsOf({IncludeInScript}), camera);
        EXPECT_EQ(decodeLevelData(encoded).camera, camera);
    }
}

TEST(LevelData, DecodesStockStringAndEncodesItBack)
{
    const std::string stock = "*ixhy,7835,-569,88960,5000,-323,88346,20";
    const DecodedLevelData decoded = decodeLevelData(stock);
    EXPECT_EQ(decoded.options, optionsOf({IncludeInScript, Legend, Horizon, YoungLara}));
    EXPECT_EQ(decoded.camera, "7835,-569,88960,5000,-323,88346,20");
    EXPECT_EQ(encodeLevelData(decoded.options, decoded.camera), stock);
}

TEST(LevelData, DecodingFollowsTheRulesForOddStrings)
{
    struct Case {
        const char* data;
        LevelOptions options;
        const char* camera;
    };
    const Case cases[] = {
        {"*hi,5", optionsOf({IncludeInScript, Horizon}), "5"},     // letter order ignored
        {"*,h", {}, "h"},                                           // letters after the comma
        {"*IH,5", {}, "5"},                                         // upper case is no option
        {"*ih", optionsOf({IncludeInScript, Horizon}), ""},        // no comma: all letters
        {"", {}, ""},                                               // empty
        {"ih,1", optionsOf({IncludeInScript, Horizon}), "1"},      // no leading asterisk
        {"*hh9z ,x,y", optionsOf({Horizon}), "x,y"},               // doubles, digits, others
        {"*,", {}, ""},
    };
    for (const Case& c : cases) {
        const DecodedLevelData decoded = decodeLevelData(c.data);
        EXPECT_EQ(decoded.options, c.options) << c.data;
        EXPECT_EQ(decoded.camera, c.camera) << c.data;
    }
    EXPECT_EQ(encodeLevelData(decodeLevelData("*hi,5").options, "5"), "*ih,5");
}

TEST(LevelData, IncludeTestLooksAtTheLastOfTheFirstTwoCharacters)
{
    EXPECT_TRUE(passesIncludeTest("*i,1"));
    EXPECT_TRUE(passesIncludeTest("*ih"));
    EXPECT_TRUE(passesIncludeTest("i"));
    EXPECT_TRUE(passesIncludeTest("ii"));
    EXPECT_FALSE(passesIncludeTest(""));
    EXPECT_FALSE(passesIncludeTest("*"));
    EXPECT_FALSE(passesIncludeTest("*,"));
    EXPECT_FALSE(passesIncludeTest("*hi,1"));
    EXPECT_FALSE(passesIncludeTest("*I,1"));
    EXPECT_FALSE(passesIncludeTest("ih,1"));
}

} // namespace
} // namespace orvanta
