#include "resources/stock_texts.h"
#include "support/cli.h"
#include "support/files.h"
#include "support/system.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using test::CliResult;
using test::runCli;

TEST(Cli, SetsFieldsFromTextsOrFilesThenSavesCompilesGetsOrRestores)
{
    test::TempFolder folder;
    test::writeBytes(folder / "pack.txt", "Key=\t\t1,Own Key,\t$0001\r\n\xE9\r\n");
    const std::string project = (folder / "p.txt").string();
    EXPECT_EQ(runCli({"save", "--set", "Text8=Temple", "--set", "sound9=", "--set", "security=$1", project}),
              (CliResult{0, "", ""}));
    EXPECT_EQ(
        runCli({"compile", "--load", project, "--set", "Text16=@" + (folder / "pack.txt").string(), folder.text()}),
        (CliResult{0, "", ""}));
    const std::string script = test::readBytes(folder / "Script.txt");
    EXPECT_TRUE(test::hasLines(script, {"Security=\t$1"}));
    EXPECT_TRUE(test::hasLines(script, {"Name=\t\tTemple", "Legend=\t\tCambodia, 1984", "Horizon=\tENABLED",
                                        "YoungLara=\tENABLED", "Key=\t\t1,Own Key,\t$0001", "\xE9", "",
                                        "LoadCamera=\t7835,-569,88960,5000,-323,88346,20", "Level=\t\tDATA\\ANGKOR,"}));
    EXPECT_EQ(runCli({"get", "--load", project, "Text8", "sound9", "Text1", "engheader"}).out,
              "Temple\n\nPlayable Tutorial Level\n" + std::string(resources::englishHeader()) + "\n");
    EXPECT_EQ(runCli({"save", "--set-text", "Text8=@Temple", project}).exitCode, 0);  // a value as it is
    EXPECT_EQ(runCli({"get", "--load", project, "--", "Text8"}).out, "@Temple\n");
    std::ostream full(nullptr);  // takes nothing, as /dev/full
    EXPECT_EQ(runCli({"get", "Text8"}, &full), (CliResult{1, "", "orvanta-cli: cannot write the output\n"}));
    EXPECT_EQ(runCli({"restore", folder.text()}), (CliResult{0, "", ""}));
    EXPECT_EQ(test::readBytes(folder / "Script.txt"), std::string(resources::stockScript()) + "\r\n");
}

TEST(Cli, FileFailuresExitOneNamingThePathAndWrongUsageExitsTwo)
{
    test::TempFolder folder;
    const std::string missing = (folder / "missing").string();
    const std::string script = (folder / "Script.txt").string();
    test::writeBytes(script, "; not a project\r\n");
    const std::string breakers = test::testData("fuzz/corpus/project_file/breaker_in_pack.txt").string();
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"compile", missing}, (folder / "missing" / "Script.txt").string()},
        {{"save", missing + "/p.txt"}, missing},
        {{"restore", missing}, (folder / "missing" / "Script.txt").string()},
        {{"get", "--load", missing, "Text1"}, missing},
        {{"compile", "--set", "Text1=@" + missing, "/tmp"}, missing},
        {{"get", "--load", script, "Text1"}, script + "\": Not an ORV file!"},
        // Packs it cannot tell apart: saving or building would put the defaults in their place.
        {{"save", "--load", breakers, (folder / "saved.txt").string()}, breakers + "\": The script packs"},
        {{"build", "--load", breakers, folder.text()}, breakers + "\": The script packs"},
    };
    for (const auto& [args, named] : cases) {
        const auto [code, out, err] = runCli(args);
        EXPECT_EQ(code, 1) << err;
        EXPECT_EQ(out, "");
        EXPECT_TRUE(err.starts_with("orvanta-cli: ")) << err;
        EXPECT_NE(err.find(named), std::string::npos) << err;
    }
    EXPECT_EQ(test::entryCount(folder.path()), 1U) << "only Script.txt: nothing was written";
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"compile", "a", "b"},
                                               {"compile", "--set", "NoSuchField=1", "/tmp"},
                                               {"compile", "--set"},
                                               {"compile", "--what", "/tmp"},
                                               {"get"},
                                               {"get", "--set", "Text1=x", "Text1"},
                                               {"restore", "--load", "x", "/tmp"},
                                               {"save", "--set", "Text12=a\nb", "p"},
                                               {"save", "--set-text", "Label3=a\r", "p"},  // fields of one line
                                               {"get", "--load", "a", "--load", "b", "Text1"},
                                               {"import", "a"},
                                               {"import", "--load", "p", "a", "b"},
                                               {"build", "--sources", "a", "b", "c"}})
        EXPECT_EQ(runCli(args).exitCode, 2) << (args.empty() ? "" : args.back());
    EXPECT_EQ(runCli({"get", "--", "--load"}).err, "orvanta-cli: no field is named \"--load\" (see --help)\n");
    EXPECT_NE(runCli({"--help"}).out.find("orvanta-cli compile"), std::string::npos);
    EXPECT_EQ(runCli({"--version"}), (CliResult{0, "orvanta-cli Beta Ver.3.0\n", ""}));
}

TEST(Cli, PathArgumentsAreHostPathsUsedExactly)
{
    if (test::kOnWindows)
        GTEST_SKIP() << "Windows matches file names in any letter case itself";
    test::TempFolder folder;
    test::writeBytes(folder / "Q.txt", "kept");
    for (const char* name : {"q.txt", "caf\xC3\xA9.txt"})  // UTF-8, as the host names files
        ASSERT_EQ(runCli({"save", (folder / name).string()}).exitCode, 0);
    EXPECT_EQ(test::readBytes(folder / "Q.txt"), "kept");
    EXPECT_EQ(test::readBytes(folder / "caf\xC3\xA9.txt"), test::readBytes(folder / "q.txt"));
}

}  // namespace
}  // namespace orvanta
