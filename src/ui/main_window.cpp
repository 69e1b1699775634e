#include "ui/main_window.h"

#include "desktop/text_conversion.h"
#include "importer/script_folder.h"
#include "importer/source_import.h"
#include "platform/host_path.h"
#include "platform/text_file.h"
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"
#include "script/script_files.h"
#include "script/script_writer.h"
#include "ui/about_window.h"
#include "ui/artwork.h"
#include "ui/compile_to_panel.h"
#include "ui/dialog_layout.h"
#include "ui/easylife_runner.h"
#include "ui/field_selection.h"
#include "ui/game_properties_dialog.h"
#include "ui/host_file.h"
#include "ui/folder_chooser.h"
#include "ui/import_game_picker.h"
#include "ui/import_report_window.h"
#include "ui/level_properties_dialog.h"
#include "ui/level_rows.h"
#include "ui/live_check.h"
#include "ui/load_script_dialog.h"
#include "ui/message_box.h"
#include "ui/readme_window.h"
#include "ui/save_as_dialog.h"
#include "ui/script_checks.h"
#include "ui/script_pack_editor.h"
#include "ui/script_packs.h"
#include "ui/script_preview.h"
#include "ui/settings_dialog.h"
#include "ui/single_window.h"
#include "ui/tool_box.h"
#include "ui/window_placement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

namespace orvanta::ui {
namespace {

void reportFailure(QWidget* parent, const FileError& error, const QString& consequence = {})
{
    const QString reason = fromUtf8Text(error.message);
    showMessage(parent, consequence.isEmpty() ? reason : consequence + QStringLiteral("\n\n") + reason);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), project_(ProjectState::withDefaults()), live_(new LiveCheck(project_, this)),
      scriptPacks_(new ScriptPacks(project_, *live_, this)), easylife_(new EasylifeRunner(this)),
      checks_(new ScriptChecks(
          project_, this, [this](const FieldRef& field, int value) { showField(field, value); }, *live_))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orvanta 3.0"));
    setWindowIcon(programIcon());

    auto* central = new QWidget(this);
    rows_ = new LevelRows(project_, central);
    compileToPanel_ = new CompileToPanel(project_, central);
    QSizePolicy panelPolicy = compileToPanel_->sizePolicy();
    panelPolicy.setRetainSizeWhenHidden(true);  // the rows' area must fit the panel
    compileToPanel_->setSizePolicy(panelPolicy);
    compileToPanel_->hide();

    auto* area = new QGridLayout;
    area->addWidget(rows_, 0, 0);
    area->addWidget(compileToPanel_, 0, 0);  // the same cell: the panel lies over the rows
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(addSeparator(central, {0, 0, 2, 1}));  // the grey-over-white rule under the menu bar
    column->addLayout(area);
    column->addStretch();
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    problemCount_ = new QToolButton(statusBar());
    problemCount_->setObjectName(QStringLiteral("problemCount"));
    problemCount_->setAutoRaise(true);
    problemCount_->setToolTip(QStringLiteral("Show the script's problems (F7)"));
    statusBar()->addWidget(problemCount_);
    connect(live_, &LiveCheck::updated, this, &MainWindow::showProblemCount);

