// check, build and dump from the command line: exit codes, all four files or
// none, and a listing of what build wrote that gives back the project.
#include "support/cli.h"
#include "support/files.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using test::TempFolder;

using test::CliResult;
using test::runCli;

TEST(GameFilesCli, CheckAndBuildRefuseErrorsAndWriteAllFourFilesOtherwise)
{
    TempFolder folder;
    const CliResult check = runCli({"check", "--set", "sound2=300"});
    EXPECT_EQ(check.exitCode, 3);
    EXPECT_EQ(check.out, "Script.txt:68: error: the audio track \"300\" is not a whole number from 0 to 255 "
                         "[Playable Tutorial Level audio track (sound2)]\n");
    const CliResult refused = runCli({"build", "--set", "sound2=300", folder.text()});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(refused.err, check.out + "orvanta-cli: nothing written: the project has errors\n");
    EXPECT_EQ(test::entryCount(folder.path()), 0U);

    EXPECT_EQ(runCli({"check"}).exitCode, 0);
    ASSERT_EQ(runCli({"build", folder.text()}).exitCode, 0);
    for (const char* file : {"Script.txt", "English.txt", "SCRIPT.DAT", "ENGLISH.DAT"})
        EXPECT_FALSE(test::readBytes(folder / file).empty()) << file;
    EXPECT_EQ(runCli({"dump", (folder / "missing.DAT").string()}).exitCode, 1);
}

TEST(GameFilesCli, DumpOfWhatBuildWroteGivesBackTheProject)
{
    TempFolder folder;
    // A value of every kind for each slot, different from every other.
    std::vector<std::string> args{
        "build", "--set",       "Text26=First Legend", "--set", "Text27=Second Legend", "--set", "inputtimeout=1234",
        "--set", "security=$7f"};
    for (int k = 1; k <= 12; ++k) {
        const std::string n = std::to_string(k);
        const std::string data = k == 9 || k == 2 ? "*ix," : "*i,";
        for (const std::string& set :
             {(k == 1 ? "Text12" : "Text" + std::to_string(k - 1)) + "=Name " + n, "Combo" + n + "=WAD" + n,
              "sound" + n + "=" + std::to_string(100 + k),
              "Label" + n + "=" + n + ",-" + n + ",2" + n + ",3" + n + ",4" + n + ",5" + n + "," + n,
              "data" + n + "=" + data})
            args.insert(args.end(), {"--set", set});
    }
    args.push_back(folder.text());
    ASSERT_EQ(runCli(args).exitCode, 0);
    const std::string dump = runCli({"dump", (folder / "SCRIPT.DAT").string()}).out;
    for (const std::string& expected :
         {std::string("InputTimeout: 1234"), std::string("Security: $7f"), std::string("Legend: 1 \"First Legend\""),
          std::string("Legend: 0 \"Second Legend\""), std::string("\"Golden Skull\"")})
        EXPECT_NE(dump.find(expected), std::string::npos) << expected;
    for (int k = 1; k <= 12; ++k) {
        const std::string n = std::to_string(k);
        const std::string name = k == 1 ? "Title: " : "\"Name " + n + "\", ";
        for (const std::string& expected :
             {"Level file " + std::to_string(k - 1) + ": \"DATA\\WAD" + n + "\"",
              name + "file " + std::to_string(k - 1) + " \"DATA\\WAD" + n + "\", audio " + std::to_string(100 + k),
              "LoadCamera: " + n + ", -" + n + ", 2" + n + ", 3" + n + ", 4" + n + ", 5" + n + ", " + n})
            EXPECT_NE(dump.find(expected), std::string::npos) << expected;
    }
    EXPECT_NE(runCli({"dump", (folder / "ENGLISH.DAT").string()}).out.find("(string 2): \"Name 1\""),
              std::string::npos);
}

TEST(GameFilesCli, ImportTakesBackWhatBuildWroteAndSourcesBuildAsTheyStand)
{
    TempFolder built, again, sources, empty;
    const std::string project = (again / "project.txt").string();
    ASSERT_EQ(runCli({"build", "--set", "Text3=Moved", "--set", "data5=*ihx,", built.text()}).exitCode, 0);
    EXPECT_EQ(runCli({"import", built.text(), project}), (CliResult{0, "", ""}));
    ASSERT_EQ(runCli({"build", "--load", project, again.text()}).exitCode, 0);
    ASSERT_EQ(runCli({"build", "--sources", built.text(), sources.text()}).exitCode, 0);
    const CliResult check = runCli({"check", "--sources", built.text()});
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_TRUE(check.out.starts_with("Script.txt:28: warning: the language file FRENCH.TXT is not in the folder\n"));
    for (const char* file : {"Script.txt", "English.txt", "SCRIPT.DAT", "ENGLISH.DAT"}) {
        EXPECT_EQ(test::readBytes(again / file), test::readBytes(built / file)) << file;
        if (std::string_view(file).ends_with(".DAT")) {
            EXPECT_EQ(test::readBytes(sources / file), test::readBytes(built / file)) << file;
        }
    }

    // From the DATs alone: decoded, imported and built again, the same DATs.
    TempFolder dats, fromDats;
    for (const char* file : {"SCRIPT.DAT", "ENGLISH.DAT"})
        test::writeBytes(dats / file, test::readBytes(built / file));
    EXPECT_EQ(runCli({"import", (dats / "SCRIPT.DAT").string(), project}), (CliResult{0, "", ""}));
    ASSERT_EQ(runCli({"build", "--load", project, fromDats.text()}).exitCode, 0);
    for (const char* file : {"SCRIPT.DAT", "ENGLISH.DAT"})
        EXPECT_EQ(test::readBytes(fromDats / file), test::readBytes(built / file)) << file;
    const CliResult trng =
        runCli({"import", std::string(ORVANTA_REALWORLD_DIR) + "/castigavi-TRLE_TRFR/SCRIPT.DAT", project});
    EXPECT_EQ(trng.exitCode, 4);
    EXPECT_NE(trng.out.find("SCRIPT.DAT: left out: 3706 bytes after the language file names: they are TRNG's own "
                            "data, which cannot be decoded\n"),
              std::string::npos);

    // Real TRNG games: their TRNG commands and #INCLUDE files raise no error, one
    // warning names the first TRNG line, and neither they nor their import build.
    for (const std::string game : {"castigavi-TRLE_TRFR", "joey79100-trle-aod_animations"}) {
        const std::string folder = std::string(ORVANTA_REALWORLD_DIR) + "/" + game;
        const CliResult real = runCli({"import", folder, project});
        EXPECT_EQ(real.exitCode, 4);
        EXPECT_EQ(real.out, test::readBytes(test::testData("importer/reports") / (game + ".txt")));
        const CliResult checked = runCli({"check", "--sources", folder});
        EXPECT_EQ(checked.exitCode, 0) << checked.out;
        EXPECT_NE(checked.out.find(": warning: the script uses TRNG from this line on"), std::string::npos);
        EXPECT_EQ(runCli({"build", "--sources", folder, empty.text()}).err,
                  checked.out + "orvanta-cli: nothing written: the script uses TRNG, whose own tool builds it\n");
        EXPECT_EQ(runCli({"build", "--load", project, empty.text()}).exitCode, 3);
        EXPECT_EQ(test::entryCount(empty.path()), 0U);
    }
    EXPECT_EQ(runCli({"import", empty.text(), project}).exitCode, 1);
    test::writeBytes(empty / "SCRIPT.TXT", "[Options]\r\n");
    EXPECT_EQ(runCli({"import", empty.text(), project}).exitCode, 1);
}

}  // namespace
}  // namespace orvanta
