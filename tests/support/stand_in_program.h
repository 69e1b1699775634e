#pragma once

#include "support/files.h"

#include <QTest>
#include <string>
#include <vector>

namespace orvanta::test {

/// A script that writes its argument count and arguments, a line each, into `record` (a path
/// without quotes; written under another name and moved, so a record that exists is whole).
/// Like a compiler, it also writes a SCRIPT.DAT and an ENGLISH.DAT into each of `datFolders`
/// that exists.
inline std::filesystem::path writeStandInProgram(const std::filesystem::path& program,
                                                 const std::filesystem::path& record,
                                                 const std::vector<std::filesystem::path>& datFolders = {})
{
    std::string script = "#!/bin/sh\n";
    for (const std::filesystem::path& folder : datFolders) {
        for (const char* dat : {"SCRIPT.DAT", "ENGLISH.DAT"})
            script += "printf compiled 2>/dev/null > '" + (folder / dat).string() + "'\n";
    }
    script += "{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; } > '" + record.string() + ".part'\n/bin/mv '" +
              record.string() + ".part' '" + record.string() + "'\n";
    writeBytes(program, script);
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    return program;
}

/// A stand-in for wine in `folder`: it runs the batch file wine's cmd would be
/// given (`cmd.exe /d /c .\NAME`) as a shell script, so a test's batch says in
/// shell what it does.
inline void writeStandInWine(const std::filesystem::path& folder)
{
    writeBytes(folder / "wine",
               "#!/bin/sh\n[ \"$1 $2 $3\" = \"cmd.exe /d /c\" ] || exit 99\nexec /bin/sh \"./${4#.\\\\}\"\n");
    std::filesystem::permissions(folder / "wine", std::filesystem::perms::owner_all);
}

/// Lets the event loop run until the record exists; false after a generous limit.
inline bool waitForRecord(const std::filesystem::path& record)
{
    return QTest::qWaitFor([&record] { return std::filesystem::exists(record); }, 20000);
}

}  // namespace orvanta::test
