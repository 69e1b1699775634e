#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvanta::cli {

/// Runs one orvanta-cli command line (without the program name). Results go to
/// `out`, one line naming the path and the reason of a failure to `err`.
/// Returns the exit code: 0 success, 1 failure, 2 wrong usage, 3 problems found
/// by check or build.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace orvanta::cli
