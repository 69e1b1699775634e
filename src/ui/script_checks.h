#pragma once

#include "pipeline/project_problem.h"
#include "ui/problems_window.h"

#include <QObject>
#include <QPointer>
#include <vector>

namespace orvanta {
struct ProjectState;
}

namespace orvanta::ui {

/// "2 errors and 1 warning", "1 warning".
QString problemCountText(const std::vector<ProjectProblem>& problems);

/// "Check Script", "Build DAT Files" and the check "Compile Scripts" makes
/// first, with the problems window (Form14) they share. A child of the main
/// window.
class LiveCheck;

class ScriptChecks : public QObject {
    Q_OBJECT

public:
    /// An open problems window follows `live`.
    ScriptChecks(ProjectState& project, QWidget* mainWindow, ProblemsWindow::FieldOpener openField, LiveCheck& live);

    /// Lists the project's problems, or says there are none.
    void checkScript();
    /// Writes Script.txt, English.txt, SCRIPT.DAT and ENGLISH.DAT into the
    /// script folder, all or none, and copies the DATs where the game reads
    /// them; with errors it writes nothing and lists them.
    void buildDatFiles();
    /// Builds and copies the DAT files as buildDatFiles does, then starts the
    /// game's program from the package folder; starts nothing when that
    /// folder holds no game program or the build fails.
    void buildAndPlay();
    /// Whether Compile Scripts goes on: yes without errors; with errors, the
    /// user chooses between compiling anyway and seeing the problems.
    bool compileMayGoOn();

    /// The problems window while it exists.
    ProblemsWindow* window() const { return window_; }

private:
    void followLiveCheck();
    /// buildDatFiles, saying so at the end when `tellSuccess`; whether the
    /// DATs now stand beside the game's program.
    bool buildAndInstall(bool tellSuccess);
    /// Fills the problems window, opening it when asked or when it is open.
    void list(std::vector<ProjectProblem> problems, const QString& heading, bool open);

    ProjectState& project_;
    QWidget* mainWindow_;
    ProblemsWindow::FieldOpener openField_;
    LiveCheck& live_;
    QPointer<ProblemsWindow> window_;
};

}  // namespace orvanta::ui
