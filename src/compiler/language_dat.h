#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// A language .DAT taken apart: its three groups of strings (generic, PSX,
/// PC), decoded, with the byte sizes its header gives.
struct LanguageDat {
    static constexpr std::array<const char*, 3> kGroupNames{"Generic", "PSX", "PC"};
    std::array<std::vector<std::string>, 3> groups;
    std::array<std::uint32_t, 3> sizes{};
    /// TRNG's own strings, which its tools append after the standard ones ("NG" first).
    std::string_view extraData;

    /// Every string in the game's order, by the index SCRIPT.DAT uses.
    std::vector<std::string> strings() const;
};

/// Whether bytes have the shape of a language .DAT: their counts, sizes and
/// offsets add up to exactly their length, or are followed by TRNG's data.
bool isLanguageDat(std::string_view bytes);

/// The strings of a language .DAT, or nothing when the bytes do not have its
/// shape. Offsets may point anywhere in the string bytes; a string is read up
/// to its 0, at most kShownStringBytes of it. The result views `bytes`.
std::optional<LanguageDat> readLanguageDat(std::string_view bytes);

inline constexpr std::size_t kShownStringBytes = 1024;  // far above any game text

}  // namespace orvanta