    connect(rows_, &LevelRows::slotButtonClicked, this, &MainWindow::slotButtonClicked);
    connect(this, &MainWindow::slotButtonClicked, this, &MainWindow::openLevelProperties);
    buildMenus();
    connect(problemCount_, &QToolButton::clicked, action(QStringLiteral("check")), &QAction::trigger);
    compileToPanel_->setTarget(QDir::currentPath());
    savedProject_ = project_;
    // Every edit comes from a key or a click in one of the program's windows.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    // The dialogs go after this window's members: none may reach them then.
    if (saveAs_ != nullptr)
        saveAs_->disconnect(this);
}

void MainWindow::showProblemCount()
{
    const auto& problems = live_->problems();
    problemCount_->setText(problems.empty() ? QStringLiteral("No problems") : problemCountText(problems));
}

void MainWindow::refreshRowsFromProject() { rows_->refreshFromProject(); }

ToolBox* MainWindow::toolBox() const { return toolBox_; }

QAction* MainWindow::action(const QString& objectName) const { return findChild<QAction*>(objectName); }

QMenu* MainWindow::addMenu(QMenu* into, const char* name, const QString& caption)
{
    QMenu* menu = into != nullptr ? into->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* MainWindow::addEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(QString::fromLatin1(name));
    entry->setShortcut(shortcut);
    return entry;
}

void MainWindow::buildMenus()
{
    QMenu* file = addMenu(nullptr, "File", QStringLiteral("&File"));
    connect(addEntry(file, "Save", QStringLiteral("&Save"), Qt::CTRL | Qt::Key_S), &QAction::triggered, this,
            &MainWindow::openSaveAs);
    connect(addEntry(file, "Load", QStringLiteral("&Load"), Qt::CTRL | Qt::Key_L), &QAction::triggered, this,
            &MainWindow::openLoadScript);
    connect(addEntry(file, "import", QStringLiteral("&Import Game...")), &QAction::triggered, this,
            &MainWindow::chooseGameToImport);
    // Ctrl+X: a focused text box takes it as Cut first (its shortcut override).
    connect(addEntry(file, "Quit", QStringLiteral("&Quit"), Qt::CTRL | Qt::Key_X), &QAction::triggered, this,
            &MainWindow::quit);

    QMenu* edit = addMenu(nullptr, "Edit", QStringLiteral("&Edit"));
    gamePropertiesEntry_ = addEntry(edit, "properties", QStringLiteral("&Game Properties"), Qt::Key_F5);
    connect(gamePropertiesEntry_, &QAction::triggered, this, &MainWindow::openGameProperties);
    scriptPacksEntry_ = addEntry(edit, "scriptpacks", QStringLiteral("Script &Packs"), Qt::Key_F6);
    connect(scriptPacksEntry_, &QAction::triggered, scriptPacks_, &ScriptPacks::openBrowser);
    connect(addEntry(edit, "set", QStringLiteral("Se&ttings")), &QAction::triggered, this, &MainWindow::openSettings);

    QMenu* script = addMenu(nullptr, "Script", QStringLiteral("&Script"));
    connect(addEntry(script, "begin", QStringLiteral("&Compile Scripts"), Qt::SHIFT | Qt::Key_F1), &QAction::triggered,
            this, &MainWindow::compileScripts);
    connect(addEntry(script, "ctoo", QStringLiteral("Compile Scripts &to...")), &QAction::triggered, compileToPanel_,
            [this] {
                compileToPanel_->show();
                compileToPanel_->raise();
            });
    connect(addEntry(script, "Restore", QStringLiteral("&Restore Default Files"), Qt::SHIFT | Qt::Key_F2),
            &QAction::triggered, this, &MainWindow::restoreDefaultFiles);
    QAction* check = addEntry(script, "check", QStringLiteral("C&heck Script"), Qt::Key_F7);
    connect(check, &QAction::triggered, checks_, &ScriptChecks::checkScript);
    QAction* build = addEntry(script, "build", QStringLiteral("&Build DAT Files"), Qt::Key_F8);
    connect(build, &QAction::triggered, this, [this] { writeScriptFolder(&ScriptChecks::buildDatFiles); });
    QAction* play = addEntry(script, "play", QStringLiteral("Build and P&lay"), Qt::Key_F9);
    connect(play, &QAction::triggered, this, [this] { writeScriptFolder(&ScriptChecks::buildAndPlay); });
    connect(addEntry(script, "preview", QStringLiteral("&Preview Script Files")), &QAction::triggered, this,
            &MainWindow::openPreview);
    // From whichever window of the program has the focus.
    for (QAction* everywhere : {check, build, play}) {
        everywhere->setShortcutContext(Qt::ApplicationShortcut);
        addAction(everywhere);
    }

    QMenu* features = addMenu(nullptr, "features", QStringLiteral("Fe&atures"));
    QAction* toolBoxEntry = addEntry(features, "commontools", QStringLiteral("&Tool Box"), Qt::SHIFT | Qt::Key_F3);
    toolBoxEntry->setCheckable(true);
    connect(toolBoxEntry, &QAction::triggered, this, &MainWindow::toggleToolBox);
    addEntry(features, "wizard", QStringLiteral("Script &Wizard"))->setEnabled(false);
    QMenu* run = addMenu(features, "run", QStringLiteral("&Run"));
    addEntry(run, "tr4", QStringLiteral("Tomb &Raider IV"))->setEnabled(false);
    connect(addEntry(run, "easy", QStringLiteral("&Easylife"), Qt::Key_F4), &QAction::triggered, this,
            &MainWindow::runEasylife);

    QMenu* help = addMenu(nullptr, "help", QStringLiteral("&Help"));
    // Ctrl+A: a focused text box takes it as Select All first.
    connect(addEntry(help, "about", QStringLiteral("&About"), Qt::CTRL | Qt::Key_A), &QAction::triggered, this,
            [this] { openSingleWindow(about_, nullptr, this); });
    connect(addEntry(help, "readme", QStringLiteral("&Readme"), Qt::CTRL | Qt::Key_R), &QAction::triggered, this,
            [this] { openSingleWindow(readme_, nullptr, this); });
    addEntry(help, "addon", QStringLiteral("Run A&dd-on"))->setEnabled(false);

    // F10 and Alt alone open the menu bar, as on Windows, whatever the style does.
    auto* openMenuBar = new QAction(this);
    openMenuBar->setObjectName(QStringLiteral("menuKey"));
    openMenuBar->setShortcut(Qt::Key_F10);
    addAction(openMenuBar);
    connect(openMenuBar, &QAction::triggered, this, &MainWindow::openFirstMenu);
    altOpensMenuBar_ = !style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation, nullptr, menuBar());
}

