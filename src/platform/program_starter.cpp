#include "platform/program_starter.h"

#include "platform/host_path.h"
#include "ui/text_conversion.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <system_error>

namespace orvanta::platform {
namespace fs = std::filesystem;

namespace {

FileError cannotStart(std::string_view pathText, const fs::path& host, const std::string& reason)
{
    return FileError{"Cannot start " + describePath(pathText, host) + ": " + reason};
}

QString toQString(const fs::path& path) { return QString::fromStdString(path.string()); }

/// Whether a target needs the Windows loader: batch files and Windows programs.
[[maybe_unused]] bool isWindowsProgram(const fs::path& host)
{
    std::string extension = host.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".bat" || extension == ".cmd" || extension == ".exe";
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
    // A relative path names a file of the current folder, never one found on the PATH.
    const fs::path host = fs::absolute(hostPath(pathText), error);
    const fs::file_status status = fs::status(host, error);
    if (!fs::exists(status))
        return cannotStart(pathText, host, "the file does not exist");
    if (fs::is_directory(status))
        return cannotStart(pathText, host, "it is a folder, not a program");

#ifdef _WIN32
    return startDetached(pathText, host, toQString(host), {});
#else
    if (isWindowsProgram(host)) {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty())
            return cannotStart(pathText, host, "Windows programs are started with wine, which is not on the PATH");
        return startDetached(pathText, host, wine, {ui::toDisplayText(pathText)});
    }
    using fs::perms;
    const perms executeBits = perms::owner_exec | perms::group_exec | perms::others_exec;
    if ((status.permissions() & executeBits) == perms::none)
        return cannotStart(pathText, host, "the file is not executable");
    return startDetached(pathText, host, toQString(host), {});
#endif
}

} // namespace orvanta::platform
