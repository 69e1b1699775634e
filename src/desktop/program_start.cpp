#include "desktop/program_start.h"

#include "desktop/text_conversion.h"
#include "platform/program_launch.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace orvanta::ui {

std::optional<QString> startProgramDetached(std::string_view pathText)
{
    const auto launch = platform::programLaunch(pathText);
    if (!launch)
        return fromUtf8Text(launch.error().message);
    const platform::ProgramLaunch& how = launch.value();
    QString program = fromUtf8Text(how.program);
    if (how.needsWine) {
        program = QStandardPaths::findExecutable(program);
        if (program.isEmpty())
            return QStringLiteral("Cannot start ") + fromUtf8Text(how.description) +
                   QStringLiteral(": Windows programs are started with wine, which is not on the PATH");
    }
    QStringList arguments;
    for (const std::string& argument : how.arguments)
        arguments << fromUtf8Text(argument);
    if (!QProcess::startDetached(program, arguments, fromUtf8Text(how.folder)))
        return QStringLiteral("Cannot start ") + fromUtf8Text(how.description);
    return std::nullopt;
}

}  // namespace orvanta::ui
