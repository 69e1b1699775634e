#include "platform/program_starter.h"

#include "platform/host_path.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
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

QString toQString(const fs::path& path) { return QString::fromStdString(path.string()); }

std::string lowerCaseExtension(const fs::path& host)
{
    std::string extension = host.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool isBatchFile(const fs::path& host)
{
    const std::string extension = lowerCaseExtension(host);
    return extension == ".bat" || extension == ".cmd";
}

/// Whether a target needs the Windows loader: batch files and Windows programs.
[[maybe_unused]] bool isWindowsProgram(const fs::path& host)
{
    return isBatchFile(host) || lowerCaseExtension(host) == ".exe";
}

/// A batch file is run by cmd, which reads its own path as a command line: a
/// quote would end the quoted path and let the rest run as commands, and "%"
/// or "!" would expand variables into another path. Such a path is refused.
bool isSafeForCommandInterpreter(const fs::path& host)
{
    const std::string text = host.string();
    return std::none_of(text.begin(), text.end(), [](unsigned char c) {
        return c < 0x20 || c == '"' || c == '%' || c == '!';
    });
}

std::optional<FileError> startDetached(std::string_view pathText, const fs::path& host, const QString& program,
                                       const QStringList& arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(toQString(host.parent_path()));
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        return cannotStart(pathText, host, process.errorString().toStdString());
    return std::nullopt;
}

} // namespace

std::optional<FileError> startProgram(std::string_view pathText)
{
    if (pathText.empty())
        return cannotStart(pathText, {}, "no program path is given");
    std::error_code error;
    // A relative path names a file of the current folder, never one found on
    // the PATH; made absolute, a name starting with "-" cannot pass for an option.
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

#ifdef _WIN32
    return startDetached(pathText, host, toQString(host), {});
#else
    if (isWindowsProgram(host)) {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty())
            return cannotStart(pathText, host, "Windows programs are started with wine, which is not on the PATH");
        // The checked absolute host path, so that wine runs exactly this file.
        return startDetached(pathText, host, wine, {toQString(host)});
    }
    if (!fs::is_regular_file(status) || ::access(host.c_str(), X_OK) != 0)
        return cannotStart(pathText, host, "the file is not executable");
    return startDetached(pathText, host, toQString(host), {});
#endif
}

} // namespace orvanta::platform
