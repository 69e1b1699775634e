#include "ui/main_window_fixture.h"

#include "resources/stock_texts.h"
#include "script/english_writer.h"
#include "script/script_writer.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTreeView>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

const QString kCompiled = QStringLiteral("DAT files rewritten - Script Files Compiled!");

TEST_F(MainWindowTest, CompileScriptsWritesBothFilesStartsTheCompilerAndSaysSo)
{
    useTemporaryFolders();
    window.project().level(4).levelName = "Changed";
    QTest::keyClick(&window, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(readBytes(temp / "Script.txt"), scriptText(window.project()));
    EXPECT_EQ(readBytes(temp / "English.txt"), englishText(window.project()));
    EXPECT_EQ(messages.texts(), QStringList{kCompiled});
    ASSERT_TRUE(waitForRecord(compilerRecord()));
    EXPECT_EQ(readBytes(compilerRecord()), "0\n");  // no arguments
}

TEST_F(MainWindowTest, CompileScriptsIntoAMissingFolderNamesItAndStartsNothing)
{
    useTemporaryFolders();
    window.project().scriptFolder = (temp / "no such folder").string();
    entry("begin")->trigger();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_NE(messages.texts().first(), kCompiled);
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("no such folder\\Script.txt")));
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("not compiled")));
    QTest::qWait(300);
    EXPECT_FALSE(fs::exists(compilerRecord()));
}

TEST_F(MainWindowTest, ACompilerThatCannotStartIsReportedInsteadOfSuccess)
{
    useTemporaryFolders();
    writeBytes(temp / "not-a-program.sh", "#!/bin/sh\n");
    for (const fs::path& compiler : {temp / "missing.sh", temp / "not-a-program.sh", temp.path()}) {
        SCOPED_TRACE(compiler.string());
        const qsizetype seen = messages.texts().size();
        window.project().easylifeLocation = compiler.string();
        entry("begin")->trigger();
        entry("easy")->trigger();
        const QStringList said = messages.texts().mid(seen);
        ASSERT_EQ(said.size(), 2);
        for (const QString& text : said)
            EXPECT_TRUE(text.contains(QString::fromStdString(compiler.string()))) << text.toStdString();
        EXPECT_FALSE(said.contains(kCompiled));
        EXPECT_TRUE(fs::exists(temp / "Script.txt"));  // the sources were written all the same
    }
}

TEST_F(MainWindowTest, EasylifeStartsTheCompilerWithoutWritingOrMessage)
{
    useTemporaryFolders();
    QTest::keyClick(&window, Qt::Key_F4);
    ASSERT_TRUE(waitForRecord(compilerRecord()));
    EXPECT_EQ(readBytes(compilerRecord()), "0\n");
    EXPECT_FALSE(fs::exists(temp / "Script.txt"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(MainWindowTest, CompileToWritesWhatCompileScriptsWouldIntoAFolderEndingInASeparator)
{
    useTemporaryFolders();
    fs::create_directory(temp / "copy");
    auto* panel = find("Frame1");
    entry("ctoo")->trigger();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_GT(find<QComboBox>("Drive1")->count(), 0);
    EXPECT_NE(find<QTreeView>("Dir1")->model(), nullptr);
    EXPECT_EQ(find<QLineEdit>("Text30")->text(), QDir::toNativeSeparators(QDir::currentPath()));

    for (const char* separator : {"/", "\\"}) {
        SCOPED_TRACE(separator);
        fs::remove(temp / "copy" / "Script.txt");
        entry("ctoo")->trigger();
        retype(find<QLineEdit>("Text30"), QString::fromStdString((temp / "copy").string() + separator));
        QTest::mouseClick(find<QPushButton>("Command13"), Qt::LeftButton);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_EQ(readBytes(temp / "copy" / "Script.txt"), scriptText(window.project()));
        EXPECT_EQ(readBytes(temp / "copy" / "English.txt"), englishText(window.project()));
    }
    EXPECT_TRUE(messages.texts().isEmpty());
    QTest::qWait(300);
    EXPECT_FALSE(fs::exists(compilerRecord()));
    EXPECT_FALSE(fs::exists(temp / "Script.txt"));
}

TEST_F(MainWindowTest, CompileToAMissingFolderNamesItAndKeepsThePanelOpen)
{
    entry("ctoo")->trigger();
    const std::string missing = (temp / "missing").string();
    retype(find<QLineEdit>("Text30"), QString::fromStdString(missing));
    EXPECT_EQ(window.project().compileToFolder, missing);
    QTest::mouseClick(find<QPushButton>("Command13"), Qt::LeftButton);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains(QString::fromStdString(missing + "\\Script.txt")));
    EXPECT_TRUE(find("Frame1")->isVisible());

    QTest::mouseClick(find<QPushButton>("Command14"), Qt::LeftButton);  // Cancel
    EXPECT_FALSE(find("Frame1")->isVisible());
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_FALSE(fs::exists(temp / "missing"));
}

TEST_F(MainWindowTest, RestoreWritesTheStockFilesAndLeavesTheProject)
{
    useTemporaryFolders();
    retype(find<QLineEdit>("Text1"), QStringLiteral("Mine"));
    entry("begin")->trigger();
    ASSERT_TRUE(waitForRecord(compilerRecord()));
    const ProjectState before = window.project();
    QTest::keyClick(&window, Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(readBytes(temp / "Script.txt"), std::string(resources::stockScript()) + "\r\n");
    EXPECT_EQ(readBytes(temp / "English.txt"), std::string(resources::stockEnglish()) + "\r\n");
    EXPECT_EQ(window.project(), before);
    EXPECT_EQ(find<QLineEdit>("Text1")->text(), QStringLiteral("Mine"));
    EXPECT_EQ(messages.texts(), QStringList{kCompiled});

    window.project().scriptFolder = (temp / "gone").string();
    entry("Restore")->trigger();
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_TRUE(messages.texts().last().contains(QString::fromStdString((temp / "gone").string() + "\\Script.txt")));
}

} // namespace
} // namespace orvanta::test
