#include "model/project_state.h"
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"
#include "support/lines.h"
#include "support/loaded_fields.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using test::linesOf;

/// A project whose every field differs from the defaults, with the awkward
/// values a project file must carry whole.
ProjectState unusualProject()
{
    ProjectState project = ProjectState::withDefaults();
    for (int k = 1; k <= kSlotCount; ++k) {
        const std::string n = std::to_string(k);
        project.slot(k).levelName = k == 3 ? "" : "  \"Level, " + n + "\"";
        project.slot(k).wadName = "WAD_" + n + " \xE9\x80";
        project.slot(k).audioTrack = k == 5 ? "" : "1" + n;
        project.slot(k).levelData = k == 7 ? "" : "*ixf, 1,2 ,3," + n;
    }
    project.firstLegend = "Legend, with commas, \"quotes\"";
    project.secondLegend = "";
    project.switches = {"1", "0", "", "yes", " 1"};
    project.inputTimeout = "";
    project.security = "\t$56";
    project.scriptFolder = "D:\\Games\\trle\\Script\\";
    project.easylifeLocation = "C:\\tools\\Easy life.bat";
    return project;
}

TEST(ProjectFile, DefaultsGiveThe312LineGoldenFile)
{
    const std::string text = projectFileText(ProjectState::withDefaults());
    EXPECT_EQ(text, test::readBytes(test::testData("golden/defaults/project.txt")));
    const auto lines = linesOf(text);
    ASSERT_EQ(lines.size(), 312U);
    EXPECT_EQ(text.size(), 9665U);
    EXPECT_EQ(lines[0], "- ORV 3.0 Custom Script File -");
    EXPECT_EQ(lines[1], "Title Load Screen");
    EXPECT_EQ(lines[13], "TITLE");
    EXPECT_EQ(lines[25], "104");
    EXPECT_EQ(lines[37], "The year 2000, somewhere in Egypt...");
    EXPECT_EQ(lines[38], "Cambodia, 1984");
    EXPECT_EQ(std::vector<std::string>(lines.end() - 22, lines.end() - 15),
              (std::vector<std::string>{"0", "0", "0", "0", "1", "18000", "$55"}));
    EXPECT_EQ(lines[lines.size() - 15], "*ih,84246,-533,78233,81622,-1514,78208,40");
    EXPECT_EQ(lines[lines.size() - 3], "**BREAKER**");
    EXPECT_EQ(lines[lines.size() - 2], "C:\\Program Files\\Core Design\\trle\\Script");
    EXPECT_EQ(lines[lines.size() - 1], "C:\\Easylife.bat");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "**BREAKER**"), 12);
    EXPECT_TRUE(test::containsRun(lines, {"", "**SWITCHES**", "0"}));
}

TEST(ProjectFile, PacksAreClosedByTheirSeparator)
{
    ProjectState project = ProjectState::withDefaults();
    project.level(1).scriptPack = "no final line break";
    project.level(2).scriptPack = "";
    const std::string text = projectFileText(project);
    EXPECT_NE(text.find("\r\nno final line break\r\n**BREAKER**\r\n\r\n**BREAKER**\r\nKey=\t\t1,Hypostyle Key,"),
              std::string::npos);
}

TEST(ProjectFile, RoundTripRestoresEveryFieldTheReaderSetsAndNothingElse)
{
    const ProjectState saved = unusualProject();
    ProjectState edited = ProjectState::withDefaults();
    edited.level(4).scriptPack = "edited pack";
    edited.inventoryItems = "edited inventory";
    edited.scriptHeader = "edited header";
    edited.slot(2).cameraLabel = "edited label";
    edited.compileToFolder = "/somewhere";

    ProjectState loaded = edited;
    ASSERT_EQ(readProjectText(projectFileText(saved), loaded).status, LoadStatus::Loaded);
    EXPECT_EQ(loaded, test::withLoadedFields(edited, saved));
    // Saving what was loaded gives the same field lines back, byte for byte.
    EXPECT_EQ(projectFileText(loaded), projectFileText(test::withLoadedFields(edited, saved)));
}

