#include "model/project_state.h"
#include "platform/text_lines.h"
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"
#include "support/files.h"
#include "support/system.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

const ProjectState kDefaults = ProjectState::withDefaults();

std::string editedFile() { return test::readBytes(test::testData("golden/edited/project.txt")); }

TEST(ProjectFile, OnlyTheExactMagicLineMakesAProjectFileAndOneCutShortAnywhereLoadsNothing)
{
    const std::string whole = editedFile();
    std::vector<std::pair<std::string, LoadStatus>> cases;
    for (const char* magic : {"- ORV 3.1 Custom Script File -", "- orv 3.0 custom script file -",
                              "- ORV 3.0 Custom Script File - ", " - ORV 3.0 Custom Script File -", ""})
        cases.emplace_back(magic + whole.substr(30), LoadStatus::NotProjectFile);
    // Anywhere but in the last line of a file without a Header Pack, which has no line end to miss,
    // and in the line after it, which such a file may hold.
    const std::size_t lastPath = whole.rfind("\r\nC:\\tools") + 2, headerPack = whole.find("**HEADER PACK**");
    for (std::size_t cut = 32; cut + 2 < whole.size(); cut += 7) {
        if (cut <= lastPath || cut >= headerPack + 15)  // a cut "**HEADER PACK**" is a line after the paths
            cases.emplace_back(whole.substr(0, cut), LoadStatus::Failed);
    }
    for (const auto& [text, status] : cases) {
        ProjectState project = kDefaults;
        const LoadResult result = readProjectText(text, project);
        ASSERT_EQ(result.status, status) << text.size();
        ASSERT_NE(result.message, "") << text.size();
        ASSERT_EQ(project, kDefaults) << text.size();
    }
}

TEST(ProjectFile, ReadsTheSameFieldsWhateverThePacksAndFieldsHoldAndWithBareLineFeeds)
{
    ProjectState saved = kDefaults;
    ASSERT_EQ(readProjectText(editedFile(), saved).status, LoadStatus::Loaded);
    const ProjectState edited = saved;
    saved.level(5).scriptPack = "**BREAKER**\r\n**BREAKER**\r\n";
    saved.inventoryItems = "**BREAKER**";
    saved.scriptHeader = "Header\r\n";
    const std::string withCrLf = projectFileText(saved);
    const std::string withoutHeaderPack = withCrLf.substr(0, withCrLf.find("**HEADER PACK**"));
    std::string withLf;
    for (const std::string_view line : splitLines(withoutHeaderPack))
        withLf.append(line).append("\n");
    ProjectState project = kDefaults;
    const LoadResult old = readProjectText(withLf + "anything after the paths\n", project);
    ASSERT_EQ(old.status, LoadStatus::Loaded);
    EXPECT_TRUE(old.note.starts_with("The script packs and the inventory items list were not loaded")) << old.note;
    ProjectState expected = edited;  // packs that cannot be told apart, and a Header Pack not in the file, stay
    for (int level = 1; level <= kLevelCount; ++level)
        expected.level(level).scriptPack = kDefaults.level(level).scriptPack;
    expected.inventoryItems = kDefaults.inventoryItems;
    EXPECT_EQ(project, expected);

    // Whatever a file the writer made holds, it loads back, packs and Header Pack included.
    saved.level(5).scriptPack = "**SWITCHES**\r\n**HEADER PACK**\r\n\r\n";
    saved.level(6).scriptPack = saved.level(7).scriptPack = "";
    saved.inventoryItems = saved.switches[0] = saved.easylifeLocation = "**SWITCHES**";
    saved.scriptHeader = "**HEADER PACK**\r\n**SWITCHES**\r\n**BREAKER**";
    saved.slot(12).levelData = "**BREAKER**";
    saved.slot(3).levelData = "*ih,1,2,3,4";
    saved.slot(3).cameraLabel = "1,2,3,4";  // the camera of each level data string, as Script.txt gets it
    saved.slot(12).cameraLabel = "";
    project = kDefaults;
    const LoadResult whole = readProjectText(projectFileText(saved), project);
    ASSERT_EQ(whole.status, LoadStatus::Loaded);
    EXPECT_EQ(whole.note, "");
    EXPECT_EQ(project, saved);
    EXPECT_EQ(project.slot(2).cameraLabel, "1, 2 ,3") << "the camera of every slot";

    // A bare LF in a pack is saved as the CR LF it loads back as.
    saved.level(8).scriptPack = "Fog=\n\r\nCut=\r";
    ASSERT_EQ(readProjectText(projectFileText(saved), project).status, LoadStatus::Loaded);
    EXPECT_EQ(project.level(8).scriptPack, "Fog=\r\n\r\nCut=\r");
    EXPECT_EQ(projectFileText(project), projectFileText(saved));

    // In a whole file without a Header Pack, whatever stands where the last
    // "**BREAKER**" belongs is passed over; with lines after the paths, the
    // fields must be told apart.
    const std::string withoutHeader = editedFile().substr(0, editedFile().find("**HEADER PACK**"));
    std::string oldFile = withoutHeader;
    oldFile.replace(oldFile.rfind("**BREAKER**"), 11, "**OTHER**");
    project = kDefaults;
    ASSERT_EQ(readProjectText(oldFile, project).status, LoadStatus::Loaded);
    EXPECT_EQ(project, edited);
    EXPECT_EQ(readProjectText(oldFile + "after\r\n", project).message,
              "its \"**SWITCHES**\" line 290 is followed by 23 lines, not the 22 that end a project file");
    const std::string tail = withoutHeader.substr(withoutHeader.find("\r\n**SWITCHES**") + 2);
    EXPECT_EQ(readProjectText(withoutHeader + tail + "after\r\n", project).message,
              "lines 290 and 313 both read \"**SWITCHES**\" with the fields after them, so they cannot be told apart");
}

