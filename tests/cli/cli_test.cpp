#include "cli/cli.h"
#include "resources/stock_texts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

CliRun runCli(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::run(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(Cli, CompileWritesTheFilesOfTheEditedProject)
{
    TempFolder folder;
    test::writeBytes(folder / "pack.txt", "Puzzle=\t\t1,Golden Skull,\t$0001\r\n\xE9\r\n");
    ASSERT_EQ(runCli({"compile", folder.text()}).exitCode, 0);
    EXPECT_EQ(readBytes(folder / "Script.txt"), readBytes(test::testData("golden/defaults/Script.txt")));
    EXPECT_EQ(readBytes(folder / "English.txt"), readBytes(test::testData("golden/defaults/English.txt")));

    const CliRun run = runCli({"compile", "--set", "Text8=Temple", "--set", "Text16=@" + (folder / "pack.txt").string(),
                               "--set", "sound9=", folder.text()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string script = readBytes(folder / "Script.txt");
    EXPECT_NE(script.find("Name=\t\tTemple\r\nLegend=\t\tCambodia, 1984\r\nHorizon=\tENABLED\r\nYoungLara=\tENABLED\r\n"
                          "Puzzle=\t\t1,Golden Skull,\t$0001\r\n\xE9\r\n\r\nLoadCamera="),
              std::string::npos);
    EXPECT_NE(script.find("DATA\\ANGKOR,\r\n"), std::string::npos);
}

TEST(Cli, SaveLoadGetAndRestore)
{
    TempFolder folder;
    const std::string project = (folder / "p.txt").string();
    ASSERT_EQ(runCli({"save", "--set", "Text12=My Game", "--set", "data3=*,", project}).exitCode, 0);
    const CliRun got = runCli({"get", "--load", project, "Text12", "data3", "Text1"});
    EXPECT_EQ(got.exitCode, 0) << got.err;
    EXPECT_EQ(got.out, "My Game\n*,\nPlayable Tutorial Level\n");
    EXPECT_EQ(runCli({"get", "englishbox"}).out, std::string(resources::stockEnglish()) + "\n");

    ASSERT_EQ(runCli({"restore", folder.text()}).exitCode, 0);
    EXPECT_EQ(readBytes(folder / "Script.txt"), std::string(resources::stockScript()) + "\r\n");
}

TEST(Cli, FileFailuresExitOneNamingThePath)
{
#ifdef _WIN32
    GTEST_SKIP() << "stages its failures with POSIX permissions, /sys and /proc";
#else
    TempFolder folder;
    const std::string missing = (folder / "missing").string();
    CliRun run = runCli({"compile", missing});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(missing + "\\Script.txt"), std::string::npos) << run.err;

    // Permission bits do not stop root, but sysfs refuses new files even to root.
    std::string readOnly = "/sys";
    if (geteuid() != 0) {
        fs::create_directory(folder / "read-only");
        fs::permissions(folder / "read-only", fs::perms::owner_read | fs::perms::owner_exec);
        readOnly = (folder / "read-only").string();
    }
    run = runCli({"restore", readOnly});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(readOnly), std::string::npos) << run.err;

    // Likewise /proc/self/mem cannot be read from its start, even by root.
    std::string unreadable = "/proc/self/mem";
    if (geteuid() != 0) {
        test::writeBytes(folder / "secret.txt", "x");
        fs::permissions(folder / "secret.txt", fs::perms::none);
        unreadable = (folder / "secret.txt").string();
    }
    run = runCli({"get", "--load", unreadable, "Text1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(unreadable), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());

    test::writeBytes(folder / "Script.txt", "; not a project\r\n");
    run = runCli({"get", "--load", (folder / "Script.txt").string(), "Text1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Not an ORV file!"), std::string::npos) << run.err;
#endif
}

TEST(Cli, WrongUsageExitsTwo)
{
    EXPECT_EQ(runCli({}).exitCode, 2);
    EXPECT_EQ(runCli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(runCli({"compile"}).exitCode, 2);
    EXPECT_EQ(runCli({"compile", "--set", "NoSuchField=1", "/tmp"}).exitCode, 2);
    EXPECT_EQ(runCli({"compile", "--set", "Text1", "/tmp"}).exitCode, 2);
    EXPECT_EQ(runCli({"get", "text1"}).exitCode, 2);
    EXPECT_EQ(runCli({"get", "--set", "Text1=x", "Text1"}).exitCode, 2);
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("orvanta-cli compile"), std::string::npos);
}

} // namespace
} // namespace orvanta
