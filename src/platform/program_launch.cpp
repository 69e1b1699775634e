#include "platform/program_launch.h"

#include "platform/host_path.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace orvanta::platform {
namespace fs = std::filesystem;

namespace {

FileError cannotStart(std::string_view pathText, const fs::path& host, const std::string& reason)
{
    return FileError{"Cannot start " + describePath(pathText, host) + ": " + reason};
}

std::string utf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::string lowerCaseExtension(const fs::path& host)
{
    std::string extension = utf8(host.extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool isBatchFile(const fs::path& host)
{
    const std::string extension = lowerCaseExtension(host);
    return extension == ".bat" || extension == ".cmd";
}

/// A batch file is run by cmd, which reads its own path as a command line: a
/// quote would end the quoted path and let the rest run as commands, and "%"
/// or "!" would expand variables into another path. Such a path is refused.
bool isSafeForCommandInterpreter(const fs::path& host)
{
    const std::string text = utf8(host);
    return std::none_of(text.begin(), text.end(), [](unsigned char c) {
        return c < 0x20 || c == '"' || c == '%' || c == '!';
    });
}

#ifdef _WIN32

FileOutcome<ProgramLaunch> launchOn(std::string_view pathText, const fs::path& host, const fs::file_status&)
{
    const std::string folder = utf8(host.parent_path());
    if (!isBatchFile(host))
        return ProgramLaunch{utf8(host), {}, folder, describePath(pathText, host)};
    const char* interpreter = std::getenv("ComSpec");
    return ProgramLaunch{interpreter != nullptr ? interpreter : "cmd.exe",
                         {"/c", utf8(host)}, folder, describePath(pathText, host)};
}

#else

FileOutcome<ProgramLaunch> launchOn(std::string_view pathText, const fs::path& host, const fs::file_status& status)
{
    const std::string folder = utf8(host.parent_path());
    if (isBatchFile(host) || lowerCaseExtension(host) == ".exe")
        return ProgramLaunch{"wine", {utf8(host)}, folder, describePath(pathText, host), true};
    if (!fs::is_regular_file(status) || ::access(host.c_str(), X_OK) != 0)
        return cannotStart(pathText, host, "the file is not executable");
    return ProgramLaunch{utf8(host), {}, folder, describePath(pathText, host)};
}

#endif

} // namespace

FileOutcome<ProgramLaunch> programLaunch(std::string_view pathText)
{
    if (pathText.empty())
        return cannotStart(pathText, {}, "no program path is given");
    std::error_code error;
    const fs::path host = fs::absolute(hostPath(pathText), error);
    if (error)
        return cannotStart(pathText, hostPath(pathText), error.message());
    const fs::file_status status = fs::status(host, error);
    if (status.type() == fs::file_type::not_found)
        return cannotStart(pathText, host, "the file does not exist");
    if (error || status.type() == fs::file_type::none)
        return cannotStart(pathText, host, error.message());
    if (fs::is_directory(status))
        return cannotStart(pathText, host, "it is a folder, not a program");
    if (isBatchFile(host) && !isSafeForCommandInterpreter(host))
        return cannotStart(pathText, host, "a batch file path must not hold quotes, \"%\", \"!\" or control characters");
    return launchOn(pathText, host, status);
}

} // namespace orvanta::platform
