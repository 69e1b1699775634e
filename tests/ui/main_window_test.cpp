// The main window (Form1): its rows, its menus and the script commands, with
// the settings (Form11) that name their folders, About (Form5) and Readme (Form6).
#include "support/main_window_test.h"

#include "desktop/text_conversion.h"
#include "projectfile/project_file_writer.h"
#include "resources/stock_texts.h"
#include "script/english_writer.h"
#include "script/script_writer.h"
#include "ui/dialog_layout.h"

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

namespace orvanta::test {
namespace {

TEST_F(MainWindowTest, RowsShowTheDefaultsAndWhatIsTypedOrChosenThereIsCompiled)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvanta 3.0"));
    ProjectState expected = ProjectState::withDefaults();
    expected.compileToFolder = ui::toProjectText(QDir::currentPath());  // "work ??????"
    EXPECT_EQ(window.project(), expected);
    EXPECT_EQ(find<QLineEdit>("Text30")->text(), QDir::currentPath()) << "the host's name, not question marks";
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        EXPECT_EQ(nameBox(slot)->text().toStdString(), expected.slot(slot).levelName);
        EXPECT_EQ(wadBox(slot)->currentText().toStdString(), kWadList.at(static_cast<std::size_t>(slot - 1)));
        EXPECT_EQ(wadBox(slot)->count(), kSlotCount);
        EXPECT_EQ(wadBox(slot)->itemText(slot - 1), wadBox(slot)->currentText());
        EXPECT_FALSE(slotButton(slot)->visibleRegion().isEmpty()) << slot;
        EXPECT_FALSE(nameBox(slot)->visibleRegion().isEmpty()) << slot;
    }
    retype(nameBox(4), QStringLiteral("Halls of Thoth"));
    retype(wadBox(5)->lineEdit(), QStringLiteral("MYTEMPLE"));
    wadBox(1)->setCurrentIndex(5);
    Q_EMIT wadBox(1)->textActivated(wadBox(1)->currentText());
    keyOnMain(Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_TRUE(waitForMessage(0));
    EXPECT_EQ(messages, QStringList{kCompiled});
    EXPECT_EQ(readBytes(compilerRecord()), "4\ncmd.exe\n/d\n/c\n.\\Easylife.bat\n");  // by wine's cmd, from drive C
    const std::string script = readBytes(scriptFolder() / "Script.txt");
    EXPECT_TRUE(hasLines(script, {"Name=\t\tHalls of Thoth"}));
    EXPECT_TRUE(hasLines(script, {"Level=\t\tDATA\\MYTEMPLE,105"}));
    EXPECT_TRUE(
        hasLines(script, {"LoadCamera=\t84246,-533,78233,81622,-1514,78208,40", "Level=\t\tDATA\\CATACOMB,104"}));
    EXPECT_EQ(readBytes(scriptFolder() / "English.txt"), englishText(window.project()));
}

TEST_F(MainWindowTest, MenusHoldEveryEntryWithItsCaptionShortcutAndState)
{
    QStringList shown;
    const auto describe = [&shown](const QMenu* menu, const auto& self) -> void {
        shown << menu->objectName() + u'=' + menu->title();
        for (const QAction* action : menu->actions()) {
            shown << action->objectName() + u' ' + action->text() + u' ' + action->shortcut().toString() +
                         (action->isEnabled() ? QString() : QStringLiteral("off"));
            if (action->menu() != nullptr)
                self(action->menu(), self);
        }
    };
    for (const QAction* menu : window.menuBar()->actions())
        describe(menu->menu(), describe);
    EXPECT_EQ(
        shown.join(u'|'),
        QStringLiteral(
            "File=&File|Save &Save Ctrl+S|Load &Load Ctrl+L|import &Import Game... |Quit &Quit Ctrl+X|Edit=&Edit|"
            "properties &Game Properties F5|scriptpacks Script &Packs F6|set Se&ttings |Script=&Script|"
            "begin &Compile Scripts Shift+F1|ctoo Compile Scripts &to... |Restore &Restore Default Files Shift+F2|"
            "check C&heck Script F7|build &Build DAT Files F8|play Build and P&lay F9|preview &Preview Script Files |"
            "features=Fe&atures|"
            "commontools &Tool Box Shift+F3|wizard Script &Wizard off|run &Run |run=&Run|tr4 Tomb &Raider IV off|"
            "easy &Easylife F4|help=&Help|about &About Ctrl+A|readme &Readme Ctrl+R|addon Run A&dd-on off"));
    ;
}

TEST_F(MainWindowTest, AboutAndReadmeShowTheirTextsAndQuitWithNothingUnsavedClosesEveryWindowWithoutAsking)
{
    for (const char* name : {"about", "readme", "set", "commontools", "properties", "scriptpacks", "Save"})
        entry(name)->trigger();
    QTest::mouseClick(slotButton(2), Qt::LeftButton);
    EXPECT_EQ(QStringList({opened("Form5")->windowTitle(), child<QLabel>(opened("Form5"), "Label2")->text(),
                           child<QPushButton>(opened("Form5"), "Command1")->text(), opened("Form6")->windowTitle(),
                           child<QPushButton>(opened("Form6"), "Command1")->text()})
                  .join(u'|'),
              QStringLiteral("About Orvanta|Beta Ver.3.0|Ok|Orvanta Readme|OK"));
    const QString readme = child<QPlainTextEdit>(opened("Form6"), "Text1")->toPlainText();
    EXPECT_TRUE(readme.contains(QStringLiteral("Compile Scripts")));
    EXPECT_FALSE(readme.contains(QStringLiteral("fog")));
    EXPECT_TRUE(readme.contains(QStringLiteral("A load brings back everything the file keeps")));
    entry("Quit")->trigger();
    for (QWidget* topLevel : QApplication::topLevelWidgets())
        EXPECT_FALSE(topLevel->isVisible()) << topLevel->objectName().toStdString();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(questions.isEmpty());
}

TEST_F(MainWindowTest, QuitCtrlXAndTheCloseBoxAskOnlyWithUnsavedEditsAndSaveQuitsOnceWritten)
{
    const auto title = [this] {
        QCoreApplication::processEvents();  // the title follows each key and click
        return window.windowTitle();
    };
    const std::function<void()> ways[] = {
        [this] { entry("Quit")->trigger(); }, [this] { keyOnMain(Qt::Key_X, Qt::ControlModifier, slotButton(3)); },
        [this] { window.close(); },  // what the close box does
    };
    const QString name = nameBox(3)->text();
    EXPECT_EQ(title(), QStringLiteral("Orvanta 3.0"));
    for (const auto& quitBy : ways) {
        window.show();
        retype(nameBox(3), QStringLiteral("Edited"));
        EXPECT_EQ(title(), QStringLiteral("*Orvanta 3.0"));
        choice = 2;  // "Cancel"
        quitBy();
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(questions, QStringList{QStringLiteral("Save changes to the project?|Save|Discard|Cancel")});
        retype(nameBox(3), name);  // nothing unsaved again
        EXPECT_EQ(title(), QStringLiteral("Orvanta 3.0"));
        quitBy();
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(questions.size(), 1);
        questions.clear();
    }
    window.show();
    retype(nameBox(3), QStringLiteral("Edited"));
    choice = 0;  // "Save": the program ends only once the file is written
    entry("Quit")->trigger();
    retype(child(opened("Form8"), "Text1"), QStringLiteral("kept"));
    EXPECT_TRUE(window.isVisible());
    click(opened("Form8"), "Command1");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(readBytes(scriptFolder() / "kept.txt"), projectFileText(window.project()));
    EXPECT_EQ(title(), QStringLiteral("kept.txt - Orvanta 3.0"));
}

// Also run at 200% on a screen 1000 pixels high (ctest: windows_at_200_percent).
TEST_F(MainWindowTest, EveryWindowFitsItsScreenWithItsButtonsAndItsWholeTitle)
{
    const QRect screen = window.screen()->availableGeometry();
    QFont titleFont = window.font();
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    const auto check = [&](QWidget* shown) {
        SCOPED_TRACE(shown->objectName().toStdString());
        EXPECT_LE(shown->height() + 2 * title.height(), screen.height()) << "with a title bar";
        EXPECT_LE(shown->width(), screen.width());
        for (const QPushButton* button : shown->findChildren<QPushButton*>())
            EXPECT_TRUE(!button->isVisibleTo(shown) ||
                        shown->rect().contains(QRect(button->mapTo(shown, QPoint()), button->size())));
        // A title bar holds the icon and three buttons beside the title.
        EXPECT_GE(shown->width(), title.horizontalAdvance(shown->windowTitle()) + 6 * title.height());
        const bool fixed = shown->minimumSize() == shown->maximumSize();
        EXPECT_FALSE(fixed && !shown->objectName().isEmpty() && shown->windowFlags() != ui::kFixedDialogFlags)
            << "one set of flags for the fixed dialogs";
    };
    const std::pair<const char*, const char*> windows[] = {
        {"about", "Form5"},      {"readme", "Form6"},      {"set", "Form11"},
        {"properties", "Form7"}, {"scriptpacks", "Form3"}, {"Save", "Form8"},
        {"Load", "Form12"},      {"Command2", "Form2"},    {"Label2", "Form4"}};
    for (const auto& [how, name] : windows)
        check(open(how, name));
    ui::setMessageHandler({});
    QTimer::singleShot(0, [&] {
        check(QApplication::activeModalWidget());
        QApplication::activeModalWidget()->close();
    });
    ui::showMessage(&window, QStringLiteral("File saved successfully!"));
}

TEST_F(MainWindowTest, SettingsShowThePathsAndApplyStoresThemForTheScriptCommands)
{
    entry("set")->trigger();
    QPointer<QWidget> settings = opened("Form11");
    EXPECT_EQ(child<QLineEdit>(settings, "Text1")->text() + u'|' + child<QLineEdit>(settings, "Text2")->text(),
              QStringLiteral("C:\\Program Files\\Core Design\\trle\\Script|C:\\Easylife.bat"));
    retype(child(settings, "Text1"), QString::fromStdString(temp.text()));
    window.project().easylifeLocation = "D:\\Easy.bat";  // a project loaded while it is open
    entry("set")->trigger();                             // shows the project's paths again
    EXPECT_EQ(child<QLineEdit>(settings, "Text2")->text(), QStringLiteral("D:\\Easy.bat"));
    retype(child(settings, "Text1"), QString::fromStdString(temp.text()));
    retype(child(settings, "Text2"), QString::fromStdString((temp / "wine").string()));
    click(settings, "Command1");
    EXPECT_TRUE(settings.isNull());
    EXPECT_EQ(window.project().scriptFolder + "|" + window.project().easylifeLocation,
              temp.text() + "|" + (temp / "wine").string());
    EXPECT_EQ(compile(), scriptText(window.project()));
    EXPECT_EQ(readBytes(compilerRecord()), "0\n");  // started alone, without arguments
    keyOnMain(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(readBytes(temp / "Script.txt"), std::string(resources::stockScript()) + "\r\n");
    EXPECT_EQ(readBytes(temp / "English.txt"), std::string(resources::stockEnglish()) + "\r\n");
    EXPECT_EQ(messages, QStringList{kCompiled});
}

TEST_F(MainWindowTest, FailuresNameThePathAsTheHostSpellsItAndAreNeverReportedAsSuccess)
{
    // A field holds the path's "\u00dc" as the byte 0xDC, a file error as UTF-8: each message must show "\u00dc".
    const QString missing = QString::fromStdString(temp.text()) + QStringLiteral("/\u00dcber/missing");
    // The command, the field that names the path (else the path is typed into the window), its message and path.
    const std::tuple<const char*, std::string ProjectState::*, const char*, const char*, const char*> cases[] = {
        {"begin", &ProjectState::scriptFolder, "", "The script files were not compiled.", "/Script.txt"},
        {"Restore", &ProjectState::scriptFolder, "", "The default script files were not restored.", "/Script.txt"},
        {"build", &ProjectState::scriptFolder, "", "The DAT files were not built: nothing was written.", "/Script.txt"},
        {"begin", &ProjectState::easylifeLocation, "", "the Easylife compiler could not be started", ""},
        {"easy", &ProjectState::easylifeLocation, "", "Cannot start", ""},
        {"ctoo", nullptr, "Frame1", "Cannot write", "/Script.txt"},
        {"Save", nullptr, "Form8", "Cannot write", ".txt"},
        {"Load", nullptr, "Form12", "Cannot read", ".txt"},
    };
    const ProjectState before = window.project();
    for (const auto& [command, field, form, consequence, file] : cases) {
        if (field != nullptr)
            window.project().*field = ui::toProjectText(missing);
        entry(command)->trigger();
        if (field == nullptr) {
            const bool panel = form == std::string_view("Frame1");
            retype(child(opened(form), panel ? "Text30" : "Text1"), missing);
            click(opened(form), panel ? "Command13" : "Command1");
            EXPECT_NE(opened(form), nullptr);
        }
        const QString said = messages.join(u'|');
        EXPECT_TRUE(said.contains(QString::fromLatin1(consequence))) << said.toStdString();
        EXPECT_TRUE(said.contains(u'"' + missing + QString::fromLatin1(file) + u'"')) << said.toStdString();
        EXPECT_EQ(messages.size(), 1);
        messages.clear();
        window.project() = before;
    }
    EXPECT_FALSE(std::filesystem::exists(temp / "\u00dcber"));
    EXPECT_FALSE(std::filesystem::exists(compilerRecord()));
    EXPECT_TRUE(std::filesystem::exists(scriptFolder() / "Script.txt"))
        << "written before the compiler failed to start";
}

}  // namespace
}  // namespace orvanta::test
