// Two runs of the program, each a main window of its own. The first edits a
// project through its windows, saves it and compiles it; the second loads the
// file and compiles again. The script sources come out the same but for the
// LoadCamera lines of the slots whose camera was changed: the file carries a
// camera inside the slot's level data string, not in the camera label those
// lines are written from.
#include "support/message_recorder.h"
#include "support/stand_in_program.h"
#include "ui/dialog_test_support.h"
#include "ui/level_rows.h"
#include "ui/main_window.h"
#include "ui/project_dialog_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <utility>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

const QString kCompiled = QStringLiteral("DAT files rewritten - Script Files Compiled!");

struct SlotEdit {
    int slot;
    std::vector<const char*> optionBoxesToClick; // Check1..Check8
    const char* camera = nullptr;                // null: left as shown
    const char* track = nullptr;                 // typed into the track box
};

/// The level properties edits of the first run; slots 1, 4 and 10 get new cameras.
const std::vector<SlotEdit> kSlotEdits{
    {1, {}, "1000,-200,3000,1100,-250,3100,0", "City"},
    {4, {"Check5", "Check2"}, "5,6,7,8,9,10,11", nullptr},
    {6, {"Check8"}, nullptr, nullptr}, // level 5 leaves the script
    {7, {}, nullptr, "Angkor Wat"},
    {10, {"Check7"}, "-1,-2,-3,-4,-5,-6,77", "Coastal"},
    {12, {"Check6", "Check1"}, nullptr, nullptr},
};

void retype(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    typeText(box, text);
}

void activate(QWidget* window)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
}

