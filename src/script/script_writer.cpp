#include "script/script_writer.h"

#include "model/level_data.h"

namespace orvanta {
namespace {

constexpr int kAngkorLevel = 8;  // the one level whose "Legend=" line takes the second legend

struct SwitchLines {
    const char* enabled;
    const char* disabled;
};

void appendSwitchLine(OriginText& out, const ProjectState& project, int n, SwitchLines lines)
{
    // Two independent exact comparisons: any text but "0" and "1" writes nothing.
    const std::string& value = project.gameSwitch(n);
    if (value == "0")
        out.item(lines.enabled, {refer(project, Field::gameSwitch(n))});
    if (value == "1")
        out.item(lines.disabled, {refer(project, Field::gameSwitch(n))});
}

void appendOptionSection(OriginText& out, const ProjectState& project)
{
    appendSwitchLine(out, project, 1, {"LoadSave=\tENABLED", "LoadSave=\tDISABLED"});
    appendSwitchLine(out, project, 2, {"Title=\t\tENABLED", "Title=\tDISABLED"});
    appendSwitchLine(out, project, 3, {"PlayAnyLevel=\tENABLED", "PlayAnyLevel=\tDISABLED"});
    out.item("InputTimeout=\t" + project.inputTimeout, {refer(project, Field::inputTimeout())});
    appendSwitchLine(out, project, 4, {"FlyCheat=\tENABLED", "FlyCheat=\tDISABLED"});
    out.item("Security=\t" + project.security, {refer(project, Field::security())});
    appendSwitchLine(out, project, 5, {"DemoDisc=\tENABLED", "DemoDisc=\tDISABLED"});
}

void appendCameraAndLevelLines(OriginText& out, const ProjectState& project, int slot)
{
    const LevelSlot& s = project.slot(slot);
    out.item("LoadCamera=\t" + s.cameraLabel, {refer(project, Field::cameraLabel(slot))});
    // The WAD name is the first value of the line, the audio track the second.
    out.item("Level=\t\tDATA\\" + s.wadName + "," + s.audioTrack,
             {refer(project, Field::wadName(slot)), refer(project, Field::audioTrack(slot))});
}

void appendTitleSection(OriginText& out, const ProjectState& project)
{
    out.item("");
    out.item("[Title]");
    appendCameraAndLevelLines(out, project, 1);
    out.item("");
}

void appendOptionLine(OriginText& out, char letter, int level, const ProjectState& project)
{
    const int slot = level + 1;
    switch (letter) {
    case 'h': out.item("Horizon=\tENABLED", {refer(project, Field::levelData(slot))}); break;
    case 'b': out.item("ColAddHorizon=\tENABLED", {refer(project, Field::levelData(slot))}); break;
    case 'l': out.item("Lightning=\tENABLED", {refer(project, Field::levelData(slot))}); break;
    case 'y': out.item("YoungLara=\tENABLED", {refer(project, Field::levelData(slot))}); break;
    case 'f': out.item("LensFlare=\t250000,-32000,110000,128,96,0", {refer(project, Field::levelData(slot))}); break;
    case 't': out.item("Train=\tENABLED", {refer(project, Field::levelData(slot))}); break;
    case 'x':
        if (level == kAngkorLevel)
            out.item("Legend=\t\t" + project.secondLegend, {refer(project, Field::secondLegend())});
        else
            out.item("Legend=\t\t" + project.firstLegend, {refer(project, Field::firstLegend())});
        break;
    default: break;  // "i", the comma and anything else write nothing
    }
}

void appendOptionLines(OriginText& out, int level, const ProjectState& project)
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

void appendLevelSection(OriginText& out, int level, const ProjectState& project)
{
    const int slot = level + 1;
    const LevelSlot& s = project.slot(slot);
    if (!passesIncludeTest(s.levelData))
        return;
    out.item("[Level]");
    out.item("Name=\t\t" + s.levelName, {refer(project, Field::levelName(slot))});
    appendOptionLines(out, level, project);
    out.block(s.scriptPack, refer(project, Field::pack(slot)));
    appendCameraAndLevelLines(out, project, slot);
    out.item("");
}

}  // namespace

std::string scriptText(const ProjectState& project, LineOrigins* origins)
{
    OriginText out(origins, project.blockBytes() + 4096);
    out.block(project.scriptHeader, refer(project, Field::pack(1)));
    appendOptionSection(out, project);
    appendTitleSection(out, project);
    for (int level = 1; level <= kLevelCount; ++level)
        appendLevelSection(out, level, project);
    return out.take();
}

}  // namespace orvanta
