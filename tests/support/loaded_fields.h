#pragma once

#include "model/project_state.h"

namespace orvanta::test {

/// The project with the fields a load sets taken from `from`.
inline ProjectState withLoadedFields(ProjectState project, const ProjectState& from)
{
    for (int k = 1; k <= kSlotCount; ++k) {
        LevelSlot& slot = project.slot(k);
        slot.levelName = from.slot(k).levelName;
        slot.wadName = from.slot(k).wadName;
        slot.audioTrack = from.slot(k).audioTrack;
        slot.levelData = from.slot(k).levelData;
    }
    project.firstLegend = from.firstLegend;
    project.secondLegend = from.secondLegend;
    project.switches = from.switches;
    project.inputTimeout = from.inputTimeout;
    project.security = from.security;
    project.scriptFolder = from.scriptFolder;
    project.easylifeLocation = from.easylifeLocation;
    return project;
}

} // namespace orvanta::test
