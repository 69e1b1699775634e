#pragma once

#include "cli/cli.h"
#ifdef _WIN32
#include "platform/native_file.h"
#endif

#include <sstream>
#include <string>
#include <vector>

namespace orvanta::test {

/// What orvanta-cli did: its exit code and what it wrote to stdout and stderr.
struct CliResult {
    int exitCode;
    std::string out;
    std::string err;
    bool operator==(const CliResult&) const = default;
};

/// Runs orvanta-cli on arguments given as Windows-1252 bytes (as UTF-16 on
/// Windows, as the system hands them over); its output goes to `output` if given.
inline CliResult runCli(const std::vector<std::string>& args, std::ostream* output = nullptr)
{
    std::vector<cli::Argument> arguments;
    for (const std::string& arg : args)
#ifdef _WIN32
        arguments.push_back(native::wideFromWindows1252(arg));
#else
        arguments.push_back(arg);
#endif
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::run(arguments, output != nullptr ? *output : out, err);
    return {code, out.str(), err.str()};
}

}  // namespace orvanta::test
