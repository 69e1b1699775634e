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

/// The tail after the "**SWITCHES**" line: five switches, the input time-out,
/// the security value, twelve level data strings, "**BREAKER**", the script
/// folder and the Easylife location.
inline constexpr std::size_t kTailLines = 22;
inline constexpr std::size_t kTailBreakerOffset = 20;  // counted from the "**SWITCHES**" line

}  // namespace orvanta::projectfile
