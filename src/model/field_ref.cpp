#include "model/field_ref.h"

#include "model/pack_names.h"

#include <array>

namespace orvanta {
namespace {

/// How the fields of a slot are introduced: the title, the level's name, or
/// "Level n" while the name is empty.
std::string slotLabel(const ProjectState& project, int slot)
{
    if (slot == 1)
        return "Title";
    const std::string& name = project.slot(slot).levelName;
    return name.empty() ? "Level " + std::to_string(slot - 1) : name;
}

FieldRef slotField(const ProjectState& project, int slot, const char* prefix, const char* what, FieldWindow window)
{
    return {prefix + std::to_string(slot), slotLabel(project, slot) + " " + what, window, slot, 0, 0};
}

}  // namespace

std::string FieldRef::describe() const
{
    std::string text = label + " (" + control + ")";
    if (line > 0)
        text += ", line " + std::to_string(line);
    return text;
}

namespace fields {

FieldRef levelName(const ProjectState&, int slot)
{
    if (slot == 1)
        return {"Text12", "Title name", FieldWindow::MainWindow, 1, 0, 0};
    const std::string level = std::to_string(slot - 1);
    return {"Text" + level, "Level " + level + " name", FieldWindow::MainWindow, slot, 0, 0};
}

FieldRef wadName(const ProjectState& project, int slot)
{
    return slotField(project, slot, "Combo", "WAD", FieldWindow::MainWindow);
}

FieldRef audioTrack(const ProjectState& project, int slot)
{
    return slotField(project, slot, "sound", "audio track", FieldWindow::LevelProperties);
}

FieldRef cameraLabel(const ProjectState& project, int slot)
{
    return slotField(project, slot, "Label", "load camera", FieldWindow::LevelProperties);
}

FieldRef levelData(const ProjectState& project, int slot)
{
    return slotField(project, slot, "data", "options", FieldWindow::LevelProperties);
}

FieldRef pack(int packNumber)
{
    return {packControl(packNumber),          packName(packNumber), FieldWindow::ScriptPackEditor,
            packNumber == 1 ? 0 : packNumber, packNumber,           0};
}

FieldRef inventoryItems() { return {"Text25", "Inventory items", FieldWindow::ScriptPackEditor, 0, 0, 0}; }
FieldRef firstLegend() { return {"Text26", "First legend", FieldWindow::GameProperties, 0, 0, 0}; }
FieldRef secondLegend() { return {"Text27", "Second legend", FieldWindow::GameProperties, 0, 0, 0}; }
FieldRef inputTimeout() { return {"inputtimeout", "Input time-out", FieldWindow::GameProperties, 0, 0, 0}; }
FieldRef gameSwitch(int n)
{
    static constexpr std::array<const char*, kSwitchCount> kCaptions{"Load/Save", "Title level", "Play any level",
                                                                     "Flying Cheat", "Demo Disk"};
    return {"switch" + std::to_string(n),
            kCaptions.at(static_cast<std::size_t>(n - 1)),
            FieldWindow::GameProperties,
            0,
            0,
            0};
}

FieldRef security() { return {"security", "Security value", FieldWindow::GameProperties, 0, 0, 0}; }

}  // namespace fields
}  // namespace orvanta
