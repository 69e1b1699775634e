#pragma once

#include "compiler/problem.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvanta {

/// The strings of a language file, in the game's three groups, as the game
/// holds them: label dropped, escapes turned into bytes.
class LanguageStrings {
public:
    enum Group : std::uint8_t { Generic, Psx, Pc };
    static constexpr std::size_t kGroupCount = 3;

    LanguageStrings() = default;
    // The index views the strings in place: moving keeps them, copying would not.
    LanguageStrings(LanguageStrings&&) = default;
    LanguageStrings& operator=(LanguageStrings&&) = default;
    LanguageStrings(const LanguageStrings&) = delete;
    LanguageStrings& operator=(const LanguageStrings&) = delete;

    void add(Group group, std::string text) { groups_.at(group).push_back(std::move(text)); }
    /// Makes find() see the strings added so far.
    void index();
    const std::vector<std::string>& group(Group group) const { return groups_.at(group); }
    std::size_t count() const;
    /// The index the game uses for the first string equal to `text`: the
    /// generic strings first, then the PSX and the PC strings.
    std::optional<std::size_t> find(std::string_view text) const;

private:
    std::array<std::vector<std::string>, kGroupCount> groups_;
    /// FNV-1a: item names are short, and every item line looks one up.
    struct Hash {
        std::size_t operator()(std::string_view text) const noexcept
        {
            std::uint64_t hash = 14695981039346656037ULL;
            for (const char c : text)
                hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
            return static_cast<std::size_t>(hash);
        }
    };
    std::unordered_map<std::string_view, std::size_t, Hash> firstIndex_;
};

/// A string line as the game holds it: a leading "LABEL:" (letters, digits,
/// "_") dropped, and the escapes \n, \t and \xHH turned into their bytes.
std::string gameText(std::string_view line);

/// Reads a language file ("English.txt"): the sections [Strings], [PSXStrings]
/// and [PCStrings], one string a line. Problems name `file`.
LanguageStrings readLanguageFile(const SourceFile& file, ProblemSink& problems);

/// The language .DAT bytes: the counts, the byte sizes and the offsets of the
/// three groups, then every string with its bytes XOR 0xA5 and a 0 after it.
/// Empty when the strings exceed what the format can hold (a problem says so).
std::string languageDat(const LanguageStrings& strings, const ProblemReporter& report);

}  // namespace orvanta
