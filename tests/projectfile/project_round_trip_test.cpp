// A project put aside and taken up again in a fresh run compiles to the same
// script sources, except where the file cannot carry a value: the camera
// labels, which Script.txt takes its LoadCamera lines from.
#include "model/level_data.h"
#include "model/project_state.h"
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"
#include "script/english_writer.h"
#include "script/script_writer.h"
#include "support/lines.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

namespace orvanta {
namespace {

constexpr std::array kSlotsWithNewCamera{1, 4, 9};

/// What a level builder changes in one run through the windows: names, WAD
/// names, tracks, options and cameras, switches, time-out, security value
/// and legends.
ProjectState editedProject()
{
    ProjectState project = ProjectState::withDefaults();
    for (int k = 1; k <= kSlotCount; ++k) {
        LevelSlot& slot = project.slot(k);
        const std::string n = std::to_string(k);
        slot.levelName = "Level, number " + n;
        slot.wadName = "MYWAD" + n;
        slot.audioTrack = std::to_string(90 + k);
        LevelOptions options = decodeLevelData(slot.levelData).options;
        options.set(LevelOption::IncludeInScript, k != 6);
        options.set(LevelOption::Lensflare, k % 2 == 0);
        options.set(LevelOption::Lightning, k % 3 == 0);
        std::string camera = decodeLevelData(slot.levelData).camera;
        if (std::ranges::find(kSlotsWithNewCamera, k) != kSlotsWithNewCamera.end()) {
            camera = "1,2,3,4,5,6," + n;
            slot.cameraLabel = camera;
        }
        slot.levelData = encodeLevelData(options, camera);
    }
    project.switches = {"1", "0", "1", "0", "0"};
    project.inputTimeout = "9000";
    project.security = "$54";
    project.firstLegend = "Somewhere, some time...";
    project.secondLegend = "Elsewhere";
    return project;
}

TEST(ProjectRoundTrip, ALoadedProjectCompilesAsSavedButForTheLoadCameraLinesOfNewCameras)
{
    const ProjectState edited = editedProject();
    test::TempFolder folder;
    const std::string path = (folder / "myproject.txt").string();
    ASSERT_FALSE(saveProjectFile(edited, path));

    ProjectState nextRun = ProjectState::withDefaults();
    ASSERT_EQ(loadProjectFile(path, nextRun).status, LoadStatus::Loaded);

    EXPECT_EQ(englishText(nextRun), englishText(edited));
    const auto before = test::linesOf(scriptText(edited));
    const auto after = test::linesOf(scriptText(nextRun));
    ASSERT_EQ(after.size(), before.size());
    std::set<std::string> differing;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (after[i] != before[i]) {
            EXPECT_EQ(after[i].rfind("LoadCamera=", 0), 0U) << after[i];
            differing.insert(before[i]);
        }
    }
    std::set<std::string> newCameras;
    for (int k : kSlotsWithNewCamera)
        newCameras.insert("LoadCamera=\t" + edited.slot(k).cameraLabel);
    EXPECT_EQ(differing, newCameras);
}

} // namespace
} // namespace orvanta
