#include "platform/program_starter.h"

#include "platform/program_launch.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace orvanta::platform {

std::optional<FileError> startProgram(std::string_view pathText)
{
    const auto launch = programLaunch(pathText);
    if (!launch)
        return launch.error();
    const ProgramLaunch& how = launch.value();
    QString program = QString::fromStdString(how.program);
    QStringList arguments;
    for (const std::string& argument : how.arguments)
        arguments << QString::fromStdString(argument);
    const auto cannotStart = [&](const std::string& reason) {
        return FileError{"Cannot start " + how.description + ": " + reason};
    };
    if (how.needsWine) {
        program = QStandardPaths::findExecutable(program);
        if (program.isEmpty())
            return cannotStart("Windows programs are started with wine, which is not on the PATH");
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(QString::fromStdString(how.folder));
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        return cannotStart(process.errorString().toStdString());
    return std::nullopt;
}

} // namespace orvanta::platform
