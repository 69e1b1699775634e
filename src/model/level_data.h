#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

/// The eight per-level options a level data string can carry.
enum class LevelOption : std::uint8_t {
    IncludeInScript,  // "i", Check8
    Legend,           // "x", Check7
    Horizon,          // "h", Check1
    BlendHorizon,     // "b", Check3
    Lightning,        // "l", Check2
    YoungLara,        // "y", Check4
    Lensflare,        // "f", Check5
    Train,            // "t", Check6
};

struct OptionLetter {
    LevelOption option;
    char letter;
};

/// The option letters in the order encoding writes them.
inline constexpr std::array<OptionLetter, 8> kOptionLetters{{
    {LevelOption::IncludeInScript, 'i'},
    {LevelOption::Legend, 'x'},
    {LevelOption::Horizon, 'h'},
    {LevelOption::BlendHorizon, 'b'},
    {LevelOption::Lightning, 'l'},
    {LevelOption::YoungLara, 'y'},
    {LevelOption::Lensflare, 'f'},
    {LevelOption::Train, 't'},
}};

/// The option a letter stands for; letters are case-sensitive.
std::optional<LevelOption> optionForLetter(char letter);

/// A set of level options.
class LevelOptions {
public:
    bool has(LevelOption option) const { return (bits_ & bit(option)) != 0; }
    void set(LevelOption option, bool on = true)
    {
        bits_ = on ? static_cast<std::uint8_t>(bits_ | bit(option)) : static_cast<std::uint8_t>(bits_ & ~bit(option));
    }
    bool none() const { return bits_ == 0; }
    bool operator==(const LevelOptions&) const = default;

private:
    static std::uint8_t bit(LevelOption option)
    {
        return static_cast<std::uint8_t>(1U << static_cast<unsigned>(option));
    }
    std::uint8_t bits_ = 0;
};

/// A level data string taken apart.
struct DecodedLevelData {
    LevelOptions options;
    std::string camera;
    bool operator==(const DecodedLevelData&) const = default;
};

/// "*", the letters of the set options in the order of kOptionLetters, ",", and
/// the camera text unchanged.
std::string encodeLevelData(LevelOptions options, std::string_view camera);

/// Every option letter before the first comma sets its option (anything else
/// there is passed over); everything after that comma is the camera text.
DecodedLevelData decodeLevelData(std::string_view levelData);

/// Whether a level goes into Script.txt: the last of the string's first two
/// characters is "i".
bool passesIncludeTest(std::string_view levelData);

}  // namespace orvanta
