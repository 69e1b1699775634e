#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvanta::test {

/// Writes an executable shell script that records how it was started: it
/// writes its argument count and then each argument, one per line, into the
/// file `record` (a path in the same temporary folder, normally).
std::filesystem::path writeStandInProgram(const std::filesystem::path& program,
                                          const std::filesystem::path& record);

/// Waits, letting the event loop run, until a file exists and has ended in a
/// newline; false when it does not appear within a generous limit.
bool waitForRecord(const std::filesystem::path& record);

} // namespace orvanta::test
