#include "model/field.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace orvanta {
namespace {

constexpr std::array<const char*, kPackCount> kPackNames{
    "Header Pack",  "Tut1 Pack", "Settomb Pack", "Karnak Pack",  "Coastal Pack", "Catacomb Pack",
    "Cleopal Pack", "City Pack", "Angkor Pack",  "Library Pack", "Guard Pack",   "Newcity Pack"};

constexpr std::array<const char*, kSwitchCount> kSwitchCaptions{"Load/Save", "Title level", "Play any level",
                                                                "Flying Cheat", "Demo Disk"};

/// How many of a kind there are: 0 for a field of its own.
int countOf(FieldKind kind)
{
    switch (kind) {
    case FieldKind::LevelName:
    case FieldKind::WadName:
    case FieldKind::AudioTrack:
    case FieldKind::CameraLabel:
    case FieldKind::LevelData: return kSlotCount;
    case FieldKind::ScriptPack: return kPackCount;
    case FieldKind::GameSwitch: return kSwitchCount;
    default: return 0;
    }
}

/// How a slot's fields are introduced: the title, the level's name, or
/// "Level n" while the name is empty.
std::string slotLabel(const ProjectState& project, int slot)
{
    if (slot == 1)
        return "Title";
    const std::string& name = project.slot(slot).levelName;
    return name.empty() ? "Level " + std::to_string(slot - 1) : name;
}

}  // namespace

Field::Field(FieldKind kind, int number) : kind_(kind), number_(number)
{
    if (number < 1 || number > countOf(kind))
        throw std::out_of_range("field number out of range");
}

int Field::slot() const
{
    if (kind_ == FieldKind::ScriptPack)
        return number_ == 1 ? 0 : number_;  // pack k belongs to level k - 1, in slot k
    return countOf(kind_) == kSlotCount ? number_ : 0;
}

std::string Field::control() const
{
    const std::string n = std::to_string(number_);
    switch (kind_) {
    // Text1..Text11 name levels 1..11 and Text12 the title; Text24 is the
    // Header Pack and Text23 down to Text13 the packs of levels 1..11.
    case FieldKind::LevelName: return "Text" + std::to_string(number_ == 1 ? 12 : number_ - 1);
    case FieldKind::ScriptPack: return "Text" + std::to_string(number_ == 1 ? 24 : 25 - number_);
    case FieldKind::WadName: return "Combo" + n;
    case FieldKind::AudioTrack: return "sound" + n;
    case FieldKind::CameraLabel: return "Label" + n;
    case FieldKind::LevelData: return "data" + n;
    case FieldKind::GameSwitch: return "switch" + n;
    case FieldKind::InventoryItems: return "Text25";
    case FieldKind::FirstLegend: return "Text26";
    case FieldKind::SecondLegend: return "Text27";
    case FieldKind::ScriptFolder: return "Text28";
    case FieldKind::EasylifeLocation: return "Text29";
    case FieldKind::CompileToFolder: return "Text30";
    case FieldKind::InputTimeout: return "inputtimeout";
    case FieldKind::Security: return "security";
    }
    return {};
}

bool Field::holdsLines() const { return kind_ == FieldKind::ScriptPack || kind_ == FieldKind::InventoryItems; }

FieldWindow Field::window() const
{
    switch (kind_) {
    case FieldKind::LevelName:
    case FieldKind::WadName:
    case FieldKind::CompileToFolder: return FieldWindow::MainWindow;
    case FieldKind::AudioTrack:
    case FieldKind::CameraLabel:
    case FieldKind::LevelData: return FieldWindow::LevelProperties;
    case FieldKind::ScriptPack:
    case FieldKind::InventoryItems: return FieldWindow::ScriptPackEditor;
    case FieldKind::ScriptFolder:
    case FieldKind::EasylifeLocation: return FieldWindow::Settings;
    default: return FieldWindow::GameProperties;
    }
}

