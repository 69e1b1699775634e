#pragma once

#include <string_view>

/// The stock texts of the level editor package, embedded byte for byte from the
/// files beside this header (CR LF line ends, Windows-1252).
namespace orvanta::resources {

std::string_view scriptHeader();    ///< default Text24, the Header Pack
std::string_view inventoryItems();  ///< default Text25
std::string_view englishHeader();   ///< engheader: first block of English.txt
std::string_view englishMiddle();   ///< engmiddler: after the level names
std::string_view englishEnd();      ///< engender: last block of English.txt
std::string_view stockScript();     ///< scriptbox: the stock Script.txt
std::string_view stockEnglish();    ///< englishbox: the stock English.txt
/// The default script pack of level n (1..11); levels 7 and 11 share one text.
std::string_view defaultLevelPack(int level);

}  // namespace orvanta::resources