TEST(ProjectFile, BrokenFilesLoadNothingAndSayWhy)
{
    // Nor is one written: a pack holding a copy of the file's own tail would make one.
    ProjectState copying = kDefaults;
    const std::string text = projectFileText(copying);
    copying.level(1).scriptPack = text.substr(text.find("**SWITCHES**"));
    const test::TempFolder folder;
    const std::filesystem::path saved = folder / "copying.txt";
    const auto refused = saveProjectFile(copying, FileLocation::fromHostPath(saved));
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->message.find("copying.txt\": a pack holds lines that read as the project file's own separators"),
              std::string::npos)
        << refused->message;
    EXPECT_FALSE(std::filesystem::exists(saved));

    const auto cannotLoad = [](const std::string& why) { return "Cannot load \"@\": " + why + "; nothing was loaded"; };
    const std::string notProject = "Not an ORV file!";
    const std::pair<const char*, std::string> cases[] = {
        {"project_files/broken/empty.txt", notProject},
        {"golden/defaults/Script.txt", notProject},
        {"project_files/broken/ends_inside_packs.txt",
         cannotLoad("it has no \"**SWITCHES**\" line after its level names and legends")},
        {"project_files/broken/ends_before_paths.txt",
         cannotLoad("its \"**SWITCHES**\" line 290 is followed by 19 lines, not the 22 that end a project file; "
                    "the file ends early")},
        {"project_files/missing.txt", "Cannot read \"@\": No such file or directory"},
    };
    for (const auto& [file, message] : cases) {
        const std::string path = test::testData(file).string();
        std::string expected = message;
        if (const auto at = expected.find('@'); at != std::string::npos)
            expected.replace(at, 1, path);
        ProjectState project = kDefaults;
        const LoadResult result = loadProjectFile(path, project);
        if (test::kOnWindows && expected.ends_with("No such file or directory"))  // the system's own words there
            EXPECT_TRUE(result.message.starts_with("Cannot read \"" + path + "\": ")) << result.message;
        else
            EXPECT_EQ(result.message, expected);
        EXPECT_EQ(result.status, message == notProject ? LoadStatus::NotProjectFile : LoadStatus::Failed) << file;
        EXPECT_EQ(project, kDefaults) << file;
    }
}

}  // namespace
}  // namespace orvanta
