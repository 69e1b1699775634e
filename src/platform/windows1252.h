#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta::windows1252 {

/// The character a Windows-1252 byte stands for. The five bytes the code page
/// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of
/// the same value, as Windows itself maps them, so every byte round-trips.
char32_t toUnicode(unsigned char byte);

/// The byte for a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> fromUnicode(char32_t character);

/// Windows-1252 text as UTF-8.
std::string toUtf8(std::string_view text);

}  // namespace orvanta::windows1252
