#pragma once

#include <string>

namespace orvanta {

inline constexpr int kSlotCount = 12;  // slot 1 is the title, slots 2..12 are levels 1..11
inline constexpr int kLevelCount = 11;

/// One of the twelve fixed slots. Every field is Windows-1252 text, kept exactly
/// as typed; the comments name the main window control that shows or holds it.
struct LevelSlot {
    std::string levelName;    ///< Text12 for the title slot, Text<n> for level n
    std::string wadName;      ///< Combo<k>
    std::string audioTrack;   ///< sound<k>
    std::string cameraLabel;  ///< Label<k>: the camera Script.txt is given
    std::string levelData;    ///< data<k>: "*", option letters, ",", camera text
    std::string scriptPack;   ///< Text<24-n> for level n; the title slot has none

    bool operator==(const LevelSlot&) const = default;
};

}  // namespace orvanta
