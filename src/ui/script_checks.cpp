#include "ui/script_checks.h"

#include "desktop/program_start.h"
#include "desktop/text_conversion.h"
#include "model/project_state.h"
#include "pipeline/game_build.h"
#include "pipeline/game_install.h"
#include "platform/host_path.h"
#include "ui/live_check.h"
#include "ui/message_box.h"
#include "ui/single_window.h"
#include "ui/window_placement.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace orvanta::ui {

QString problemCountText(const std::vector<ProjectProblem>& problems)
{
    const auto errors = std::count_if(problems.begin(), problems.end(),
                                      [](const ProjectProblem& p) { return p.problem.severity == Severity::Error; });
    const auto warnings = static_cast<qsizetype>(problems.size()) - errors;
    const auto count = [](qsizetype n, const char* what) {
        return QString::number(n) + u' ' + QString::fromLatin1(what) + (n == 1 ? QString() : QStringLiteral("s"));
    };
    if (errors == 0 || warnings == 0)
        return count(errors == 0 ? warnings : errors, errors == 0 ? "warning" : "error");
    return count(errors, "error") + QStringLiteral(" and ") + count(warnings, "warning");
}

namespace {

const QString kHowToOpen = QStringLiteral(" Double-click a problem, or press Enter, to open its field.");

/// What Check Script found, as the problems window heads it.
QString checkHeading(const std::vector<ProjectProblem>& problems)
{
    if (problems.empty())
        return QStringLiteral("No problems: the DAT files can be built.");
    return QStringLiteral("The script has ") + problemCountText(problems) +
           (hasErrors(problems) ? QStringLiteral("; errors stop the build.") : QStringLiteral(".")) + kHowToOpen;
}

QString quotedFolder(const std::string& pathText) { return u'"' + toDisplayText(pathText) + u'"'; }

}  // namespace

ScriptChecks::ScriptChecks(ProjectState& project, QWidget* mainWindow, ProblemsWindow::FieldOpener openField,
                           LiveCheck& live)
    : QObject(mainWindow), project_(project), mainWindow_(mainWindow), openField_(std::move(openField)), live_(live)
{
    connect(&live_, &LiveCheck::updated, this, &ScriptChecks::followLiveCheck);
}

void ScriptChecks::followLiveCheck()
{
    if (window_ != nullptr && window_->isVisible())
        window_->refreshProblems(live_.problems(), checkHeading(live_.problems()));
}

void ScriptChecks::list(std::vector<ProjectProblem> problems, const QString& heading, bool open)
{
    bool created = false;
    if (open)
        openSingleWindow(window_, &created, openField_, mainWindow_);
    if (created)
        placeBesideMainWindow(window_, mainWindow_);
    if (window_ != nullptr)
        window_->showProblems(std::move(problems), heading);
}

void ScriptChecks::checkScript()
{
    std::vector<ProjectProblem> problems = checkProject(project_, packageFileCheck(project_.scriptFolder));
    const QString heading = checkHeading(problems);
    list(std::move(problems), heading, true);
}

void ScriptChecks::buildDatFiles() { buildAndInstall(true); }

void ScriptChecks::buildAndPlay()
{
    const std::string package = packageFolderText(project_.scriptFolder);
    std::error_code ignored;
    if (package.empty() ||
        !std::filesystem::is_regular_file(resolveInAnyCase(hostPath(package), kGameProgram), ignored)) {
        showMessage(mainWindow_, QStringLiteral("The package folder ") + quotedFolder(package) +
                                     QStringLiteral(" (the folder above the script folder) holds no ") +
                                     QString::fromLatin1(kGameProgram) +
                                     QStringLiteral(": nothing was built and the game was not started."));
        return;
    }
    if (!buildAndInstall(false))
        return;
    if (const auto error = startProgramDetached(joinPathText(package, kGameProgram)))
        showMessage(mainWindow_, QStringLiteral("The DAT files were built and copied to ") + quotedFolder(package) +
                                     QStringLiteral(", but the game did not start.\n\n") + *error);
}

bool ScriptChecks::buildAndInstall(bool tellSuccess)
{
    // Build and Play says why the game did not start.
    const QString notStarted = tellSuccess ? QString() : QStringLiteral("The game was not started. ");
    GameBuild build = buildGameFiles(project_, packageFileCheck(project_.scriptFolder));
    if (hasErrors(build.problems)) {
        const QString heading = notStarted + QStringLiteral("The DAT files were not built and nothing was written: ") +
                                problemCountText(build.problems) + u'.' + kHowToOpen;
        list(std::move(build.problems), heading, true);
        return false;
    }
    const GameInstall install = installGameFiles(build.files, project_.scriptFolder);
    const QString written = QStringLiteral("Script.txt, English.txt, SCRIPT.DAT and ENGLISH.DAT were written to ") +
                            quotedFolder(project_.scriptFolder);
    if (!install.written || install.error) {
        const QString consequence = install.written
                                        ? written + QStringLiteral(", but the DAT files were not copied where the "
                                                                   "game reads them.")
                                        : QStringLiteral("The DAT files were not built: nothing was written.");
        showMessage(mainWindow_,
                    notStarted + consequence + QStringLiteral("\n\n") + fromUtf8Text(install.error->message));
        return false;
    }
    const bool warned = !build.problems.empty();
    const QString heading = warned ? QStringLiteral("The DAT files were built, with ") +
                                         problemCountText(build.problems) + u'.' + kHowToOpen
                                   : QStringLiteral("No problems: the DAT files were built.");
    list(std::move(build.problems), heading, warned);
    if (!tellSuccess)
        return !install.gameFolder.empty();
    showMessage(mainWindow_,
                install.gameFolder.empty()
                    ? written + QStringLiteral(". The folder above it holds no ") + QString::fromLatin1(kGameProgram) +
                          QStringLiteral(", so they were not copied for the game.")
                    : written + QStringLiteral(", and the DAT files were copied to ") +
                          quotedFolder(install.gameFolder) + QStringLiteral(", where the game reads them."));
    return !install.gameFolder.empty();
}

bool ScriptChecks::compileMayGoOn()
{
    std::vector<ProjectProblem> problems = checkProject(project_, packageFileCheck(project_.scriptFolder));
    if (!hasErrors(problems))
        return true;
    const QString question =
        QStringLiteral("The script has ") + problemCountText(problems) +
        QStringLiteral(": the DAT files may not build, or the game may show the wrong texts or fail.\n\n"
                       "Compile anyway, or show the problems?");
    if (askQuestion(mainWindow_, question, QStringLiteral("Compile Anyway"), QStringLiteral("Show Problems")))
        return true;
    const QString heading =
        QStringLiteral("Nothing was compiled: the script has ") + problemCountText(problems) + u'.' + kHowToOpen;
    list(std::move(problems), heading, true);
    return false;
}

}  // namespace orvanta::ui
