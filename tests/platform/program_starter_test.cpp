// The Easylife location is started as one program, with no arguments and no
// shell, or refused with a message naming it.
#include "platform/program_starter.h"
#include "support/environment.h"
#include "support/stand_in_program.h"

#include <gtest/gtest.h>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

TEST(ProgramStarter, StartsTheNamedProgramAloneWhateverItsNameHolds)
{
    TempFolder temp;
    const ScopedVariable path("PATH", (temp / "bin").string());
    fs::create_directory(temp / "bin");
    writeStandInProgram(temp / "bin" / "wine", temp / "ran");
    writeStandInProgram(temp / "bin" / "-x", temp / "from-path");
    const fs::path saved = fs::current_path();
    fs::current_path(temp.path());  // a bare name is a file of the current folder, never one on the PATH
    // Names a shell would read as commands, quotes or options; Windows programs go to wine as one absolute path.
    for (const std::string name : {"-x", "-$(touch marker); `touch marker` 'q\" | touch marker", "-x.exe", "--help.BAT"}) {
        writeStandInProgram(temp / name, temp / "ran");
        for (const std::string& given : {name, (temp / name).string()}) {
            ASSERT_TRUE(!platform::startProgram(given) && waitForRecord(temp / "ran")) << given;
            EXPECT_EQ(readBytes(temp / "ran"), name.find('.') == std::string::npos ? "0\n" : "1\n" + (temp / name).string() + "\n");
            fs::remove(temp / "ran");
        }
    }
    fs::current_path(saved);
    EXPECT_FALSE(fs::exists(temp / "marker") || fs::exists(temp / "from-path"));
}

TEST(ProgramStarter, WhatCannotBeStartedIsRefusedNamingIt)
{
    TempFolder temp;
    const ScopedVariable path("PATH", temp.text());  // without wine
    writeBytes(temp / "no interpreter.sh", "touch marker\n");  // a shell would run it; exec refuses it
    fs::permissions(temp / "no interpreter.sh", fs::perms::owner_all);
    writeBytes(temp / "plain.sh", "#!/bin/sh\n");
    fs::create_directory(temp / "folder.exe");
    const std::pair<std::string, const char*> cases[] = {
        {"", "no program path"}, {(temp / "missing.sh").string(), "does not exist"},
        {(temp / "folder.exe").string(), "folder"}, {"/dev/null", "not executable"},
        {(temp / "plain.sh").string(), "not executable"}, {(temp / std::string(300, 'n')).string(), "too long"},
        {(temp / "no interpreter.sh").string(), ""}, {(temp / "Easy.bat").string(), "with wine, which is not on the PATH"},
        // cmd reads a batch file's path as a command line: a quote would end it, "%" and "!" expand.
        {(temp / "a\"&touch marker&\".bat").string(), "quotes"}, {(temp / "%PATH%.cmd").string(), "quotes"},
        {(temp / "!x!.bat").string(), "quotes"}};
    for (const auto& [program, reason] : cases) {
        if (program.ends_with(".bat") || program.ends_with(".cmd"))
            writeBytes(program, "@echo off\r\n");
        const std::string said = platform::startProgram(program).value_or(FileError{}).message;
        EXPECT_TRUE(said.starts_with("Cannot start \"" + program + "\"") && said.find(reason) != std::string::npos) << said;
    }
    EXPECT_FALSE(fs::exists(temp / "marker"));
}

} // namespace
} // namespace orvanta::test
