#pragma once

#include <filesystem>
#include <iosfwd>
#include <vector>

namespace orvanta::cli {

/// One command-line argument as the system gives it: bytes in the locale's
/// encoding, or UTF-16 on Windows. Path arguments stay host paths; field
/// values are taken as Windows-1252 bytes.
using Argument = std::filesystem::path::string_type;

/// Runs one orvanta-cli command line (without the program name). Results go to
/// `out`, one line naming the path and the reason of a failure to `err`.
/// Returns the exit code: 0 success, 1 failure, 2 wrong usage, 3 problems found
/// by check or build.
int run(const std::vector<Argument>& args, std::ostream& out, std::ostream& err);

}  // namespace orvanta::cli
