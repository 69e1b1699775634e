#pragma once

#include <cstddef>
#include <string_view>

namespace orvanta::projectfile {

/// The first line by which a project file is recognised.
inline constexpr std::string_view kMagicLine = "- ORV 3.0 Custom Script File -";
/// Closes each level's script pack, and precedes the two paths at the end.
inline constexpr std::string_view kBreaker = "**BREAKER**";
/// Closes the inventory items list; the fixed-shape tail follows it.
inline constexpr std::string_view kSwitches = "**SWITCHES**";
/// Follows the Easylife location and opens the Header Pack, the last block of
/// the file. Readers that stop after the Easylife location never see it.
inline constexpr std::string_view kHeaderPack = "**HEADER PACK**";
/// The file's last line, after the Header Pack: without it the file was cut short.
inline constexpr std::string_view kHeaderPackEnd = "**HEADER PACK END**";

/// The tail after the "**SWITCHES**" line: five switches, the input time-out,
/// the security value, twelve level data strings, "**BREAKER**", the script
/// folder and the Easylife location.
inline constexpr std::size_t kTailLines = 22;
inline constexpr std::size_t kTailBreakerOffset = 20;  // counted from the "**SWITCHES**" line
/// The eleven level packs and the inventory items list, each a block.
inline constexpr std::size_t kPackBlocks = 12;

}  // namespace orvanta::projectfile
