// Hostile Easylife locations: every one is started as one program path, with
// no arguments and no shell, or refused with a message naming it.
#include "platform/program_starter.h"

#include "support/path_variable.h"
#include "support/stand_in_program.h"
#include "support/temp_folder.h"

#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

/// Folder names a shell would read as commands, quotes or options.
const std::vector<std::string> kHostileNames = {
    "with spaces",  "quote ' and \" quote", "semi; touch marker", "$(touch marker)",
    "`touch marker`", "-rf", "--version", "pipe | touch marker & touch marker",
};

/// Fails when any of the places a smuggled `touch marker` could write holds a marker.
void expectNoMarker(const fs::path& temp, const fs::path& folder)
{
    for (const fs::path& place : {temp, folder, fs::current_path()})
        EXPECT_FALSE(fs::exists(place / "marker")) << place.string();
}

/// Runs `start` inside `folder` as the current folder, then goes back.
template <typename Start>
auto fromFolder(const fs::path& folder, Start start)
{
    const fs::path saved = fs::current_path();
    fs::current_path(folder);
    auto result = start();
    fs::current_path(saved);
    return result;
}

TEST(ProgramStarterSafety, HostileFolderAndProgramNamesStartThatProgramAlone)
{
    TempFolder temp;
    int n = 0;
    for (const std::string& name : kHostileNames) {
        SCOPED_TRACE(name);
        const fs::path folder = temp / name;
        fs::create_directory(folder);
        // The program's own name starts with "-" too, so neither can pass for an option.
        const fs::path record = temp / ("ran-" + std::to_string(n++));
        const fs::path program = writeStandInProgram(folder / ("-" + name + ".sh"), record);
        EXPECT_FALSE(platform::startProgram(program.string()).has_value());
        ASSERT_TRUE(waitForRecord(record));
        EXPECT_EQ(readBytes(record), "0\n");

        // The same program named relative to the current folder: a bare "-..." text.
        fs::remove(record);
        const auto error = fromFolder(folder, [&] { return platform::startProgram(program.filename().string()); });
        EXPECT_FALSE(error.has_value()) << error->message;
        ASSERT_TRUE(waitForRecord(record));
        EXPECT_EQ(readBytes(record), "0\n");
        QTest::qWait(50);  // anything smuggled in would have run by now
        expectNoMarker(temp.path(), folder);
    }
}

TEST(ProgramStarterSafety, WindowsProgramsReachWineAsOneAbsolutePathNeverAnOption)
{
    TempFolder temp;
    fs::create_directory(temp / "bin");
    const fs::path wineRecord = temp / "wine-ran";
    writeStandInProgram(temp / "bin" / "wine", wineRecord);
    const PathVariable path((temp / "bin").string());
    for (const std::string& name : {std::string("-x.exe"), std::string("--help.bat"), std::string("$(touch marker);.cmd")}) {
        SCOPED_TRACE(name);
        writeBytes(temp / name, "MZ");
        fs::remove(wineRecord);
        const auto error = fromFolder(temp.path(), [&] { return platform::startProgram(name); });
        EXPECT_FALSE(error.has_value()) << error->message;
        ASSERT_TRUE(waitForRecord(wineRecord));
        EXPECT_EQ(readBytes(wineRecord), "1\n" + (temp / name).string() + "\n");
    }
    expectNoMarker(temp.path(), temp.path());
}

TEST(ProgramStarterSafety, BatchFilesWhosePathTheInterpreterWouldRewriteAreRefused)
{
    TempFolder temp;
    fs::create_directory(temp / "bin");
    writeStandInProgram(temp / "bin" / "wine", temp / "wine-ran");
    const PathVariable path((temp / "bin").string());
    // cmd reads a batch file's path as a command line: a quote ends the quoted
    // path and "&" then starts a command; "%" and "!" expand variables.
    for (const std::string& name : {std::string("a\"&touch marker&\".bat"), std::string("%PATH%.cmd"),
                                    std::string("!x!.bat")}) {
        SCOPED_TRACE(name);
        writeBytes(temp / name, "@echo off\r\n");
        const auto error = platform::startProgram((temp / name).string());
        ASSERT_TRUE(error.has_value());
        EXPECT_NE(error->message.find((temp / name).string()), std::string::npos) << error->message;
    }
    QTest::qWait(300);
    EXPECT_FALSE(fs::exists(temp / "wine-ran"));
    expectNoMarker(temp.path(), temp.path());
}

TEST(ProgramStarterSafety, WhatCannotRunIsReportedNamingItInsteadOfStartedSomeOtherWay)
{
    TempFolder temp;
    // Executable text without a "#!" line: a shell would run it as a script, exec refuses it.
    writeBytes(temp / "no interpreter.sh", "touch marker\n");
    fs::permissions(temp / "no interpreter.sh", fs::perms::owner_all, fs::perm_options::replace);
    fs::create_directory(temp / "folder.exe");
    fs::create_directory_symlink(temp / "folder.exe", temp / "link to folder");
    writeBytes(temp / "file", "");
    struct Case {
        std::string path;
        const char* reason;
    };
    const std::string tooLong = (temp / std::string(300, 'n')).string();
    for (const Case& c : {Case{(temp / "no interpreter.sh").string(), "no interpreter.sh"},
                          Case{(temp / "folder.exe").string(), "folder"},
                          Case{(temp / "link to folder").string(), "folder"},
                          Case{"/dev/null", "not executable"},
                          Case{(temp / "file" / "under a file.sh").string(), "does not exist"},
                          Case{tooLong, "too long"}}) {
        SCOPED_TRACE(c.path);
        const auto error = fromFolder(temp.path(), [&] { return platform::startProgram(c.path); });
        ASSERT_TRUE(error.has_value());
        EXPECT_NE(error->message.find("\"" + c.path + "\""), std::string::npos) << error->message;
        EXPECT_NE(error->message.find(c.reason), std::string::npos) << error->message;
    }
    QTest::qWait(300);
    expectNoMarker(temp.path(), temp.path());
}

} // namespace
} // namespace orvanta::test
