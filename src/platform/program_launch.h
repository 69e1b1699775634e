#pragma once

#include "platform/file_error.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvanta::platform {

/// How the program a path text names is started, worked out without the
/// toolkit: texts in UTF-8.
struct ProgramLaunch {
    std::string program;                 ///< what to run: the file itself, or the command interpreter
    std::vector<std::string> arguments;  ///< what it is given
    std::string folder;                  ///< where it starts: the folder of the file
    std::string description;             ///< the path as messages name it
    bool needsWine = false;              ///< a Windows program on another system: run `wine program`
};

/// Checks the file a path text names and says how to start it. On Windows a
/// batch file is handed to the command interpreter (%ComSpec%, else cmd.exe)
/// as "/c PATH" and anything else is started itself; elsewhere a ".bat",
/// ".cmd" or ".exe" target needs wine and any other target must be
/// executable. The path is made absolute, so that a name starting with "-"
/// cannot pass for an option and no file is looked up on the PATH.
///
/// The reason, naming the path, when it cannot be started: it does not exist,
/// it is a folder, it is not executable, or it is a batch file whose path the
/// command interpreter would read as more than a path (quotes, "%", "!").
FileOutcome<ProgramLaunch> programLaunch(std::string_view pathText);

} // namespace orvanta::platform
