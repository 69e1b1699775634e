// The Easylife location is started as one program, with no arguments and no
// shell of the system, or refused with a message naming it.
#include "desktop/batch_run.h"
#include "support/environment.h"
#include "support/stand_in_program.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

/// How a run of the path ended: "" when it ran, else the reason it could not start.
std::string runOf(const std::string& pathText)
{
    ui::BatchRun run;
    run.start(pathText);
    EXPECT_TRUE(QTest::qWaitFor([&run] { return run.end().has_value(); }, 20000));
    return run.end() && run.end()->kind == ui::RunEnd::Kind::NotStarted ? run.end()->reason.toStdString() : "";
}

TEST(BatchRun, StartsTheNamedProgramAloneWhateverItsNameHolds)
{
    TempFolder temp;
    const ScopedVariable path("PATH", (temp / "bin").string());
    const ScopedVariable prefix("WINEPREFIX", (temp / "no prefix yet").string());  // reaches "/" as Z:
    fs::create_directory(temp / "bin");
    writeStandInProgram(temp / "bin" / "wine", temp / "ran");
    writeStandInProgram(temp / "bin" / "-x", temp / "from-path");
    const fs::path saved = fs::current_path();
    fs::current_path(temp.path());  // a bare name is a file of the current folder, never one on the PATH
    // Names a shell would read as commands, quotes or options; an .exe goes to wine as one absolute path, a
    // batch file to wine's cmd by its bare name, from its folder.
    const std::pair<std::string, std::string> cases[] = {
        {"-x", "0\n"},
        {"-$(touch marker); `touch marker` 'q\" | touch marker", "0\n"},
        {"-x.exe", "1\n" + (temp / "-x.exe").string() + "\n"},
        {"--help.BAT", "4\ncmd.exe\n/d\n/c\n.\\--help.BAT\n"}};
    for (const auto& [name, record] : cases) {
        writeStandInProgram(temp / name, temp / "ran");
        for (const std::string& given : {name, (temp / name).string()}) {
            EXPECT_EQ(runOf(given), "") << given;
            EXPECT_EQ(readBytes(temp / "ran"), record);
            fs::remove(temp / "ran");
        }
    }
    fs::current_path(saved);
    EXPECT_FALSE(fs::exists(temp / "marker"));
    EXPECT_FALSE(fs::exists(temp / "from-path"));
}

TEST(BatchRun, WhatCannotBeStartedIsRefusedNamingIt)
{
    TempFolder temp;
    const ScopedVariable path("PATH", temp.text());  // without wine
    const ScopedVariable prefix("WINEPREFIX", (temp / "no prefix yet").string());
    writeBytes(temp / "no interpreter.sh", "touch marker\n");  // a shell would run it; exec refuses it
    fs::permissions(temp / "no interpreter.sh", fs::perms::owner_all);
    writeBytes(temp / "plain.sh", "#!/bin/sh\n");
    fs::create_directory(temp / "folder.exe");
    const std::pair<std::string, const char*> cases[] = {
        {"", "no program path"},
        {(temp / "missing.sh").string(), "does not exist"},
        {(temp / "folder.exe").string(), "folder"},
        {"/dev/null", "not executable"},
        {(temp / "plain.sh").string(), "not executable"},
        {(temp / std::string(300, 'n')).string(), "too long"},
        {(temp / "no interpreter.sh").string(), ""},
        {(temp / "Easy.bat").string(), "with wine, which is not on the PATH"},
        // cmd reads a batch file's path as a command line: a quote would end it, "%" and "!" expand, and
        // wine's cmd gets the name unquoted.
        {(temp / "a\"&touch marker&\".bat").string(), "quotes"},
        {(temp / "%PATH%.cmd").string(), "quotes"},
        {(temp / "!x!.bat").string(), "quotes"},
        {(temp / "Easy&Life.bat").string(), "unquoted"}};
    for (const auto& [program, reason] : cases) {
        if (program.ends_with(".bat") || program.ends_with(".cmd"))
            writeBytes(program, "@echo off\r\n");
        const std::string said = runOf(program);
        EXPECT_TRUE(said.starts_with("Cannot start \"" + program + "\"")) << said;
        EXPECT_NE(said.find(reason), std::string::npos) << said;
    }
    EXPECT_FALSE(fs::exists(temp / "marker"));
}

#ifndef _WIN32
/// How many processes of a group are alive (zombies are not).
int aliveInGroup(int group)
{
    int alive = 0;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos)
            continue;
        char state = 0;
        int parent = 0;
        int processGroup = 0;
        std::istringstream(line.substr(line.rfind(')') + 1)) >> state >> parent >> processGroup;
        alive += processGroup == group && state != 'Z' ? 1 : 0;
    }
    return alive;
}

TEST(BatchRun, AStopSignalToTheProgramEndsTheBatchWithAllItStarted)
{
    TempFolder temp;
    const fs::path group = temp / "group";
    writeBytes(temp / "batch", "#!/bin/sh\nsleep 300 &\nsleep 300 &\necho $$ > '" + group.string() + ".part'\nmv '" +
                                   group.string() + ".part' '" + group.string() + "'\nwait\n");
    fs::permissions(temp / "batch", fs::perms::owner_all);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        fs::remove(group);
        const pid_t program = fork();  // stands in for Orvanta; not a death test, whose pipe the batch would hold
        if (program == 0) {
            ui::ProcessGroup::endGroupOnStopSignals();
            ui::BatchRun run;
            run.start((temp / "batch").string());
            if (QTest::qWaitFor([&] { return fs::exists(group); }, 20000))
                std::raise(signal);
            std::_Exit(1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(program, &status, 0), program);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        const int batch = std::stoi(readBytes(group));
        EXPECT_TRUE(QTest::qWaitFor([&] { return aliveInGroup(batch) == 0; }, 5000));
        ::kill(-batch, SIGKILL);  // what a failure left
    }
}
#endif

}  // namespace
}  // namespace orvanta::test
