// Faults while writing: a full disk, folders that vanish, names too long, and
// a writer killed part-way. After each, the old file is whole and no
// temporary file is left behind.
#include "model/project_state.h"
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"
#include "script/script_files.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;

ProjectState projectWithBigPacks(char fill)
{
    ProjectState project = ProjectState::withDefaults();
    for (int level = 1; level <= kLevelCount; ++level)
        project.level(level).scriptPack = std::string(200'000, fill) + "\r\n";
    return project;
}

TEST(FaultInjection, AFullDiskLeavesTheOldFilesWhole)
{
    TempFolder folder;
    ASSERT_FALSE(writeScriptFiles(ProjectState::withDefaults(), folder.text()));
    const std::string oldScript = readBytes(folder / "Script.txt");
    const std::string project = (folder / "project.txt").string();
    ASSERT_FALSE(saveProjectFile(ProjectState::withDefaults(), project));
    const std::string oldProject = readBytes(project);
    {
        const test::FileSizeLimit full(64 * 1024);
        const auto compileError = writeScriptFiles(projectWithBigPacks('x'), folder.text());
        ASSERT_TRUE(compileError);
        EXPECT_NE(compileError->message.find("Script.txt"), std::string::npos) << compileError->message;
        const auto saveError = saveProjectFile(projectWithBigPacks('x'), project);
        ASSERT_TRUE(saveError);
        EXPECT_NE(saveError->message.find(project), std::string::npos) << saveError->message;
    }
    EXPECT_EQ(readBytes(folder / "Script.txt"), oldScript);
    EXPECT_EQ(readBytes(project), oldProject);
    EXPECT_EQ(test::entryCount(folder.path()), 3U);
}

TEST(FaultInjection, PathsTheSystemRefusesAreReportedByName)
{
    TempFolder folder;
    const std::string deep = folder.text() + "/" + std::string(250, 'd') + "/" + std::string(250, 'e');
    std::string tooLong = folder.text();
    while (tooLong.size() < 5000)
        tooLong += "/" + std::string(200, 'p');
    for (const std::string& target : {deep, tooLong, std::string("/proc/version")}) {
        const auto error = saveProjectFile(ProjectState::withDefaults(), target);
        ASSERT_TRUE(error) << target;
        EXPECT_NE(error->message.find(target.substr(0, 40)), std::string::npos);
    }
    EXPECT_EQ(test::entryCount(folder.path()), 0U);
}

TEST(FaultInjection, AFolderThatVanishesBeforeLoadingIsReported)
{
    ProjectState project = ProjectState::withDefaults();
    std::string path;
    {
        TempFolder folder;
        path = (folder / "project.txt").string();
        ASSERT_FALSE(saveProjectFile(projectWithBigPacks('y'), path));
    }
    const LoadResult result = loadProjectFile(path, project);
    EXPECT_EQ(result.status, LoadStatus::Failed);
    EXPECT_NE(result.message.find(path), std::string::npos);
    EXPECT_EQ(project, ProjectState::withDefaults());
}

TEST(FaultInjection, AKilledSaveLeavesTheOldOrTheNewFileNeverAMix)
{
    TempFolder folder;
    const std::string path = (folder / "project.txt").string();
    const std::string oldBytes = projectFileText(projectWithBigPacks('o'));
    const std::string newBytes = projectFileText(projectWithBigPacks('n'));
    std::mt19937 random(20261206);
    int sawOld = 0;
    int sawNew = 0;
    for (int round = 0; round < 40; ++round) {
        ASSERT_FALSE(saveProjectFile(projectWithBigPacks('o'), path));
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (;;)
                (void)saveProjectFile(projectWithBigPacks('n'), path);
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, 20'000)(random));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        const std::string left = readBytes(path);
        ASSERT_TRUE(left == oldBytes || left == newBytes) << "round " << round << ": " << left.size() << " bytes";
        (left == oldBytes ? sawOld : sawNew)++;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            if (entry.path().filename() != "project.txt")
                fs::remove(entry.path());  // a killed writer's temporary file
    }
    EXPECT_GT(sawOld + sawNew, 0);
}

} // namespace
} // namespace orvanta
