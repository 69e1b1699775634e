#include "ui/main_window_fixture.h"
#include "orvanta/version.h"

#include "model/project_state.h"
#include "script/script_writer.h"
#include "ui/level_rows.h"
#include "ui/tool_box.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

namespace orvanta::test {
namespace {

using ui::levelNameBoxName;

QString wadBoxName(int slot) { return QStringLiteral("Combo%1").arg(slot); }

TEST_F(MainWindowTest, StartsWithTheDefaultsInAllTwelveRows)
{
    EXPECT_EQ(window.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvanta 3.0"));
    EXPECT_FALSE(window.windowIcon().pixmap(32).isNull());
    const ProjectState defaults = ProjectState::withDefaults();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        auto* name = window.findChild<QLineEdit*>(levelNameBoxName(slot));
        auto* wad = window.findChild<QComboBox*>(wadBoxName(slot));
        auto* button = window.findChild<QPushButton*>(QStringLiteral("Command%1").arg(slot));
        ASSERT_TRUE(name && wad && button);
        EXPECT_EQ(name->text().toStdString(), defaults.slot(slot).levelName);
        EXPECT_EQ(wad->currentText().toStdString(), kWadList.at(static_cast<std::size_t>(slot - 1)));
        ASSERT_EQ(wad->count(), kSlotCount);
        for (int entry = 0; entry < kSlotCount; ++entry)
            EXPECT_EQ(wad->itemText(entry).toStdString(), kWadList.at(static_cast<std::size_t>(entry)));
        EXPECT_TRUE(wad->isEditable());
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_TRUE(button->text().isEmpty());
    }
    EXPECT_EQ(find<QLineEdit>("Text12")->text(), QStringLiteral("Title Load Screen"));
    EXPECT_EQ(find<QLineEdit>("Text11")->text(), QStringLiteral("New City"));
    EXPECT_EQ(window.project(), [] {
        ProjectState expected = ProjectState::withDefaults();
        expected.compileToFolder = QDir::toNativeSeparators(QDir::currentPath()).toStdString();
        return expected;
    }());
    EXPECT_FALSE(find("Frame1")->isVisible());
    EXPECT_EQ(find<QLineEdit>("Text30")->text(), QDir::toNativeSeparators(QDir::currentPath()));
    EXPECT_NE(find("StatusBar1"), nullptr);
    EXPECT_FALSE(entry("commontools")->isChecked());
    EXPECT_EQ(window.toolBox(), nullptr);
}

TEST_F(MainWindowTest, TypedNamesAndWadsReachTheNextCompile)
{
    useTemporaryFolders();
    retype(find<QLineEdit>("Text3"), QStringLiteral("Halls of Thoth"));
    retype(find<QComboBox>("Combo4")->lineEdit(), QStringLiteral("MYTEMPLE"));
    // Choosing from the list stores too.
    auto* titleWad = find<QComboBox>("Combo1");
    titleWad->setCurrentIndex(5);
    Q_EMIT titleWad->textActivated(titleWad->currentText());

    entry("begin")->trigger();
    const std::string script = readBytes(temp / "Script.txt");
    const std::string english = readBytes(temp / "English.txt");
    EXPECT_NE(script.find("DATA\\MYTEMPLE,"), std::string::npos);
    EXPECT_NE(script.find("DATA\\CATACOMB,"), std::string::npos);
    EXPECT_NE(english.find("Halls of Thoth\r\n"), std::string::npos);
    EXPECT_EQ(english.find("Temple Of Karnak"), std::string::npos);
    EXPECT_EQ(window.project().level(3).levelName, "Halls of Thoth");
    EXPECT_EQ(window.project().slot(4).wadName, "MYTEMPLE");
    EXPECT_TRUE(waitForRecord(compilerRecord()));
}

TEST_F(MainWindowTest, CharactersOutsideTheCodePageShowAsTheQuestionMarkThatIsStored)
{
    auto* name = find<QLineEdit>("Text5");
    retype(name, QStringLiteral("Caf\u00e9 \u0141\u00f3d\u017a \u65e5"));
    EXPECT_EQ(name->text(), QStringLiteral("Caf\u00e9 ?\u00f3d? ?"));
    EXPECT_EQ(window.project().level(5).levelName, "Caf\xe9 ?\xf3" "d? ?");
    auto* wad = find<QComboBox>("Combo2")->lineEdit();
    retype(wad, QStringLiteral("\u20ac\u2603"));
    EXPECT_EQ(wad->text(), QStringLiteral("\u20ac?"));
    EXPECT_EQ(window.project().slot(2).wadName, "\x80?");
}

TEST_F(MainWindowTest, RefreshShowsTheProjectAfterItChangedBehindTheRows)
{
    window.project().slot(1).levelName = "Loaded \xe9";
    window.project().slot(12).wadName = "LOADED";
    window.refreshRowsFromProject();
    EXPECT_EQ(find<QLineEdit>("Text12")->text(), QStringLiteral("Loaded \u00e9"));
    EXPECT_EQ(find<QComboBox>("Combo12")->currentText(), QStringLiteral("LOADED"));
}

TEST_F(MainWindowTest, SlotButtonsNameTheirSlot)
{
    QSignalSpy clicked(&window, &ui::MainWindow::slotButtonClicked);
    QTest::mouseClick(find<QPushButton>("Command7"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 7);
    EXPECT_EQ(clicked.at(1).at(0).toInt(), 1);
}

struct MenuEntry {
    const char* name;
    const char* menu;  // the object name of the menu holding it
    const char* caption;
    QKeySequence shortcut;
    bool enabled;
};

TEST_F(MainWindowTest, MenusHoldEveryEntryWithItsCaptionShortcutAndState)
{
    const MenuEntry entries[] = {
        {"Save", "File", "Save", QKeySequence(QStringLiteral("Ctrl+S")), true},
        {"Load", "File", "Load", QKeySequence(QStringLiteral("Ctrl+L")), true},
        {"Quit", "File", "Quit", QKeySequence(QStringLiteral("Ctrl+X")), true},
        {"properties", "Edit", "Game Properties", QKeySequence(QStringLiteral("F5")), true},
        {"scriptpacks", "Edit", "Script Packs", QKeySequence(QStringLiteral("F6")), true},
        {"set", "Edit", "Settings", QKeySequence(), true},
        {"begin", "Script", "Compile Scripts", QKeySequence(QStringLiteral("Shift+F1")), true},
        {"ctoo", "Script", "Compile Scripts to...", QKeySequence(), true},
        {"Restore", "Script", "Restore Default Files", QKeySequence(QStringLiteral("Shift+F2")), true},
        {"commontools", "features", "Tool Box", QKeySequence(QStringLiteral("Shift+F3")), true},
        {"wizard", "features", "Script Wizard", QKeySequence(), false},
        {"run", "features", "Run", QKeySequence(), true},
        {"tr4", "run", "Tomb Raider IV", QKeySequence(), false},
        {"easy", "run", "Easylife", QKeySequence(QStringLiteral("F4")), true},
        {"about", "help", "About", QKeySequence(QStringLiteral("Ctrl+A")), true},
        {"readme", "help", "Readme", QKeySequence(QStringLiteral("Ctrl+R")), true},
        {"addon", "help", "Run Add-on", QKeySequence(), false},
    };
    QStringList order;
    for (const MenuEntry& expected : entries) {
        SCOPED_TRACE(expected.name);
        QAction* action = entry(expected.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromLatin1(expected.caption));
        EXPECT_EQ(action->shortcut(), expected.shortcut);
        EXPECT_EQ(action->isEnabled(), expected.enabled);
        auto* menu = find<QMenu>(expected.menu);
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->actions().contains(action));
        order << action->objectName();
    }
    // The order within each menu follows the table above.
    for (const char* menuName : {"File", "Edit", "Script", "features", "run", "help"}) {
        QStringList inMenu;
        for (QAction* action : find<QMenu>(menuName)->actions())
            inMenu << action->objectName();
        QStringList expected;
        for (const MenuEntry& e : entries)
            if (qstrcmp(e.menu, menuName) == 0)
                expected << QString::fromLatin1(e.name);
        EXPECT_EQ(inMenu, expected) << menuName;
    }
    QStringList bar;
    for (QAction* action : window.menuBar()->actions())
        bar << action->objectName() + QLatin1Char('=') + action->text();
    EXPECT_EQ(bar, QStringList({QStringLiteral("File=File"), QStringLiteral("Edit=Edit"),
                                QStringLiteral("Script=Script"), QStringLiteral("features=Features"),
                                QStringLiteral("help=Help")}));
    EXPECT_TRUE(entry("commontools")->isCheckable());
}

TEST_F(MainWindowTest, ToolBoxMarkFollowsTheMenuEntryAlone)
{
    QAction* toggle = entry("commontools");
    toggle->trigger();
    QPointer<ui::ToolBox> first = window.toolBox();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->objectName(), QStringLiteral("Form10"));
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(toggle->isChecked());

