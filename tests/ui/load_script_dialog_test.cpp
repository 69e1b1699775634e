#include "ui/load_script_dialog.h"

#include "projectfile/project_file_writer.h"
#include "resources/stock_texts.h"
#include "support/message_recorder.h"
#include "ui/project_dialog_support.h"

#include <QLabel>

namespace orvanta::ui {
namespace {

using test::child;
using test::FakeWinePrefix;
using test::kScriptFolder;
namespace fs = std::filesystem;

const QString kLoaded = QStringLiteral("Script file loaded!");
const QString kNotProject = QStringLiteral("Not an ORV file!");

/// Another project: every field a project file carries differs from the
/// defaults, awkward values included.
ProjectState otherProject()
{
    ProjectState project = ProjectState::withDefaults();
    for (int k = 1; k <= kSlotCount; ++k) {
        const std::string n = std::to_string(k);
        project.slot(k).levelName = k == 4 ? "" : " \"Other, " + n + "\"";
        project.slot(k).wadName = "OWN" + n;
        project.slot(k).audioTrack = "2" + n;
        project.slot(k).levelData = "*il,1,2,3," + n;
        project.slot(k).cameraLabel = "9,9," + n;
        if (k > 1)
            project.slot(k).scriptPack = "Pack of the file " + n + "\r\n";
    }
    project.firstLegend = "First, other";
    project.secondLegend = "";
    project.switches = {"1", "1", "0", "x", "0"};
    project.inputTimeout = "100";
    project.security = "$12";
    project.scriptHeader = "header of the file\r\n";
    project.inventoryItems = "items of the file\r\n";
    project.scriptFolder = "D:\\Other\\Script";
    project.easylifeLocation = "D:\\Other.bat";
    return project;
}

class LoadScriptDialogTest : public ::testing::Test {
protected:
    LoadScriptDialogTest() : prefix_(kScriptFolder), folder_(prefix_.driveC(kScriptFolder))
    {
        project_.level(2).scriptPack = "Pack edited in memory\r\n";
        project_.inventoryItems = "Items edited in memory";
        project_.scriptHeader = "Header edited in memory";
        project_.slot(5).cameraLabel = "1,2,3";
    }

    void open()
    {
        delete dialog_.data();
        auto* dialog = new LoadScriptDialog(project_);
        QObject::connect(dialog, &LoadScriptDialog::projectLoaded,
                         [this] { messagesWhenLoaded_.push_back(messages_.texts().size()); });
        dialog->show();
        dialog_ = dialog;
    }
    void TearDown() override { delete dialog_.data(); }

    void load(const QString& name)
    {
        test::typeName(dialog_, name);
        test::pressOk(dialog_);
    }
    bool destroyed() { return test::wasDestroyed(dialog_); }
    QString nameBox() const { return child<QLineEdit>(dialog_, "Text1")->text(); }
    QString address() const { return child<QLabel>(dialog_, "address")->text(); }

    /// The dialog turned the file down: still open, the project as it was,
    /// no success message and no signal.
    void expectRefused(const ProjectState& before)
    {
        EXPECT_FALSE(destroyed());
        EXPECT_TRUE(dialog_->isVisible());
        EXPECT_EQ(project_, before);
        EXPECT_FALSE(messages_.texts().contains(kLoaded));
        EXPECT_TRUE(messagesWhenLoaded_.empty());
    }

    FakeWinePrefix prefix_;
    fs::path folder_;
    ProjectState project_ = ProjectState::withDefaults();
    QPointer<QWidget> dialog_;
    test::MessageRecorder messages_;
    std::vector<qsizetype> messagesWhenLoaded_;
};

TEST_F(LoadScriptDialogTest, IsTheNamedFixedSizeDialogAndCancelChangesNothing)
{
    open();
    EXPECT_EQ(dialog_->objectName(), QStringLiteral("Form12"));
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Load Script"));
    EXPECT_EQ(dialog_->minimumSize(), dialog_->maximumSize());
    EXPECT_TRUE(child<QLabel>(dialog_, "address")->isVisible());
    const ProjectState before = project_;
    test::typeName(dialog_, QStringLiteral("anything"));
    QTest::mouseClick(child<QPushButton>(dialog_, "Command2"), Qt::LeftButton);
    EXPECT_TRUE(destroyed());
    EXPECT_EQ(project_, before);
}

TEST_F(LoadScriptDialogTest, ATypedNameWithoutExtensionIsLookedUpWithTxt)
{
    const ProjectState other = otherProject();
    test::writeBytes(folder_ / "saved.txt", projectFileText(other));
    open();
    load(QStringLiteral("saved"));
    EXPECT_EQ(project_.level(1).levelName, other.level(1).levelName);
    EXPECT_EQ(messages_.texts(), QStringList{kLoaded});
}

TEST_F(LoadScriptDialogTest, AFileThatCannotBeReadWholeNamesThePathAndChangesNothing)
{
    const std::string whole = projectFileText(otherProject());
    test::writeBytes(folder_ / "cut.txt", whole.substr(0, whole.size() - 40));
    test::writeBytes(folder_ / "empty.txt", "");
    fs::create_directory(folder_ / "folder.txt");
    const ProjectState before = project_;
    open();
    for (const char* name : {"missing.txt", "cut.txt", "folder.txt"}) {
        SCOPED_TRACE(name);
        load(QString::fromLatin1(name));
        EXPECT_TRUE(messages_.texts().back().contains(QString::fromLatin1(name)));
        EXPECT_NE(messages_.texts().back(), kNotProject);
        expectRefused(before);
    }
    load(QStringLiteral("empty"));
    EXPECT_EQ(messages_.texts().back(), kNotProject);
    expectRefused(before);
}

} // namespace
} // namespace orvanta::ui
