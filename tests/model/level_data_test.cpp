#include "model/level_data.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(LevelData, DecodesAnyStringAndEncodesItsLettersInFixedOrder)
{
    struct Case {
        const char* data;
        const char* encodedAgain;  // options in the fixed order, the camera text as it was
        bool included;
    };
    const Case cases[] = {
        {"*ixhy,7835,-569,88960,5000,-323,88346,20", "*ixhy,7835,-569,88960,5000,-323,88346,20", true},
        {"*itfylbhx, 1, 2 ,\t", "*ixhblyft, 1, 2 ,\t", true},  // letters set in any order
        {"*hi,5", "*ih,5", false},                             // the include test reads the second character
        {"*,h", "*,h", false},                                 // letters after the comma are camera text
        {"*IH,5", "*,5", false},                               // upper case is no option
        {"*ih", "*ih,", true},                                 // no comma: all letters, no camera
        {"ih,1", "*ih,1", false},                              // no leading asterisk
        {"*hh9z ,x,y", "*h,x,y", false},                       // doubles, digits, other characters
        {"i", "*i,", true},
        {"ii", "*i,", true},
        {"*", "*,", false},
        {"", "*,", false},
    };
    for (const Case& c : cases) {
        const DecodedLevelData decoded = decodeLevelData(c.data);
        EXPECT_EQ(encodeLevelData(decoded.options, decoded.camera), c.encodedAgain) << c.data;
        EXPECT_EQ(passesIncludeTest(c.data), c.included) << c.data;
    }
}

}  // namespace
}  // namespace orvanta
