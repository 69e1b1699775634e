#include "ui/easylife_runner.h"

#include "script/dat_files.h"
#include "ui/message_box.h"
#include "ui/run_window.h"
#include "ui/single_window.h"
#include "ui/text_conversion.h"

#include <string>
#include <vector>

namespace orvanta::ui {
namespace {

const QString kCompiled = QStringLiteral("DAT files rewritten - Script Files Compiled!");

QString namesOf(const std::vector<std::string>& files)
{
    QStringList names;
    for (const std::string& name : files)
        names << fromUtf8Text(name);
    return names.join(QStringLiteral(" and "));
}

/// What "Compile Scripts" says once the batch has ended.
QString compileResultText(const RunEnd& end, const std::vector<std::string>& notRewritten)
{
    if (end.kind == RunEnd::Kind::NotStarted)
        return QStringLiteral("Script.txt and English.txt were written, but the Easylife compiler could not be "
                              "started, so the DAT files were not rebuilt.\n\n") +
               end.reason;
    if (end.kind == RunEnd::Kind::Exited && end.exitStatus == 0 && notRewritten.empty())
        return kCompiled;
    QString text;
    if (end.kind == RunEnd::Kind::Exited)
        text = QStringLiteral("The Easylife batch ended with exit status %1.").arg(end.exitStatus);
    else if (end.kind == RunEnd::Kind::Stopped)
        text = QStringLiteral("The Easylife batch was stopped before it ended.");
    else
        text = QStringLiteral("The Easylife batch ended abnormally: %1.").arg(end.reason);
    const bool one = notRewritten.size() == 1;
    if (notRewritten.empty())
        text += QStringLiteral(" The DAT files may not have been rebuilt.");
    else
        text += QStringLiteral(" %1 in the script folder %2 not rewritten, so the game still uses the old %3.")
                    .arg(namesOf(notRewritten), one ? QStringLiteral("was") : QStringLiteral("were"),
                         one ? QStringLiteral("one") : QStringLiteral("ones"));
    return text + QStringLiteral("\n\nIts output is in the \"Easylife Run\" window.");
}

}  // namespace

EasylifeRunner::EasylifeRunner(QWidget* window) : QObject(window), window_(window)
{
    connect(&run_, &BatchRun::started, this, &EasylifeRunner::showRunWindow);
}

bool EasylifeRunner::refuseWhileRunning()
{
    if (!run_.isRunning())
        return false;
    showRunWindow();
    showMessage(window_, QStringLiteral("The Easylife batch started at %1 is still running, so nothing "
                                        "was done. Wait for it to end, or stop it in the \"Easylife "
                                        "Run\" window.")
                             .arg(run_.startedAt().toString(QStringLiteral("HH:mm:ss"))));
    return true;
}

void EasylifeRunner::compile(std::string_view easylifeLocation, std::string_view scriptFolder)
{
    QObject::disconnect(whenEnded_);
    whenEnded_ =
        connect(&run_, &BatchRun::ended, this,
                [this, before = datFilesIn(scriptFolder), folder = std::string(scriptFolder)](const RunEnd& end) {
                    const bool ran = end.kind != RunEnd::Kind::NotStarted;
                    const QString text =
                        compileResultText(end, ran ? datFilesNotRewritten(before, folder) : std::vector<std::string>{});
                    if (ran && text != kCompiled)
                        showRunWindow();
                    showMessage(window_, text);
                });
    run_.start(easylifeLocation);
}

void EasylifeRunner::run(std::string_view easylifeLocation)
{
    QObject::disconnect(whenEnded_);
    whenEnded_ = connect(&run_, &BatchRun::ended, this, [this](const RunEnd& end) {
        if (end.kind == RunEnd::Kind::NotStarted)
            showMessage(window_, end.reason);
    });
    run_.start(easylifeLocation);
}

void EasylifeRunner::showRunWindow() { openSingleWindow(runWindow_, nullptr, run_, window_); }

}  // namespace orvanta::ui