    toggle->trigger();  // hidden, kept
    EXPECT_FALSE(toggle->isChecked());
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisible());
    toggle->trigger();  // the same window again
    EXPECT_EQ(window.toolBox(), first.data());
    EXPECT_TRUE(first->isVisible());

    first->close();  // its own close box destroys it; the mark stays
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(first, nullptr);
    EXPECT_TRUE(toggle->isChecked());
    toggle->trigger();  // only clears the mark
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(window.toolBox(), nullptr);
    toggle->trigger();  // a new tool box
    ASSERT_NE(window.toolBox(), nullptr);
    EXPECT_TRUE(window.toolBox()->isVisible());
    EXPECT_TRUE(toggle->isChecked());
}

TEST_F(MainWindowTest, ToolBoxButtonsReachTheMainWindowsCommands)
{
    useTemporaryFolders();
    entry("commontools")->trigger();
    ui::ToolBox* toolBox = window.toolBox();
    ASSERT_NE(toolBox, nullptr);
    QSignalSpy properties(entry("properties"), &QAction::triggered);
    QSignalSpy packs(entry("scriptpacks"), &QAction::triggered);
    Q_EMIT toolBox->gamePropertiesRequested();
    Q_EMIT toolBox->scriptPacksRequested();
    EXPECT_EQ(properties.count(), 1);
    EXPECT_EQ(packs.count(), 1);
    Q_EMIT toolBox->restoreRequested();
    EXPECT_TRUE(std::filesystem::exists(temp / "Script.txt"));
    EXPECT_TRUE(std::filesystem::exists(temp / "English.txt"));
    Q_EMIT toolBox->runEasylifeRequested();
    ASSERT_TRUE(waitForRecord(compilerRecord()));
    EXPECT_EQ(readBytes(compilerRecord()), "0\n");
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(MainWindowTest, FocusedTextBoxesKeepCutAndSelectAll)
{
    auto* name = find<QLineEdit>("Text2");
    name->setFocus();
    name->setCursorPosition(0);
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(name->selectedText(), QStringLiteral("The Tomb Of Seth"));
    QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("The Tomb Of Seth"));
    EXPECT_EQ(window.project().level(2).levelName, "");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Form5")), nullptr);

    auto* wad = find<QComboBox>("Combo9")->lineEdit();
    wad->setFocus();
    QTest::keyClick(wad, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(wad->selectedText(), QStringLiteral("ANGKOR"));
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Form5")), nullptr);

    // Elsewhere the same keys are the menu's.
    auto* button = find<QPushButton>("Command3");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_A, Qt::ControlModifier);
    QWidget* about = window.findChild<QWidget*>(QStringLiteral("Form5"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button->setFocus();
    QTest::keyClick(button, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(about->isVisible());
}

TEST_F(MainWindowTest, QuitClosesEveryWindowWithoutAsking)
{
    window.project().slot(3).levelName = "unsaved";
    entry("set")->trigger();
    entry("about")->trigger();
    entry("readme")->trigger();
    entry("commontools")->trigger();
    entry("Quit")->trigger();
    EXPECT_FALSE(window.isVisible());
    for (QWidget* topLevel : QApplication::topLevelWidgets())
        EXPECT_FALSE(topLevel->isVisible()) << topLevel->objectName().toStdString();
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(MainWindowTest, AboutAndReadmeOpenOnceAndCloseWithTheirButton)
{
    for (const char* menuEntry : {"about", "readme"}) {
        SCOPED_TRACE(menuEntry);
        entry(menuEntry)->trigger();
        const QList<QWidget*> opened = window.findChildren<QWidget*>(
            QString::fromLatin1(qstrcmp(menuEntry, "about") == 0 ? "Form5" : "Form6"), Qt::FindDirectChildrenOnly);
        ASSERT_EQ(opened.size(), 1);
        QPointer<QWidget> dialog = opened.first();
        EXPECT_TRUE(dialog->isVisible());
        entry(menuEntry)->trigger();
        EXPECT_EQ(window.findChildren<QWidget*>(dialog->objectName(), Qt::FindDirectChildrenOnly).size(), 1);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(dialog, nullptr);
    }
}

TEST_F(MainWindowTest, AboutAndReadmeShowTheirTexts)
{
    entry("about")->trigger();
    QWidget* about = find("Form5");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Orvanta"));
    // The same version text as orvanta-cli --version.
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral(ORVANTA_VERSION_TEXT));
    EXPECT_EQ(QStringLiteral(ORVANTA_VERSION_TEXT), QStringLiteral("Beta Ver.3.0"));
    EXPECT_EQ(about->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("Ok"));

    entry("readme")->trigger();
    QWidget* readme = find("Form6");
    ASSERT_NE(readme, nullptr);
    EXPECT_EQ(readme->windowTitle(), QStringLiteral("Orvanta Readme"));
    EXPECT_EQ(readme->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("OK"));
    const QString text = readme->findChild<QPlainTextEdit*>()->toPlainText();
    EXPECT_GT(text.size(), 5000);
    EXPECT_TRUE(text.contains(QStringLiteral("Compile Scripts")));
}

} // namespace
} // namespace orvanta::test
