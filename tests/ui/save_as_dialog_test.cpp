#include "ui/save_as_dialog.h"

#include "projectfile/project_file_writer.h"
#include "support/message_recorder.h"
#include "ui/project_dialog_support.h"
#include "ui/single_window.h"

#include <QLabel>

#include <functional>

namespace orvanta::ui {
namespace {

using test::child;
using test::FakeWinePrefix;
using test::kScriptFolder;
namespace fs = std::filesystem;

const QString kSaved = QStringLiteral("File saved successfully!");

class SaveAsDialogTest : public ::testing::Test {
protected:
    SaveAsDialogTest() : prefix_(kScriptFolder), folder_(prefix_.driveC(kScriptFolder)) {}

    void SetUp() override
    {
        dialog_ = new SaveAsDialog(project_);
        dialog_->show();
    }
    void TearDown() override { delete dialog_.data(); }

    void saveAs(const QString& name)
    {
        test::typeName(dialog_, name);
        test::pressOk(dialog_);
    }
    bool destroyed() { return test::wasDestroyed(dialog_); }
    QString nameBox() const { return child<QLineEdit>(dialog_, "Text1")->text(); }

    FakeWinePrefix prefix_;
    fs::path folder_;
    ProjectState project_ = ProjectState::withDefaults();
    QPointer<QWidget> dialog_;
    test::MessageRecorder messages_;
};

TEST_F(SaveAsDialogTest, IsTheNamedFixedSizeDialogWithAHiddenAddress)
{
    EXPECT_EQ(dialog_->objectName(), QStringLiteral("Form8"));
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Save As"));
    EXPECT_EQ(dialog_->minimumSize(), dialog_->maximumSize());
    EXPECT_EQ(child<QLabel>(dialog_, "Label1")->text(), QStringLiteral("File Name:"));
    EXPECT_EQ(child<QPushButton>(dialog_, "Command2")->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(child<QLabel>(dialog_, "address")->isVisible());
    QTest::mouseClick(child<QPushButton>(dialog_, "Command2"), Qt::LeftButton);
    EXPECT_TRUE(destroyed());
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(SaveAsDialogTest, NameWithoutExtensionIsSavedWithTxtThenClosesAndConfirms)
{
    saveAs(QStringLiteral("myproject"));
    EXPECT_EQ(nameBox(), QStringLiteral("myproject.txt"));
    EXPECT_EQ(child<QLabel>(dialog_, "address")->text(),
              test::qtext(folder_) + QStringLiteral("\\myproject.txt"));
    EXPECT_TRUE(destroyed());
    EXPECT_EQ(test::readBytes(folder_ / "myproject.txt"), projectFileText(project_));
    EXPECT_EQ(messages_.texts(), QStringList{kSaved});
}

TEST_F(SaveAsDialogTest, OnlyALowerCaseTxtEndingCountsAsTheExtension)
{
    saveAs(QStringLiteral("myproject.TXT"));
    EXPECT_TRUE(destroyed());
    EXPECT_TRUE(fs::exists(folder_ / "myproject.TXT.txt"));
    EXPECT_FALSE(fs::exists(folder_ / "myproject.TXT"));
}

TEST_F(SaveAsDialogTest, AFilePickedFromTheListIsReplacedWhole)
{
    const std::string longer(20000, 'x');
    test::writeBytes(folder_ / "old.txt", longer);
    // The list was read when the dialog opened: open it again to see the file.
    delete dialog_.data();
    SetUp();
    ASSERT_TRUE(test::clickFile(dialog_, QStringLiteral("old.txt")));
    EXPECT_EQ(nameBox(), QStringLiteral("old.txt"));
    test::pressOk(dialog_);
    EXPECT_EQ(test::readBytes(folder_ / "old.txt"), projectFileText(project_));
    EXPECT_EQ(messages_.texts(), QStringList{kSaved});
}

TEST_F(SaveAsDialogTest, AWriteThatFailsNamesThePathKeepsTheDialogAndTheOldFile)
{
    struct Case {
        const char* what;
        QString name;
        std::string namedInMessage;
        std::function<void()> prepare;
    };
    const std::string tooLong(300, 'n');
    const Case cases[] = {
        {"a folder of that name", QStringLiteral("taken"), "taken.txt",
         [&] { fs::create_directory(folder_ / "taken.txt"); }},
        {"a name too long for the file system", QString::fromStdString(tooLong), tooLong + ".txt", [] {}},
        {"a folder that disappeared", QStringLiteral("lost"), "Gone",
         [&] {
             fs::create_directory(folder_ / "Gone");
             dialog_->findChild<ProjectFileChooser*>()->setCurrentFolder(test::qtext(folder_ / "Gone"));
             fs::remove(folder_ / "Gone");
         }},
        {"a folder the system refuses", QStringLiteral("nope"), "/sys",
         [&] { dialog_->findChild<ProjectFileChooser*>()->setCurrentFolder(QStringLiteral("/sys")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        delete dialog_.data();
        SetUp();
        c.prepare();
        const auto before = messages_.texts().size();
        saveAs(c.name);
        ASSERT_EQ(messages_.texts().size(), before + 1);
        EXPECT_NE(messages_.texts().back(), kSaved);
        EXPECT_TRUE(messages_.texts().back().contains(QString::fromStdString(c.namedInMessage)))
            << messages_.texts().back().toStdString();
        EXPECT_FALSE(destroyed());
        EXPECT_TRUE(dialog_->isVisible());
    }
    EXPECT_TRUE(fs::is_directory(folder_ / "taken.txt"));
    for (const auto& entry : fs::directory_iterator(folder_))
        EXPECT_EQ(entry.path().filename(), "taken.txt") << "nothing else, no temporary file, is left";
}

} // namespace
} // namespace orvanta::ui
