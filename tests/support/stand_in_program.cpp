#include "support/stand_in_program.h"

#include "support/temp_folder.h"

#include <QTest>

#include <fstream>

namespace orvanta::test {
namespace fs = std::filesystem;

namespace {

std::string quotedForShell(const fs::path& path)
{
    std::string quoted = "'";
    for (char c : path.string())
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

fs::path writeStandInProgram(const fs::path& program, const fs::path& record)
{
    const std::string partial = record.string() + ".part";
    writeBytes(program, "#!/bin/sh\n"
                        "{ echo \"$#\"; for argument in \"$@\"; do echo \"$argument\"; done; } > " +
                            quotedForShell(partial) + "\n/bin/mv " + quotedForShell(partial) + " " +
                            quotedForShell(record) + "\n");
    fs::permissions(program, fs::perms::owner_all, fs::perm_options::replace);
    return program;
}

bool waitForRecord(const fs::path& record)
{
    for (int waited = 0; waited < 20000; waited += 20) {
        if (fs::exists(record))
            return true;
        QTest::qWait(20);
    }
    return false;
}

} // namespace orvanta::test