void MainWindow::openFirstMenu()
{
    if (!menuBar()->actions().isEmpty())
        menuBar()->setActiveAction(menuBar()->actions().constFirst());
}

bool MainWindow::isAltAloneRelease(const QEvent* event)
{
    // Alt pressed and let go with no key between, while this window is the active one.
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const bool alt = key->key() == Qt::Key_Alt && !key->isAutoRepeat();
    if (event->type() == QEvent::KeyPress) {
        altAlone_ = alt && isActiveWindow();
        return false;
    }
    return alt && std::exchange(altAlone_, false) && isActiveWindow();
}

void MainWindow::compileScripts()
{
    if (easylife_->refuseWhileRunning() || !checks_->compileMayGoOn() || !mayReplaceScriptTxt())
        return;
    if (const auto error = writeScriptFiles(project_, project_.scriptFolder)) {
        reportFailure(this, *error, QStringLiteral("The script files were not compiled."));
        return;
    }
    rememberWrittenScript();
    easylife_->compile(project_.easylifeLocation, project_.scriptFolder);
}

void MainWindow::writeScriptFolder(void (ScriptChecks::*build)())
{
    if (!mayReplaceScriptTxt())
        return;
    (checks_->*build)();
    rememberWrittenScript();
}

namespace {

/// The script folder's Script.txt, in any letter case, and its bytes, when it can be read.
std::optional<std::pair<std::filesystem::path, std::string>> scriptTxtIn(const std::string& scriptFolder)
{
    const auto path = fileInFolder(FileLocation::fromPathText(scriptFolder).host(), "Script.txt");
    auto bytes = path ? readFileBytes(FileLocation::fromHostPath(*path)) : FileOutcome<std::string>(FileError{});
    if (!bytes)
        return std::nullopt;
    return std::pair{*path, std::move(bytes.value())};
}

}  // namespace

bool MainWindow::mayReplaceScriptTxt()
{
    const auto found = scriptTxtIn(project_.scriptFolder);
    if (!found || found->second == scriptText(project_))
        return true;
    const auto written = writtenScripts_.find(found->first);
    if (written != writtenScripts_.end() && written->second == found->second)
        return true;
    const QString question =
        fromUtf8Text(describeHostPath(found->first)) +
        QStringLiteral(" was not written by Orvanta and differs from the project's script: replacing it loses it. "
                       "Import it into the project first?");
    const QStringList choices{QStringLiteral("Import It First"), QStringLiteral("Replace"), QStringLiteral("Cancel")};
    switch (askChoice(this, question, choices)) {
    case 0: importGame(QString::fromStdU16String(found->first.u16string())); return false;
    case 1: return true;
    default: return false;
    }
}

