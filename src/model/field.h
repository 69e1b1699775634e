#pragma once

#include "model/project_state.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvanta {

/// The script packs: 1 is the Header Pack, 2..12 the packs of levels 1..11.
inline constexpr int kPackCount = kSlotCount;

/// What a field of the project holds.
enum class FieldKind : std::uint8_t {
    LevelName,    ///< of slot 1..12
    WadName,      ///< of slot 1..12
    AudioTrack,   ///< of slot 1..12
    CameraLabel,  ///< of slot 1..12
    LevelData,    ///< of slot 1..12
    ScriptPack,   ///< pack 1..12: 1 is the Header Pack, k the pack of level k - 1
    InventoryItems,
    FirstLegend,
    SecondLegend,
    ScriptFolder,
    EasylifeLocation,
    CompileToFolder,
    GameSwitch,  ///< switch 1..5
    InputTimeout,
    Security,
};

/// The window that shows a field, for a user interface that takes the user to it.
enum class FieldWindow : std::uint8_t {
    MainWindow,        ///< a slot's row (level name, WAD name), the Compile To panel
    LevelProperties,   ///< a slot's audio track, load camera and options
    ScriptPackEditor,  ///< a script pack or the inventory items list
    GameProperties,    ///< switches, legends, input time-out, security value
    Settings,          ///< the script folder and the Easylife location
};

/// One field of the project: its kind, and for the kinds that come in
/// numbers which one. This is the one identity of a field; control names
/// ("Text3", "Combo5") are its spelling in the project file, on the command
/// line and as the names of the widgets.
class Field {
public:
    static Field levelName(int slot) { return {FieldKind::LevelName, slot}; }
    static Field wadName(int slot) { return {FieldKind::WadName, slot}; }
    static Field audioTrack(int slot) { return {FieldKind::AudioTrack, slot}; }
    static Field cameraLabel(int slot) { return {FieldKind::CameraLabel, slot}; }
    static Field levelData(int slot) { return {FieldKind::LevelData, slot}; }
    static Field pack(int pack) { return {FieldKind::ScriptPack, pack}; }
    static Field gameSwitch(int n) { return {FieldKind::GameSwitch, n}; }
    static Field inventoryItems() { return Field(FieldKind::InventoryItems); }
    static Field firstLegend() { return Field(FieldKind::FirstLegend); }
    static Field secondLegend() { return Field(FieldKind::SecondLegend); }
    static Field scriptFolder() { return Field(FieldKind::ScriptFolder); }
    static Field easylifeLocation() { return Field(FieldKind::EasylifeLocation); }
    static Field compileToFolder() { return Field(FieldKind::CompileToFolder); }
    static Field inputTimeout() { return Field(FieldKind::InputTimeout); }
    static Field security() { return Field(FieldKind::Security); }

    FieldKind kind() const { return kind_; }
    /// Slot, pack or switch number (1-based), or 0 for a field of its own.
    int number() const { return number_; }
    /// 1..12 for the fields of a slot and the packs of levels, else 0.
    int slot() const;
    /// 1..12 for a script pack, else 0.
    int pack() const { return kind_ == FieldKind::ScriptPack ? number_ : 0; }
    /// The name of the control that holds it: "Text12", "Combo5", "switch1".
    std::string control() const;
    /// Whether it holds lines (the packs and the inventory items); every
    /// other field is one line of the project file and of the scripts.
    bool holdsLines() const;
    FieldWindow window() const;

    bool operator==(const Field&) const = default;

private:
    /// Throws std::out_of_range for a number outside the kind's range.
    Field(FieldKind kind, int number);
    explicit Field(FieldKind kind) : kind_(kind) {}

    FieldKind kind_;
    int number_ = 0;
};

/// Every field, in a stable order.
std::span<const Field> allFields();

/// The field a control name names, exactly as spelled; nothing for any other text.
std::optional<Field> fieldNamed(std::string_view control);

std::string& fieldText(ProjectState& project, Field field);
const std::string& fieldText(const ProjectState& project, Field field);

/// The name of pack 1..12 as the pack browser shows it, e.g. "Header Pack".
const char* packName(int pack);

/// How a builder knows the field in the project as it is: "Level 3 name",
/// "Angkor Wat load camera" (the level's name, or "Level n" while it has
/// none), "Guard Pack", "Security value".
std::string fieldLabel(const ProjectState& project, Field field);

}  // namespace orvanta
