#include "platform/windows1252.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(Windows1252, EveryByteHasOneCharacterAndOtherCharactersNoByte)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t character = windows1252::toUnicode(static_cast<unsigned char>(byte));
        EXPECT_EQ(windows1252::fromUnicode(character), static_cast<unsigned char>(byte)) << byte;
    }
    EXPECT_EQ(windows1252::toUnicode(0x80), U'\u20AC');
    EXPECT_EQ(windows1252::toUnicode(0x9F), U'\u0178');
    EXPECT_EQ(windows1252::toUnicode(0xE9), U'\u00E9');
    for (char32_t outside : {U'\u0080', U'\u0100', U'\u65E5', U'\U0001F600'})
        EXPECT_FALSE(windows1252::fromUnicode(outside)) << static_cast<int>(outside);
    EXPECT_EQ(windows1252::toUtf8("A\x7F\x80\xE9\xFF"), "A\x7F\xE2\x82\xAC\xC3\xA9\xC3\xBF");
}

}  // namespace
}  // namespace orvanta
