#pragma once

#include "platform/file_error.h"

#include <optional>
#include <string_view>

namespace orvanta::platform {

/// Starts the program a path text names and returns at once, without waiting
/// for it or reading anything it produces. The path alone is the command: no
/// arguments, no shell. On Windows the text is started as it is; elsewhere a
/// ".bat", ".cmd" or ".exe" target is handed to `wine` from the PATH (its
/// absolute host path as the one argument) and any other target is started
/// directly, by its absolute path. The program starts in its own folder.
///
/// Returns the reason, naming the path, when it cannot be started: it does
/// not exist, it is a folder, it is not executable, wine is missing, or it is
/// a batch file whose path the command interpreter would read as more than a
/// path (quotes, "%", "!").
std::optional<FileError> startProgram(std::string_view pathText);

} // namespace orvanta::platform
