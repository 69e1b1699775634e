#pragma once

#include "model/project_state.h"

#include <cstdint>
#include <string>

namespace orvanta {

/// The window that shows a field, for a user interface that takes the user
/// to it.
enum class FieldWindow : std::uint8_t {
    MainWindow,        ///< a slot's row: level name or WAD name
    LevelProperties,   ///< a slot's audio track, load camera and options
    ScriptPackEditor,  ///< a script pack or the inventory items list
    GameProperties,    ///< legends, input time-out, security value
};

/// A field of the project as the level builder knows it: its control, a
/// label such as "Guard Pack" or "Angkor Wat load camera", the window that
/// holds it, its slot or pack, and for a multi-line field the line (1-based).
struct FieldRef {
    std::string control;
    std::string label;
    FieldWindow window = FieldWindow::MainWindow;
    int slot = 0;  ///< 1..12 for the fields of a slot, else 0
    int pack = 0;  ///< 1..12 for a script pack, else 0
    int line = 0;  ///< line within a multi-line field, 0 for a single-line one

    /// "Level 3 name (Text3)", "Guard Pack (Text14), line 4".
    std::string describe() const;
    bool operator==(const FieldRef&) const = default;
};

/// The fields the script writers read, named for a project.
namespace fields {
FieldRef levelName(const ProjectState& project, int slot);
FieldRef wadName(const ProjectState& project, int slot);
FieldRef audioTrack(const ProjectState& project, int slot);
FieldRef cameraLabel(const ProjectState& project, int slot);
FieldRef levelData(const ProjectState& project, int slot);
FieldRef pack(int packNumber);
FieldRef inventoryItems();
FieldRef firstLegend();
FieldRef secondLegend();
FieldRef inputTimeout();
/// Game switch 1..5, named as game properties captions it ("Demo Disk").
FieldRef gameSwitch(int n);
FieldRef security();
}  // namespace fields

}  // namespace orvanta