void MainWindow::rememberWrittenScript()
{
    if (auto found = scriptTxtIn(project_.scriptFolder); found && found->second == scriptText(project_))
        writtenScripts_[found->first] = std::move(found->second);
}

void MainWindow::restoreDefaultFiles()
{
    const FileLocation folder = FileLocation::fromPathText(project_.scriptFolder);
    if (restoringReplacesOtherText(folder) &&
        !askQuestion(this,
                     QStringLiteral("Script.txt and English.txt in %1 differ from the stock files. "
                                    "Replace both with the stock files?")
                         .arg(fromUtf8Text(folder.shown())),
                     QStringLiteral("Yes"), QStringLiteral("No")))
        return;
    if (const auto error = restoreStockFiles(folder)) {
        reportFailure(this, *error, QStringLiteral("The default script files were not restored."));
    } else if (auto restored = scriptTxtIn(project_.scriptFolder)) {
        writtenScripts_[restored->first] = std::move(restored->second);  // this program wrote it
    }
}

void MainWindow::runEasylife()
{
    if (!easylife_->refuseWhileRunning())
        easylife_->run(project_.easylifeLocation);
}

void MainWindow::toggleToolBox(bool show)
{
    // The check mark follows this entry alone: a tool box closed by its close
    // box leaves the mark set, and the next choice only clears it.
    if (!show) {
        if (toolBox_ != nullptr)
            toolBox_->hide();
        return;
    }
    bool created = false;
    openSingleWindow(toolBox_, &created, this);
    if (!created)
        return;
    connect(toolBox_, &ToolBox::gamePropertiesRequested, gamePropertiesEntry_, &QAction::trigger);
    connect(toolBox_, &ToolBox::scriptPacksRequested, scriptPacksEntry_, &QAction::trigger);
    connect(toolBox_, &ToolBox::restoreRequested, this, &MainWindow::restoreDefaultFiles);
    connect(toolBox_, &ToolBox::runEasylifeRequested, this, &MainWindow::runEasylife);
}

void MainWindow::openPreview()
{
    bool created = false;
    openSingleWindow(
        preview_, &created, std::as_const(project_), *live_,
        [this](const FieldRef& field, int value) { showField(field, value); }, this);
    if (created)
        placeBesideMainWindow(preview_, this);
    else
        preview_->refresh();  // the script folder's files may have changed
}

void MainWindow::openSettings() { openSingleWindow(settings_, nullptr, project_, this)->fillFromProject(); }

void MainWindow::openLevelProperties(int slot)
{
    // One dialog for every slot: a press while it is open re-targets it.
    openSingleWindow(levelProperties_, nullptr, project_, this)->showSlot(slot);
}

void MainWindow::openGameProperties() { openSingleWindow(gameProperties_, nullptr, project_, this); }

void MainWindow::openSaveAs()
{
    bool created = false;
    openSingleWindow(saveAs_, &created, std::as_const(project_), this);
    if (!created)
        return;
    connect(saveAs_, &SaveAsDialog::projectSaved, this, [this](const QString& hostPath) {
        takeAsSaved(hostPath);
        if (const std::function<void()> next = std::exchange(afterSave_, {}))
            next();
    });
    connect(saveAs_, &QObject::destroyed, this, [this] { afterSave_ = {}; });  // closed without saving
}

void MainWindow::openLoadScript()
{
    bool created = false;
    openSingleWindow(loadScript_, &created, project_, this);
    if (!created)
        return;
    // Asked at "Ok": the project may change while the dialog is open.
    loadScript_->setReplaceCheck([this] { return mayDiscardUnsavedWork(); });
    connect(loadScript_, &LoadScriptDialog::projectLoaded, this, [this](const QString& hostPath) {
        refreshRowsFromProject();
        takeAsSaved(hostPath);
    });
}

void MainWindow::chooseGameToImport()
{
    ImportGamePicker picker(findStartFolder(project_.scriptFolder).folder, this);
    if (picker.exec() == QDialog::Accepted && !picker.picked().isEmpty())
        importGame(picker.picked());
}