QAction* entry(const ui::MainWindow& window, const char* name)
{
    QAction* action = window.action(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

QWidget* openedWindow(const ui::MainWindow& window, const char* name)
{
    auto* found = window.findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

/// Types both paths into the settings dialog and applies them.
void setFolders(ui::MainWindow& window, const fs::path& scriptFolder, const fs::path& easylife)
{
    entry(window, "set")->trigger();
    QWidget* settings = openedWindow(window, "Form11");
    retype(controlOf<QLineEdit>(settings, "Text1"), qtext(scriptFolder));
    retype(controlOf<QLineEdit>(settings, "Text2"), qtext(easylife));
    QTest::mouseClick(controlOf<QPushButton>(settings, "Command1"), Qt::LeftButton);
    destroyClosedWindows();
    activate(&window);
}

void editSlot(ui::MainWindow& window, const SlotEdit& edit)
{
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command%1").arg(edit.slot)),
                      Qt::LeftButton);
    QWidget* properties = openedWindow(window, "Form2");
    for (const char* box : edit.optionBoxesToClick)
        QTest::mouseClick(controlOf<QCheckBox>(properties, box), Qt::LeftButton);
    if (edit.camera != nullptr)
        retype(controlOf<QLineEdit>(properties, "Text3"), QString::fromLatin1(edit.camera));
    if (edit.track != nullptr)
        retype(controlOf<QComboBox>(properties, "Combo1")->lineEdit(),
               QString::fromLatin1(edit.track));
    QTest::mouseClick(controlOf<QPushButton>(properties, "Command1"), Qt::LeftButton);
    destroyClosedWindows();
    activate(&window);
}

void editGameProperties(ui::MainWindow& window)
{
    QTest::keyClick(&window, Qt::Key_F5);
    QWidget* game = openedWindow(window, "Form7");
    for (const char* image : {"Image1", "Image3", "Image5"})
        QTest::mouseClick(controlOf<QWidget>(game, image), Qt::LeftButton);
    retype(controlOf<QLineEdit>(game, "Text1"), QStringLiteral("9000"));
    retype(controlOf<QLineEdit>(game, "Text2"), QStringLiteral("$54"));
    retype(controlOf<QLineEdit>(game, "Text3"), QStringLiteral("Somewhere, some time..."));
    retype(controlOf<QLineEdit>(game, "Text4"), QStringLiteral("Elsewhere, \u00e0 l'est"));
    QTest::mouseClick(controlOf<QPushButton>(game, "Command1"), Qt::LeftButton);
    destroyClosedWindows();
    activate(&window);
}

void useProjectDialog(ui::MainWindow& window, Qt::Key shortcut, const char* dialogName)
{
    QTest::keyClick(&window, shortcut, Qt::ControlModifier);
    QWidget* dialog = openedWindow(window, dialogName);
    ASSERT_NE(dialog, nullptr);
    typeName(dialog, QStringLiteral("myproject"));
    pressOk(dialog);
    destroyClosedWindows();
    activate(&window);
}

/// The compiled sources, read back from the script folder.
struct Compiled {
    std::vector<std::string> script;
    std::string english;
};

Compiled compile(ui::MainWindow& window, const fs::path& folder, const fs::path& compilerRecord)
{
    fs::remove(compilerRecord);
    QTest::keyClick(&window, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(waitForRecord(compilerRecord));
    return {linesOf(readBytes(folder / "Script.txt")), readBytes(folder / "English.txt")};
}

std::string loadCameraLine(const std::string& camera)
{
    return "LoadCamera=\t" + camera;
}

/// The lines at which two scripts of the same length differ, as pairs.
std::vector<std::pair<std::string, std::string>>
differingLines(const std::vector<std::string>& first, const std::vector<std::string>& second)
{
    std::vector<std::pair<std::string, std::string>> differing;
    EXPECT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < std::min(first.size(), second.size()); ++i) {
        if (first[i] != second[i])
            differing.emplace_back(first[i], second[i]);
    }
    return differing;
}

class TwoRunsTest : public ::testing::Test {
protected:
    FakeWinePrefix prefix{kScriptFolder};
    TempFolder temp;
    fs::path firstFolder = temp / "first";
    fs::path secondFolder = temp / "second";
    fs::path record = temp / "compiler-ran.txt";
    fs::path easylife = writeStandInProgram(temp / "easylife.sh", record);
    MessageRecorder messages;
};

TEST_F(TwoRunsTest, ALoadedProjectCompilesAsSavedButForTheLoadCameraLinesOfChangedCameras)
{
    fs::create_directory(firstFolder);
    fs::create_directory(secondFolder);
    const ProjectState defaults = ProjectState::withDefaults();

    Compiled firstRun;
    {
        ui::MainWindow window;
        window.show();
        activate(&window);
        setFolders(window, firstFolder, easylife);
        for (int slot : {1, 3, 6, 9, 12}) {
            auto* name = window.findChild<QLineEdit*>(ui::levelNameBoxName(slot));
            retype(name, QStringLiteral("Renamed, \"%1\" \u00e9").arg(slot));
        }
        for (int slot : {2, 6, 11})
            retype(window.findChild<QComboBox*>(QStringLiteral("Combo%1").arg(slot))->lineEdit(),
                   QStringLiteral("MYWAD%1").arg(slot));
        for (const SlotEdit& edit : kSlotEdits)
            editSlot(window, edit);
        editGameProperties(window);
        useProjectDialog(window, Qt::Key_S, "Form8");
        ASSERT_EQ(messages.texts(), QStringList{QStringLiteral("File saved successfully!")});
        firstRun = compile(window, firstFolder, record);
        EXPECT_EQ(messages.texts().back(), kCompiled);
    }
    // The edits reached the first run's sources, so the comparison below means something.
    for (const char* line :
         {"Level=\t\tDATA\\TITLE,102", "LoadCamera=\t5,6,7,8,9,10,11", "Level=\t\tDATA\\MYWAD2,107",
          "Level=\t\tDATA\\CLEOPAL,110", "LensFlare=\t250000,-32000,110000,128,96,0",
          "LoadSave=\tDISABLED", "Legend=\t\tSomewhere, some time...", "Train=\tENABLED",
          "InputTimeout=\t9000", "Security=\t$54", "Level=\t\tDATA\\LIBRARY,105"})
        EXPECT_TRUE(containsRun(firstRun.script, {line})) << line;
    EXPECT_FALSE(containsRun(firstRun.script, {"Level=\t\tDATA\\MYWAD6,108"}))
        << "level 5 was left out";
    for (const char* text : {"Renamed, \"3\" \xe9\r\n", "Elsewhere, \xe0 l'est\r\n"})
        EXPECT_NE(firstRun.english.find(text), std::string::npos) << text;

    ui::MainWindow window;
    window.show();
    activate(&window);
    useProjectDialog(window, Qt::Key_L, "Form12");
    EXPECT_EQ(messages.texts().back(), QStringLiteral("Script file loaded!"));
    EXPECT_EQ(window.findChild<QLineEdit*>(ui::levelNameBoxName(6))->text(),
              QStringLiteral("Renamed, \"6\" \u00e9"));
    EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("Combo11"))->currentText(),
              QStringLiteral("MYWAD11"));
    EXPECT_EQ(window.project().scriptFolder, firstFolder.string()) << "the file carries the paths";
    setFolders(window, secondFolder, easylife);
    const Compiled secondRun = compile(window, secondFolder, record);
    EXPECT_EQ(messages.texts().back(), kCompiled);

    EXPECT_EQ(secondRun.english, firstRun.english);
    std::vector<std::pair<std::string, std::string>> cameraLines;
    for (const SlotEdit& edit : kSlotEdits) {
        if (edit.camera != nullptr)
            cameraLines.emplace_back(loadCameraLine(edit.camera),
                                     loadCameraLine(defaults.slot(edit.slot).cameraLabel));
    }
    EXPECT_EQ(differingLines(firstRun.script, secondRun.script), cameraLines);

    // The slot button shows the camera the file carried; applying it makes
    // that slot's LoadCamera line the first run's again.
    editSlot(window, SlotEdit{4, {}, nullptr, nullptr});
    const Compiled applied = compile(window, secondFolder, record);
    cameraLines.erase(cameraLines.begin() + 1);
    EXPECT_EQ(differingLines(firstRun.script, applied.script), cameraLines);
    EXPECT_EQ(applied.english, firstRun.english);
}

} // namespace
} // namespace orvanta::test
