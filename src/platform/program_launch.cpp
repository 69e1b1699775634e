#include "platform/program_launch.h"

#include "platform/host_path.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>
#include <utility>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace orvanta::platform {
namespace fs = std::filesystem;

namespace {

StartError cannotStart(std::string_view pathText, const fs::path& host, const std::string& reason)
{
    return StartError{"Cannot start " + describePath(pathText, host) + ": " + reason};
}

std::string lowerCaseExtension(const fs::path& host)
{
    std::string extension = utf8Of(host.extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool isBatchFile(const fs::path& host)
{
    const std::string extension = lowerCaseExtension(host);
    return extension == ".bat" || extension == ".cmd";
}

bool holdsAnyOf(std::string_view text, std::string_view characters)
{
    return text.find_first_of(characters) != std::string_view::npos;
}

/// The drives of a Wine prefix: each letter with the folder its link leads to.
std::vector<std::pair<char, fs::path>> wineDrives(const fs::path& winePrefix)
{
    const fs::path links = winePrefix / "dosdevices";
    std::error_code error;
    if (!fs::is_directory(links, error))
        return {{'z', fs::path("/")}};  // what wine links first when it makes the prefix
    std::vector<std::pair<char, fs::path>> drives;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const fs::path root = fs::canonical(links / (std::string(1, letter) + ":"), error);
        if (!error && fs::is_directory(root, error))
            drives.emplace_back(letter, root);
    }
    return drives;
}

std::optional<std::string> windowsFolderUnderWine(const fs::path& folder,
                                                  const std::vector<std::pair<char, fs::path>>& drives)
{
    for (fs::path at = folder;; at = at.parent_path()) {
        for (const auto& [letter, root] : drives) {
            if (root != at)
                continue;
            std::string windows{static_cast<char>(std::toupper(static_cast<unsigned char>(letter))), ':'};
            for (const fs::path& part : folder.lexically_relative(at))
                if (part != ".")
                    windows += "\\" + utf8Of(part);
            return windows;
        }
        if (at == at.parent_path())
            return std::nullopt;
    }
}

#ifdef _WIN32

Outcome<ProgramLaunch, StartError> launchOn(std::string_view pathText, const fs::path& host, const fs::file_status&)
{
    const std::string folder = utf8Of(host.parent_path());
    if (!isBatchFile(host))
        return ProgramLaunch{.program = utf8Of(host),
                             .folder = folder,
                             .description = describePath(pathText, host),
                             .seenAs = utf8Of(host)};
    const std::string seenAs = utf8Of(fs::path(host).make_preferred());
    if (const auto problem = batchPathProblem(seenAs, false))
        return cannotStart(pathText, host, *problem);
    const char* interpreter = std::getenv("ComSpec");
    return ProgramLaunch{.program = interpreter != nullptr ? interpreter : "cmd.exe",
                         .nativeArguments = commandInterpreterArguments(seenAs),
                         .folder = folder,
                         .description = describePath(pathText, host),
                         .seenAs = seenAs};
}

#else

Outcome<ProgramLaunch, StartError> launchOn(std::string_view pathText, const fs::path& host,
                                            const fs::file_status& status)
{
    const std::string folder = utf8Of(host.parent_path());
    const std::string description = describePath(pathText, host);
    if (isBatchFile(host)) {
        const fs::path prefix = defaultWinePrefix();
        const auto seenAs = windowsPathUnderWine(host, prefix);
        if (!seenAs)
            return cannotStart(pathText, host, "no drive of the Wine prefix " + utf8Of(prefix) + " reaches it");
        if (const auto problem = batchPathProblem(*seenAs, true))
            return cannotStart(pathText, host, *problem);
        return ProgramLaunch{.program = "wine",
                             .arguments = {"cmd.exe", "/d", "/c", ".\\" + utf8Of(host.filename())},
                             .folder = folder,
                             .description = description,
                             .seenAs = *seenAs,
                             .needsWine = true};
    }
    if (lowerCaseExtension(host) == ".exe")
        return ProgramLaunch{.program = "wine",
                             .arguments = {utf8Of(host)},
                             .folder = folder,
                             .description = description,
                             .seenAs = utf8Of(host),
                             .needsWine = true};
    if (!fs::is_regular_file(status) || ::access(host.c_str(), X_OK) != 0)
        return cannotStart(pathText, host, "the file is not executable");
    return ProgramLaunch{.program = utf8Of(host), .folder = folder, .description = description, .seenAs = utf8Of(host)};
}

#endif

}  // namespace

std::optional<std::string> windowsPathUnderWine(const fs::path& file, const fs::path& winePrefix)
{
    // wine names its working folder after the real folder, links resolved.
    std::error_code error;
    const fs::path folder = fs::canonical(file.parent_path(), error);
    if (error)
        return std::nullopt;
    const auto windowsFolder = windowsFolderUnderWine(folder, wineDrives(winePrefix));
    if (!windowsFolder)
        return std::nullopt;
    return *windowsFolder + "\\" + utf8Of(file.filename());
}

std::optional<std::string> batchPathProblem(std::string_view windowsPath, bool nameUnquoted)
{
    const bool rewritten = holdsAnyOf(windowsPath, "\"%!") || std::any_of(windowsPath.begin(), windowsPath.end(),
                                                                          [](unsigned char c) { return c < 0x20; });
    if (rewritten)
        return "cmd would read its path " + std::string(windowsPath) +
               " as more than a path: a batch file path must not hold quotes, \"%\", \"!\" or control characters";
    const std::string_view name = windowsPath.substr(windowsPath.find_last_of('\\') + 1);
    if (nameUnquoted && holdsAnyOf(name, "&|<>^()@,;="))
        return "wine's cmd is given the batch file's name unquoted, so the name must not hold & | < > ^ ( ) @ , ; or =";
    return std::nullopt;
}

std::string commandInterpreterArguments(std::string_view windowsPath)
{
    return "/d /s /c \"\"" + std::string(windowsPath) + "\"\"";
}

Outcome<ProgramLaunch, StartError> programLaunch(std::string_view pathText)
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
    return launchOn(pathText, host, status);
}

}  // namespace orvanta::platform
