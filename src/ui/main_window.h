#pragma once

#include "model/field_ref.h"
#include "model/project_state.h"

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

class QAction;
class QMenu;
class QToolButton;

namespace orvanta::ui {

class AboutWindow;
class CompileToPanel;
class EasylifeRunner;
class GamePropertiesDialog;
class ImportReportWindow;
class LevelPropertiesDialog;
class LevelRows;
class LiveCheck;
class LoadScriptDialog;
class ReadmeWindow;
class SaveAsDialog;
class ScriptChecks;
class ScriptPacks;
class ScriptPreview;
class SettingsDialog;
class ToolBox;

/// The program's main window: the twelve level rows, the menus, and the one
/// project of the run. Every other window reads the project from here and
/// writes it back here.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    ProjectState& project() { return project_; }
    const ProjectState& project() const { return project_; }

    /// Shows the project's level names and WAD names in the rows again, after
    /// something other than the rows changed them (loading a project).
    void refreshRowsFromProject();

    /// The menu entry of that object name ("Save", "properties", "File"...),
    /// or nullptr: how tools that picture the windows choose entries.
    QAction* action(const QString& objectName) const;

    /// The tool box window while it exists.
    ToolBox* toolBox() const;

    /// Opens the window that holds a project field, with the field selected;
    /// for a line, scrolled to its value `value` (-1: its start).
    void showField(const FieldRef& field, int value = -1);

    /// Whether the project differs from the one last saved or loaded (or, before
    /// that, from the one the run started with).
    bool hasUnsavedChanges() const;

    /// Asks before a command throws the project away (quitting, loading,
    /// importing): true when there is nothing unsaved or the user chose
    /// "Discard", and the command may go on. "Save" opens Save As and gives
    /// false; once that file is written, `afterSave` (if any) runs, so the
    /// command can go on then. "Cancel" gives false.
    bool mayDiscardUnsavedWork(std::function<void()> afterSave = {});

    /// Brings a game made elsewhere into the project, as Load does, once
    /// unsaved work may go: its Script.txt (a path to it, or a folder that
    /// holds it) and the language file it lists first. Shows what the project
    /// could not keep. The project is not saved.
    void importGame(const QString& hostPath);

Q_SIGNALS:
    /// The slot button of slot 1..12 was clicked; the level properties
    /// dialog opens for that slot.
    void slotButtonClicked(int slot);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void openFirstMenu();
    /// Whether the event lets go of an Alt pressed alone in this window (and notes its press).
    bool isAltAloneRelease(const QEvent* event);
    void showProblemCount();
    QMenu* addMenu(QMenu* into, const char* name, const QString& caption);
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {});

    void compileScripts();
    void restoreDefaultFiles();
    void runEasylife();
    void toggleToolBox(bool show);
    void openSettings();
    void openPreview();
    void openLevelProperties(int slot);
    void openGameProperties();
    void openSaveAs();
    void openLoadScript();
    void chooseGameToImport();
    /// Build DAT Files or Build and Play, once the script folder's Script.txt may be replaced.
    void writeScriptFolder(void (ScriptChecks::*build)());
    /// Before Compile Scripts or Build DAT Files writes the script folder:
    /// true when its Script.txt is missing, is the project's own, or was
    /// written in this run; else asks "Import It First", "Replace" or "Cancel".
    bool mayReplaceScriptTxt();
    /// Takes the script folder's Script.txt as written in this run, when it is the project's.
    void rememberWrittenScript();
    void quit();
    /// The title names the file last saved or loaded and marks unsaved changes.
    void showProjectState();
    /// The project as it is now was written to, or read from, that file.
    void takeAsSaved(const QString& hostPath);

    ProjectState project_;
    LiveCheck* live_ = nullptr;        // before the windows that follow it
    ProjectState savedProject_;        // as last saved or loaded
    QString projectFileName_;          // of the file last saved or loaded
    std::function<void()> afterSave_;  // what waits for the Save As that a question opened
    bool titleRefreshPending_ = false;
    LevelRows* rows_ = nullptr;
    CompileToPanel* compileToPanel_ = nullptr;
    QAction* gamePropertiesEntry_ = nullptr;  // the entries the tool box triggers
    QAction* scriptPacksEntry_ = nullptr;
    QPointer<ToolBox> toolBox_;
    QPointer<SettingsDialog> settings_;
    QPointer<LevelPropertiesDialog> levelProperties_;
    QPointer<GamePropertiesDialog> gameProperties_;
    QPointer<SaveAsDialog> saveAs_;
    QPointer<LoadScriptDialog> loadScript_;
    QPointer<ImportReportWindow> importReport_;
    std::map<std::filesystem::path, std::string> writtenScripts_;  // Script.txt files written in this run
    ScriptPacks* scriptPacks_ = nullptr;
    EasylifeRunner* easylife_ = nullptr;
    ScriptChecks* checks_ = nullptr;
    QToolButton* problemCount_ = nullptr;
    bool altOpensMenuBar_ = false;  // where the style leaves Alt alone to the application
    bool altAlone_ = false;         // Alt is down and no other key came since
    QPointer<ScriptPreview> preview_;
    QPointer<AboutWindow> about_;
    QPointer<ReadmeWindow> readme_;
};

}  // namespace orvanta::ui
