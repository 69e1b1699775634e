// What the editor says a command does is the compiler's command table; the
// format page gives the same sentences. A row missing on either side, or a
// sentence changed on one side only, fails here.
#include "compiler/command_table.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace {

using Meanings = std::map<std::string, std::string>;  // "[Section] Name=" -> what it does

Meanings meaningsOfTheFormatPage()
{
    std::istringstream page(orvanta::test::readBytes(orvanta::test::testData("../docs/script-format.md")));
    const std::regex row(R"(^\| `(\[\w+\])` \| `(\w+=)` \| ([^|]+) \| [^|]+ \|$)");
    Meanings meanings;
    bool inTable = false;
    for (std::string line; std::getline(page, line);) {
        if (line.starts_with("### "))
            inTable = line == "### What each command does";
        std::smatch match;
        if (inTable && std::regex_match(line, match, row))
            meanings[match[1].str() + ' ' + match[2].str()] = match[3].str();
    }
    return meanings;
}

Meanings meaningsOfTheCommandTable()
{
    Meanings meanings;
    for (const orvanta::CommandSpec& command : orvanta::levelCommands())
        meanings["[Level] " + std::string(command.name) + '='] = command.does;
    for (const orvanta::HeaderCommand& command : orvanta::headerCommands())
        meanings['[' + std::string(command.section) + "] " + std::string(command.name) + '='] = command.does;
    return meanings;
}

}  // namespace

TEST(CommandTable, TheFormatPageSaysWhatEachCommandDoesInTheTablesOwnWords)
{
    const Meanings page = meaningsOfTheFormatPage();
    const Meanings table = meaningsOfTheCommandTable();
    for (const auto& [command, does] : table) {
        const auto said = page.find(command);
        if (said == page.end())
            ADD_FAILURE() << command << " has no row in docs/script-format.md";
        else
            EXPECT_EQ(said->second, does) << command;
    }
    for (const auto& [command, does] : page)
        EXPECT_TRUE(table.contains(command)) << command << " is described but is no command of the compiler";
}
