#pragma once

#include "platform/file_error.h"

#include <optional>
#include <string_view>

namespace orvanta::platform {

/// Starts the program a path text names and returns at once, without waiting
/// for it or reading anything it produces. The path alone is the command, as
/// programLaunch (program_launch.h) works it out: no arguments of the user's,
/// no shell but cmd for a batch file on Windows, wine for Windows programs
/// elsewhere. The program starts in its own folder.
///
/// Returns the reason, naming the path, when it cannot be started: the
/// reasons of programLaunch, wine missing, or the system refusing.
std::optional<FileError> startProgram(std::string_view pathText);

} // namespace orvanta::platform
