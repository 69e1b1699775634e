#include "script/script_writer.h"

#include "model/level_data.h"
#include "platform/text_lines.h"

namespace orvanta {
namespace {

constexpr int kAngkorLevel = 8;  // the one level whose "Legend=" line takes the second legend

struct SwitchLines {
    const char* enabled;
    const char* disabled;
};

void appendSwitchLine(std::string& out, const std::string& value, SwitchLines lines)
{
    // Two independent exact comparisons: any text but "0" and "1" writes nothing.
    if (value == "0")
        appendLine(out, lines.enabled);
    if (value == "1")
        appendLine(out, lines.disabled);
}

void appendOptionSection(std::string& out, const ProjectState& project)
{
    appendSwitchLine(out, project.gameSwitch(1), {"LoadSave=\tENABLED", "LoadSave=\tDISABLED"});
    appendSwitchLine(out, project.gameSwitch(2), {"Title=\t\tENABLED", "Title=\tDISABLED"});
    appendSwitchLine(out, project.gameSwitch(3), {"PlayAnyLevel=\tENABLED", "PlayAnyLevel=\tDISABLED"});
    appendLine(out, "InputTimeout=\t" + project.inputTimeout);
    appendSwitchLine(out, project.gameSwitch(4), {"FlyCheat=\tENABLED", "FlyCheat=\tDISABLED"});
    appendLine(out, "Security=\t" + project.security);
    appendSwitchLine(out, project.gameSwitch(5), {"DemoDisc=\tENABLED", "DemoDisc=\tDISABLED"});
}

void appendLevelLine(std::string& out, const LevelSlot& slot)
{
    appendLine(out, "Level=\t\tDATA\\" + slot.wadName + "," + slot.audioTrack);
}

void appendTitleSection(std::string& out, const ProjectState& project)
{
    const LevelSlot& title = project.slot(1);
    appendLine(out, "");
    appendLine(out, "[Title]");
    appendLine(out, "LoadCamera=\t" + title.cameraLabel);
    appendLevelLine(out, title);
    appendLine(out, "");
}

void appendOptionLine(std::string& out, char letter, int level, const ProjectState& project)
{
    switch (letter) {
    case 'h': appendLine(out, "Horizon=\tENABLED"); break;
    case 'b': appendLine(out, "ColAddHorizon=\tENABLED"); break;
    case 'l': appendLine(out, "Lightning=\tENABLED"); break;
    case 'y': appendLine(out, "YoungLara=\tENABLED"); break;
    case 'f': appendLine(out, "LensFlare=\t250000,-32000,110000,128,96,0"); break;
    case 't': appendLine(out, "Train=\tENABLED"); break;
    case 'x':
        appendLine(out, "Legend=\t\t" +
                            (level == kAngkorLevel ? project.secondLegend : project.firstLegend));
        break;
    default: break;  // "i", the comma and anything else write nothing
    }
}

void appendOptionLines(std::string& out, int level, const ProjectState& project)
{
    // Scan from the second character up to, not including, the last one, and
    // stop after the first comma: letters write their lines in string order.
    const std::string& data = project.level(level).levelData;
    for (std::size_t i = 1; i + 1 < data.size(); ++i) {
        appendOptionLine(out, data[i], level, project);
        if (data[i] == ',')
            break;
    }
}

void appendLevelSection(std::string& out, int level, const ProjectState& project)
{
    const LevelSlot& slot = project.level(level);
    if (!passesIncludeTest(slot.levelData))
        return;
    appendLine(out, "[Level]");
    appendLine(out, "Name=\t\t" + slot.levelName);
    appendOptionLines(out, level, project);
    appendLine(out, slot.scriptPack);
    appendLine(out, "LoadCamera=\t" + slot.cameraLabel);
    appendLevelLine(out, slot);
    appendLine(out, "");
}

} // namespace

std::string scriptText(const ProjectState& project)
{
    std::string out;
    out.reserve(project.blockBytes() + 4096);
    appendLine(out, project.scriptHeader);
    appendOptionSection(out, project);
    appendTitleSection(out, project);
    for (int level = 1; level <= kLevelCount; ++level)
        appendLevelSection(out, level, project);
    return out;
}

} // namespace orvanta