std::span<const Field> allFields()
{
    static const std::vector<Field> fields = [] {
        std::vector<Field> all;
        for (int k = 1; k <= kSlotCount; ++k)
            all.push_back(Field::levelName(k));
        for (int k = 1; k <= kPackCount; ++k)
            all.push_back(Field::pack(k));
        for (const Field single : {Field::inventoryItems(), Field::firstLegend(), Field::secondLegend(),
                                   Field::scriptFolder(), Field::easylifeLocation(), Field::compileToFolder()})
            all.push_back(single);
        for (auto* slotField : {&Field::wadName, &Field::audioTrack, &Field::cameraLabel, &Field::levelData}) {
            for (int k = 1; k <= kSlotCount; ++k)
                all.push_back(slotField(k));
        }
        for (int n = 1; n <= kSwitchCount; ++n)
            all.push_back(Field::gameSwitch(n));
        all.push_back(Field::inputTimeout());
        all.push_back(Field::security());
        return all;
    }();
    return fields;
}

std::optional<Field> fieldNamed(std::string_view control)
{
    for (const Field field : allFields()) {
        if (field.control() == control)
            return field;
    }
    return std::nullopt;
}

std::string& fieldText(ProjectState& project, Field field)
{
    const int n = field.number();
    switch (field.kind()) {
    case FieldKind::LevelName: return project.slot(n).levelName;
    case FieldKind::WadName: return project.slot(n).wadName;
    case FieldKind::AudioTrack: return project.slot(n).audioTrack;
    case FieldKind::CameraLabel: return project.slot(n).cameraLabel;
    case FieldKind::LevelData: return project.slot(n).levelData;
    case FieldKind::ScriptPack: return n == 1 ? project.scriptHeader : project.slot(n).scriptPack;
    case FieldKind::GameSwitch: return project.gameSwitch(n);
    case FieldKind::InventoryItems: return project.inventoryItems;
    case FieldKind::FirstLegend: return project.firstLegend;
    case FieldKind::SecondLegend: return project.secondLegend;
    case FieldKind::ScriptFolder: return project.scriptFolder;
    case FieldKind::EasylifeLocation: return project.easylifeLocation;
    case FieldKind::CompileToFolder: return project.compileToFolder;
    case FieldKind::InputTimeout: return project.inputTimeout;
    case FieldKind::Security: return project.security;
    }
    throw std::logic_error("a field of no kind");
}

const std::string& fieldText(const ProjectState& project, Field field)
{
    // Only a reference is handed out; nothing is written through it here.
    return fieldText(const_cast<ProjectState&>(project), field);
}

const char* packName(int pack) { return kPackNames.at(static_cast<std::size_t>(Field::pack(pack).number() - 1)); }

std::string fieldLabel(const ProjectState& project, Field field)
{
    const int n = field.number();
    switch (field.kind()) {
    case FieldKind::LevelName: return n == 1 ? "Title name" : "Level " + std::to_string(n - 1) + " name";
    case FieldKind::WadName: return slotLabel(project, n) + " WAD";
    case FieldKind::AudioTrack: return slotLabel(project, n) + " audio track";
    case FieldKind::CameraLabel: return slotLabel(project, n) + " load camera";
    case FieldKind::LevelData: return slotLabel(project, n) + " options";
    case FieldKind::ScriptPack: return packName(n);
    case FieldKind::GameSwitch: return kSwitchCaptions.at(static_cast<std::size_t>(n - 1));
    case FieldKind::InventoryItems: return "Inventory items";
    case FieldKind::FirstLegend: return "First legend";
    case FieldKind::SecondLegend: return "Second legend";
    case FieldKind::ScriptFolder: return "Script folder";
    case FieldKind::EasylifeLocation: return "Easylife location";
    case FieldKind::CompileToFolder: return "Compile-to folder";
    case FieldKind::InputTimeout: return "Input time-out";
    case FieldKind::Security: return "Security value";
    }
    return {};
}

}  // namespace orvanta
