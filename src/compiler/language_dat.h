#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// A language .DAT taken apart: its three groups of strings (generic, PSX,
/// PC), decoded, with the byte sizes its header gives. Strings that begin at
/// the same offset are decoded and held once, however many entries name them.
struct LanguageDat {
    static constexpr std::array<const char*, 3> kGroupNames{"Generic", "PSX", "PC"};
    /// Each group's entries, as indexes into `texts`.
    std::array<std::vector<std::uint32_t>, 3> groups;
    /// The decoded strings, each once, in the order their first entry comes.
    std::vector<std::string> texts;
    /// The number of the first string that names each of `texts`.
    std::vector<std::size_t> firstEntry;
    std::array<std::uint32_t, 3> sizes{};
    /// TRNG's own strings, which its tools append after the standard ones ("NG" first).
    std::string_view extraData;

    std::size_t stringCount() const { return groups[0].size() + groups[1].size() + groups[2].size(); }
    /// The string of an index SCRIPT.DAT uses (every group in the game's order), or nothing past the last.
    const std::string* string(std::size_t index) const;
    /// Every entry's string, in the order SCRIPT.DAT indexes them.
    std::vector<std::string> strings() const;
};

/// Whether bytes have the shape of a language .DAT: their counts, sizes and
/// offsets add up to exactly their length, or are followed by TRNG's data.
bool isLanguageDat(std::string_view bytes);

/// The strings of a language .DAT, or nothing when the bytes do not have its
/// shape. Offsets may point anywhere in the string bytes; a string is read up
/// to its 0, whole while the texts together are no more than twice the string
/// bytes (strings that start inside others go beyond), else at most
/// kShownStringBytes of it. The result views `bytes`.
std::optional<LanguageDat> readLanguageDat(std::string_view bytes);

inline constexpr std::size_t kShownStringBytes = 1024;

}  // namespace orvanta
