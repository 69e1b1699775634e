#pragma once

#include "model/level_slot.h"

#include <array>
#include <string>

namespace orvanta {

inline constexpr int kSwitchCount = 5;

/// The whole editable project. The main window owns the one instance of a run;
/// dialogs copy fields out of it and write them back. Fields are bytes of
/// Windows-1252 text and are never trimmed, parsed or validated.
struct ProjectState {
    std::array<LevelSlot, kSlotCount> slots;         ///< slots[0] is slot 1, the title
    std::array<std::string, kSwitchCount> switches;  ///< switch1..switch5: "0" on, "1" off
    std::string inputTimeout;                        ///< inputtimeout
    std::string security;                            ///< security
    std::string firstLegend;                         ///< Text26: every level's legend but level 8's
    std::string secondLegend;                        ///< Text27: level 8's legend
    std::string scriptHeader;                        ///< Text24: the Header Pack
    std::string inventoryItems;                      ///< Text25
    std::string scriptFolder;                        ///< Text28
    std::string easylifeLocation;                    ///< Text29
    std::string compileToFolder;                     ///< Text30: main window only, never saved

    /// The project every run starts with.
    static ProjectState withDefaults();

    /// Slot k, 1-based as the controls are numbered (1 = title).
    LevelSlot& slot(int k) { return slots.at(static_cast<std::size_t>(k - 1)); }
    const LevelSlot& slot(int k) const { return slots.at(static_cast<std::size_t>(k - 1)); }
    /// Level n (1..11), held in slot n + 1.
    LevelSlot& level(int n) { return slot(n + 1); }
    const LevelSlot& level(int n) const { return slot(n + 1); }
    /// Bytes held in the multi-line blocks (packs, header, inventory items): the
    /// bulk of every file written from the project.
    std::size_t blockBytes() const;
    /// Game switch 1..5.
    std::string& gameSwitch(int n) { return switches.at(static_cast<std::size_t>(n - 1)); }
    const std::string& gameSwitch(int n) const { return switches.at(static_cast<std::size_t>(n - 1)); }

    bool operator==(const ProjectState&) const = default;
};

/// The WAD list every WAD box offers; slot k's default is entry k.
inline constexpr std::array<const char*, kSlotCount> kWadList{"TITLE",   "TUT1",     "SETTOMB", "KARNAK",
                                                              "COASTAL", "CATACOMB", "CLEOPAL", "CITY",
                                                              "ANGKOR",  "LIBRARY",  "GUARD",   "NEWCITY"};

}  // namespace orvanta