void MainWindow::importGame(const QString& hostPath)
{
    const auto folder = readScriptFolder(hostFile(hostPath).host());
    if (!folder) {
        reportFailure(this, folder.error(), QStringLiteral("Nothing was imported."));
        return;
    }
    std::optional<ImportedGame> game = importFolder(folder.value());
    if (!game) {
        showMessage(this, fromUtf8Text(describeHostPath(folder.value().script.path) +
                                       ": nothing to import: it has no [Title] or [Level] section"));
        return;
    }
    if (!mayDiscardUnsavedWork([this, hostPath] { importGame(hostPath); }))
        return;
    // As Load reads a project file: the fields a project file does not hold stay.
    readProjectText(projectFileText(game->project), project_);
    refreshRowsFromProject();
    showProjectState();
    if (game->leftOut.empty()) {
        showMessage(this, QStringLiteral("Game imported: the project keeps all of it."));
        return;
    }
    // Filled before it is shown, so that it opens as wide as its lines.
    if (importReport_.isNull()) {
        importReport_ = new ImportReportWindow(this);
        importReport_->setAttribute(Qt::WA_DeleteOnClose);
        placeBesideMainWindow(importReport_, this);
    }
    importReport_->showReport(std::move(game->leftOut), folder.value().script.path.parent_path());
    openSingleWindow(importReport_, nullptr, this);
}

bool MainWindow::hasUnsavedChanges() const
{
    ProjectState held = project_;
    held.compileToFolder = savedProject_.compileToFolder;  // a working field of this window, never saved
    return !(held == savedProject_);
}

bool MainWindow::mayDiscardUnsavedWork(std::function<void()> afterSave)
{
    if (!hasUnsavedChanges())
        return true;
    const QStringList choices{QStringLiteral("Save"), QStringLiteral("Discard"), QStringLiteral("Cancel")};
    switch (askChoice(this, QStringLiteral("Save changes to the project?"), choices)) {
    case 0:
        openSaveAs();
        afterSave_ = std::move(afterSave);
        return false;
    case 1: return true;
    default: return false;
    }
}

void MainWindow::takeAsSaved(const QString& hostPath)
{
    savedProject_ = project_;
    projectFileName_ = QFileInfo(hostPath).fileName();
    showProjectState();
}

void MainWindow::showProjectState()
{
    titleRefreshPending_ = false;
    QString title = QStringLiteral("Orvanta 3.0");
    if (!projectFileName_.isEmpty())
        title.prepend(projectFileName_ + QStringLiteral(" - "));
    if (hasUnsavedChanges())
        title.prepend(u'*');
    setWindowTitle(title);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonRelease:
    case QEvent::InputMethod:
    case QEvent::Drop:
        // Once the key or click has done its work.
        if (!std::exchange(titleRefreshPending_, true))
            QTimer::singleShot(0, this, &MainWindow::showProjectState);
        break;
    default: break;
    }
    if (altOpensMenuBar_ && isAltAloneRelease(event)) {
        openFirstMenu();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showField(const FieldRef& ref, int value)
{
    const Field field = ref.field;
    QWidget* holder = nullptr;
    switch (field.window()) {
    case FieldWindow::MainWindow:
        compileToPanel_->hide();  // it lies over the rows
        holder = rows_;
        break;
    case FieldWindow::LevelProperties:
        openLevelProperties(field.slot());
        holder = levelProperties_;
        break;
    case FieldWindow::GameProperties:
        openGameProperties();
        holder = gameProperties_;
        break;
    case FieldWindow::Settings:
        openSettings();
        holder = settings_;
        break;
    case FieldWindow::ScriptPackEditor:
        // The inventory box sits beside whatever pack the editor shows.
        if (field.pack() > 0 || scriptPacks_->editor() == nullptr)
            scriptPacks_->openPack(field.pack() > 0 ? field.pack() : 1);
        holder = scriptPacks_->editor();
        break;
    }
    selectControl(holder, controlShowing(field), ref.line, value);
}

void MainWindow::quit() { close(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    // "Quit", Ctrl+X and the close box end the run, closing every window,
    // once nothing unsaved is lost by it.
    if (!mayDiscardUnsavedWork([this] { close(); })) {
        event->ignore();
        return;
    }
    event->accept();
    QApplication::closeAllWindows();  // passes over this window, which is closing
    QCoreApplication::quit();
}

}  // namespace orvanta::ui