TEST(ProjectFile, OnlyTheExactMagicLineIsAProjectFile)
{
    const std::string body = projectFileText(unusualProject()).substr(30);
    for (const std::string magic : {"- ORV 3.1 Custom Script File -", "- orv 3.0 custom script file -",
                                    "- ORV 3.0 Custom Script File - ", " - ORV 3.0 Custom Script File -", ""}) {
        ProjectState project = ProjectState::withDefaults();
        EXPECT_EQ(readProjectText(magic + body, project).status, LoadStatus::NotProjectFile) << magic;
        EXPECT_EQ(project, ProjectState::withDefaults());
    }
    ProjectState project = ProjectState::withDefaults();
    EXPECT_EQ(readProjectText("", project).status, LoadStatus::NotProjectFile);
}

TEST(ProjectFile, AFileCutShortAnywhereLoadsNothing)
{
    const std::string whole = projectFileText(unusualProject());
    for (std::size_t cut = 32; cut < whole.size(); cut += 7) {
        const std::string part = whole.substr(0, cut);
        const bool endsInsideLastLine = part.size() > whole.rfind("\r\nC:\\tools") + 2;
        if (endsInsideLastLine)
            break;  // the last line has no terminator to miss
        ProjectState project = ProjectState::withDefaults();
        const LoadResult result = readProjectText(part, project);
        ASSERT_EQ(result.status, LoadStatus::Failed) << "cut at " << cut;
        EXPECT_FALSE(result.message.empty());
        ASSERT_EQ(project, ProjectState::withDefaults()) << "cut at " << cut;
    }
}

TEST(ProjectFile, ASeparatorLineInsideAPackIsRefusedNotShifted)
{
    ProjectState saved = unusualProject();
    saved.level(5).scriptPack = "Puzzle=\t\t1,X,\t$0000\r\n**SWITCHES**\r\nKey=\r\n";
    ProjectState project = ProjectState::withDefaults();
    const LoadResult result = readProjectText(projectFileText(saved), project);
    EXPECT_EQ(result.status, LoadStatus::Failed);
    EXPECT_NE(result.message.find("**SWITCHES**"), std::string::npos) << result.message;
    EXPECT_EQ(project, ProjectState::withDefaults());

    // A "**BREAKER**" line in a pack does not disturb the reader.
    saved.level(5).scriptPack = "**BREAKER**\r\n";
    ASSERT_EQ(readProjectText(projectFileText(saved), project).status, LoadStatus::Loaded);
    EXPECT_EQ(project, test::withLoadedFields(ProjectState::withDefaults(), saved));
}

TEST(ProjectFile, BareLineFeedsAndTrailingLinesAreAccepted)
{
    const ProjectState saved = unusualProject();
    std::string unix;
    for (const std::string& line : linesOf(projectFileText(saved)))
        unix += line + "\n";
    ProjectState fromUnix = ProjectState::withDefaults();
    ASSERT_EQ(readProjectText(unix + "anything after the paths\n", fromUnix).status, LoadStatus::Loaded);
    EXPECT_EQ(fromUnix, test::withLoadedFields(ProjectState::withDefaults(), saved));
}

TEST(ProjectFile, BrokenSampleFilesLoadNothing)
{
    for (const auto& entry : fs::directory_iterator(test::testData("project_files/broken"))) {
        ProjectState project = ProjectState::withDefaults();
        const LoadResult result = loadProjectFile(entry.path().string(), project);
        EXPECT_NE(result.status, LoadStatus::Loaded) << entry.path();
        EXPECT_EQ(project, ProjectState::withDefaults()) << entry.path();
    }
}

TEST(ProjectFile, SaveAndLoadThroughFilesReportPaths)
{
    test::TempFolder folder;
    const std::string path = (folder / "project.txt").string();
    ASSERT_FALSE(saveProjectFile(unusualProject(), path));
    ProjectState project = ProjectState::withDefaults();
    ASSERT_EQ(loadProjectFile(path, project).status, LoadStatus::Loaded);
    EXPECT_EQ(project, test::withLoadedFields(ProjectState::withDefaults(), unusualProject()));

    const std::string missing = (folder / "missing.txt").string();
    const LoadResult result = loadProjectFile(missing, project);
    EXPECT_EQ(result.status, LoadStatus::Failed);
    EXPECT_NE(result.message.find(missing), std::string::npos) << result.message;
    const auto error = saveProjectFile(project, (folder / "no folder" / "p.txt").string());
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("p.txt"), std::string::npos);
}

} // namespace
} // namespace orvanta
