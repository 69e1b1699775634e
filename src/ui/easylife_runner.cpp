#include "ui/easylife_runner.h"

#include "desktop/dat_file_watch.h"
#include "desktop/text_conversion.h"
#include "pipeline/package_folder.h"
#include "ui/message_box.h"
#include "ui/run_window.h"
#include "ui/single_window.h"
#include "ui/window_placement.h"

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

/// What the compile's run wrote: the DAT files of the script folder that it
/// did not rewrite, and the DAT files it wrote in none of the folders watched.
struct CompileOutcome {
    std::vector<std::string> notRewritten;
    std::vector<std::string> notWritten;
    std::vector<std::string> folders;
};

QString folderList(const std::vector<std::string>& folders)
{
    QStringList quoted;
    for (const std::string& folder : folders)
        quoted << u'"' + toDisplayText(folder) + u'"';
    return folders.size() == 1
               ? QStringLiteral("the script folder ") + quoted.front()
               : QStringLiteral("the script folder %1 or the game's folder %2").arg(quoted.front(), quoted.back());
}

/// What "Compile Scripts" says once the batch has ended.
QString compileResultText(const RunEnd& end, const CompileOutcome& outcome)
{
    if (end.kind == RunEnd::Kind::NotStarted)
        return QStringLiteral("Script.txt and English.txt were written, but the Easylife compiler could not be "
                              "started, so the DAT files were not rebuilt.\n\n") +
               end.reason;
    const bool exitedWell = end.kind == RunEnd::Kind::Exited && end.exitStatus == 0;
    if (exitedWell && outcome.notRewritten.empty() && outcome.notWritten.empty())
        return kCompiled;
    QString text;
    if (end.kind == RunEnd::Kind::Exited)
        text = QStringLiteral("The Easylife batch ended with exit status %1.").arg(end.exitStatus);
    else if (end.kind == RunEnd::Kind::Stopped)
        text = QStringLiteral("The Easylife batch was stopped before it ended.");
    else
        text = QStringLiteral("The Easylife batch ended abnormally: %1.").arg(end.reason);
    const bool one = outcome.notRewritten.size() == 1;
    if (!outcome.notRewritten.empty())
        text += QStringLiteral(" %1 in the script folder %2 not rewritten, so the game still uses the old %3.")
                    .arg(namesOf(outcome.notRewritten), one ? QStringLiteral("was") : QStringLiteral("were"),
                         one ? QStringLiteral("one") : QStringLiteral("ones"));
    else if (exitedWell)
        text += QStringLiteral(" But no new %1 appeared in %2, so the DAT files were not rebuilt.")
                    .arg(namesOf(outcome.notWritten), folderList(outcome.folders));
    else
        text += QStringLiteral(" The DAT files may not have been rebuilt.");
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
    // The batch may leave the DATs in the script folder, or in the game's
    // folder above it, where the game reads them.
    std::vector<std::string> folders{std::string(scriptFolder)};
    if (const std::string game = packageFolderText(scriptFolder); !game.empty())
        folders.push_back(game);
    QObject::disconnect(whenEnded_);
    whenEnded_ = connect(&run_, &BatchRun::ended, this, [this, before = datFilesInFolders(folders)](const RunEnd& end) {
        CompileOutcome outcome;
        if (end.kind != RunEnd::Kind::NotStarted) {
            outcome.notRewritten = datFilesNotRewritten(before.front().files, before.front().folderText);
            outcome.notWritten = datFilesNotWritten(before);
            for (const DatFolderStamps& folder : before)
                outcome.folders.push_back(folder.folderText);
        }
        const QString text = compileResultText(end, outcome);
        if (end.kind != RunEnd::Kind::NotStarted && text != kCompiled)
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

void EasylifeRunner::showRunWindow()
{
    bool created = false;
    openSingleWindow(runWindow_, &created, run_, window_);
    if (created)
        placeBesideMainWindow(runWindow_, window_);
}

}  // namespace orvanta::ui
