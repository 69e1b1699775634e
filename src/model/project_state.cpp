#include "model/project_state.h"

#include "resources/stock_texts.h"

namespace orvanta {
namespace {

struct SlotDefaults {
    const char* levelName;
    const char* audioTrack;
    const char* levelData;  // the camera label is the camera text after its first comma
};

constexpr std::array<SlotDefaults, kSlotCount> kSlotDefaults{{
    {"Title Load Screen", "104", "*ih,84246,-533,78233,81622,-1514,78208,40"},
    {"Playable Tutorial Level", "107", "*ixh,11088,-1100,28896,11119,-1399,31486,0"},
    {"The Tomb Of Seth", "107", "*i,87075,-14188,26581,89090,-15443,25670,29"},
    {"Temple Of Karnak", "110", "*ih,89366,-258,48077,88372,-1300,45701,0"},
    {"Coastal Ruins", "105", "*ihbf,69395,-4283,29278,72285,-4304,29773,2"},
    {"Catacombs", "108", "*i,63414,-13597,48104,61816,-14434,49092,71"},
    {"Cleopatra's Palaces", "107", "*i,37674,-6560,48511,37886,-6404,47204,18"},
    {"City Of The Dead", "102", "*ih,40900,498,36177,42256,-666,37727,51"},
    {"Angkor Wat", "110", "*ixhy,7835,-569,88960,5000,-323,88346,20"},
    {"The Lost Library", "108", "*ih,76406,-3880,40584,75794,-3220,40328,23"},
    {"Guardian Of Semerkhet", "107", "*ih,58630,-13825,9782,59962,-13640,9808,53"},
    {"New City", "102", "*ihbf,40900,498,36177,42256,-666,37727,51"},
}};

std::string cameraTextOf(std::string_view levelData)
{
    const auto comma = levelData.find(',');
    return std::string(comma == std::string_view::npos ? std::string_view{} : levelData.substr(comma + 1));
}

}  // namespace

ProjectState ProjectState::withDefaults()
{
    ProjectState project;
    for (int k = 1; k <= kSlotCount; ++k) {
        const SlotDefaults& defaults = kSlotDefaults[static_cast<std::size_t>(k - 1)];
        LevelSlot& slot = project.slot(k);
        slot.levelName = defaults.levelName;
        slot.wadName = kWadList[static_cast<std::size_t>(k - 1)];
        slot.audioTrack = defaults.audioTrack;
        slot.levelData = defaults.levelData;
        slot.cameraLabel = cameraTextOf(defaults.levelData);
        if (k > 1)
            slot.scriptPack = resources::defaultLevelPack(k - 1);
    }
    project.switches = {"0", "0", "0", "0", "1"};
    project.inputTimeout = "18000";
    project.security = "$55";
    project.firstLegend = "The year 2000, somewhere in Egypt...";
    project.secondLegend = "Cambodia, 1984";
    project.scriptHeader = resources::scriptHeader();
    project.inventoryItems = resources::inventoryItems();
    project.scriptFolder = "C:\\Program Files\\Core Design\\trle\\Script";
    project.easylifeLocation = "C:\\Easylife.bat";
    return project;
}

std::size_t ProjectState::blockBytes() const
{
    std::size_t bytes = scriptHeader.size() + inventoryItems.size();
    for (const LevelSlot& slot : slots)
        bytes += slot.scriptPack.size();
    return bytes;
}

}  // namespace orvanta
