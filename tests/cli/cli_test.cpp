#include "cli/cli.h"
#include "resources/stock_texts.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvanta {
namespace {

/// Runs orvanta-cli: its exit code, then what it wrote to stdout and stderr.
std::tuple<int, std::string, std::string> runCli(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::run(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(Cli, SetsFieldsFromTextsOrFilesThenSavesCompilesGetsOrRestores)
{
    test::TempFolder folder;
    test::writeBytes(folder / "pack.txt", "Key=\t\t1,Own Key,\t$0001\r\n\xE9\r\n");
    const std::string project = (folder / "p.txt").string();
    EXPECT_EQ(runCli({"save", "--set", "Text8=Temple", "--set", "sound9=", "--set", "security=$1", project}), std::tuple(0, "", ""));
    EXPECT_EQ(runCli({"compile", "--load", project, "--set", "Text16=@" + (folder / "pack.txt").string(), folder.text()}),
              std::tuple(0, "", ""));
    const std::string script = test::readBytes(folder / "Script.txt");
    EXPECT_TRUE(test::hasLines(script, {"Security=\t$1"}));
    EXPECT_TRUE(test::hasLines(script, {"Name=\t\tTemple", "Legend=\t\tCambodia, 1984", "Horizon=\tENABLED",
                                        "YoungLara=\tENABLED", "Key=\t\t1,Own Key,\t$0001", "\xE9", "",
                                        "LoadCamera=\t7835,-569,88960,5000,-323,88346,20", "Level=\t\tDATA\\ANGKOR,"}));
    EXPECT_EQ(std::get<1>(runCli({"get", "--load", project, "Text8", "sound9", "Text1", "engheader"})),
              "Temple\n\nPlayable Tutorial Level\n" + std::string(resources::englishHeader()) + "\n");
    EXPECT_EQ(runCli({"restore", folder.text()}), std::tuple(0, "", ""));
    EXPECT_EQ(test::readBytes(folder / "Script.txt"), std::string(resources::stockScript()) + "\r\n");
}

TEST(Cli, FileFailuresExitOneNamingThePathAndWrongUsageExitsTwo)
{
    test::TempFolder folder;
    const std::string missing = (folder / "missing").string();
    const std::string script = (folder / "Script.txt").string();
    test::writeBytes(script, "; not a project\r\n");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"compile", missing}, missing + "\\Script.txt"}, {{"save", missing + "/p.txt"}, missing},
        {{"restore", missing}, missing + "\\Script.txt"}, {{"get", "--load", missing, "Text1"}, missing},
        {{"compile", "--set", "Text1=@" + missing, "/tmp"}, missing},
        {{"get", "--load", script, "Text1"}, script + "\": Not an ORV file!"},
    };
    for (const auto& [args, named] : cases) {
        const auto [code, out, err] = runCli(args);
        EXPECT_TRUE(code == 1 && out.empty() && err.starts_with("orvanta-cli: ") && err.find(named) != std::string::npos) << err;
    }
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"compile", "a", "b"}, {"compile", "--set", "NoSuchField=1", "/tmp"}, {"compile", "--set"},
             {"compile", "--what", "/tmp"}, {"get"}, {"get", "--set", "Text1=x", "Text1"}, {"restore", "--load", "x", "/tmp"}})
        EXPECT_EQ(std::get<0>(runCli(args)), 2) << (args.empty() ? "" : args.back());
    EXPECT_NE(std::get<1>(runCli({"--help"})).find("orvanta-cli compile"), std::string::npos);
    EXPECT_EQ(std::get<1>(runCli({"--version"})), "orvanta-cli Beta Ver.3.0\n");
}

} // namespace
} // namespace orvanta
