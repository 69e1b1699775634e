// Faults met through the desktop program: each ends in a message naming the
// path, the old files whole, the project in memory as it was, and never the
// success message.
#include "projectfile/project_file_writer.h"
#include "script/script_files.h"
#include "support/file_size_limit.h"
#include "ui/main_window_fixture.h"
#include "ui/project_dialog_support.h"
#include "ui/project_file_chooser.h"

#include <QApplication>
#include <QPushButton>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

const QString kCompiled = QStringLiteral("DAT files rewritten - Script Files Compiled!");
const QString kSaved = QStringLiteral("File saved successfully!");

class DesktopFaultTest : public MainWindowTest {
protected:
    DesktopFaultTest()
    {
        useTemporaryFolders();
        window.project().level(3).levelName = "Edited in memory";
    }

    /// Every message since `seen` names `path`, and none is a success.
    void expectOnlyFailureNaming(qsizetype seen, const std::string& path) const
    {
        const QStringList said = messages.texts().mid(seen);
        ASSERT_EQ(said.size(), 1) << path;
        EXPECT_TRUE(said.first().contains(QString::fromStdString(path))) << said.first().toStdString();
        EXPECT_NE(said.first(), kCompiled);
        EXPECT_NE(said.first(), kSaved);
    }

    /// Saves through Form8 into `folder` under `name`.
    void saveAs(const fs::path& folder, const QString& name)
    {
        entry("Save")->trigger();
        QWidget* dialog = window.findChild<QWidget*>(QStringLiteral("Form8"));
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<ui::ProjectFileChooser*>()->setCurrentFolder(qtext(folder));
        typeName(dialog, name);
        pressOk(dialog);
    }

    /// Makes the files Compile Scripts would leave, so that their survival shows.
    void writeOldScriptFiles(const fs::path& folder)
    {
        writeBytes(folder / "Script.txt", "old script\r\n");
        writeBytes(folder / "English.txt", "old english\r\n");
    }

    FakeWinePrefix prefix_{kScriptFolder};
};

TEST_F(DesktopFaultTest, ScriptFoldersThatCannotTakeTheFilesAreNamedAndLoseNothing)
{
    writeBytes(temp / "a file", "not a folder");
    fs::create_directories(temp / "script in the way" / "Script.txt");
    fs::create_directories(temp / "english in the way" / "English.txt");
    writeBytes(temp / "script in the way" / "English.txt", "old english\r\n");
    writeBytes(temp / "english in the way" / "Script.txt", "old script\r\n");
    const ProjectState before = window.project();
    for (const fs::path& folder : {temp / "a file", temp / "script in the way", temp / "english in the way",
                                   fs::path("/proc/self"), fs::path("/proc/sys/kernel")}) {
        SCOPED_TRACE(folder.string());
        window.project().scriptFolder = folder.string();
        const qsizetype seen = messages.texts().size();
        entry("begin")->trigger();
        // The first of the two files it could not write.
        const std::string named = fs::exists(folder / "Script.txt") && fs::is_regular_file(folder / "Script.txt")
                                      ? "English.txt"
                                      : "Script.txt";
        expectOnlyFailureNaming(seen, folder.string() + "\\" + named);
        window.project().scriptFolder = before.scriptFolder;
        EXPECT_EQ(window.project(), before);
    }
    EXPECT_EQ(readBytes(temp / "a file"), "not a folder");
    EXPECT_TRUE(fs::is_directory(temp / "script in the way" / "Script.txt"));
    EXPECT_EQ(readBytes(temp / "script in the way" / "English.txt"), "old english\r\n");
    EXPECT_TRUE(fs::is_directory(temp / "english in the way" / "English.txt"));
    EXPECT_EQ(readBytes(temp / "english in the way" / "Script.txt"), "old script\r\n");
    EXPECT_EQ(entryCount(temp / "script in the way"), 2U);  // no temporary file left
    EXPECT_EQ(entryCount(temp / "english in the way"), 2U);
    QTest::qWait(300);
    EXPECT_FALSE(fs::exists(compilerRecord()));
}

TEST_F(DesktopFaultTest, AFolderThatVanishesWhileCompileToIsOpenIsNamed)
{
    fs::create_directory(temp / "vanishing");
    entry("ctoo")->trigger();
    const std::string folder = (temp / "vanishing").string();
    retype(find<QLineEdit>("Text30"), QString::fromStdString(folder));
    const ProjectState before = window.project();
    fs::remove(temp / "vanishing");
    QTest::mouseClick(find<QPushButton>("Command13"), Qt::LeftButton);
    expectOnlyFailureNaming(0, folder + "\\Script.txt");
    EXPECT_TRUE(find("Frame1")->isVisible());
    EXPECT_EQ(window.project(), before);
    EXPECT_FALSE(fs::exists(temp / "vanishing"));
}

TEST_F(DesktopFaultTest, AFullDiskDuringCompileScriptsKeepsTheOldFilesWhole)
{
    writeOldScriptFiles(temp.path());
    for (int level = 1; level <= kLevelCount; ++level)
        window.project().level(level).scriptPack = std::string(100'000, 'x') + "\r\n";
    const ProjectState before = window.project();
    {
        const FileSizeLimit full(64 * 1024);
        entry("begin")->trigger();
    }
    expectOnlyFailureNaming(0, temp.text() + "\\Script.txt");
    EXPECT_EQ(readBytes(temp / "Script.txt"), "old script\r\n");
    EXPECT_EQ(readBytes(temp / "English.txt"), "old english\r\n");
    EXPECT_EQ(entryCount(temp.path()), 3U);  // and the stand-in compiler: no temporary file
    EXPECT_EQ(window.project(), before);
    QTest::qWait(300);
    EXPECT_FALSE(fs::exists(compilerRecord()));
}

TEST_F(DesktopFaultTest, SavesThatCannotReplaceTheFileAreNamedAndKeepTheOldOne)
{
    const std::string oldProject = projectFileText(ProjectState::withDefaults());
    writeBytes(temp / "project.txt", oldProject);
    fs::create_directory(temp / "folder.txt");
    for (int level = 1; level <= kLevelCount; ++level)
        window.project().level(level).scriptPack = std::string(100'000, 'y') + "\r\n";
    const ProjectState before = window.project();

    {
        const FileSizeLimit full(64 * 1024);
        saveAs(temp.path(), QStringLiteral("project"));
    }
    expectOnlyFailureNaming(0, temp.text() + "\\project.txt");
    EXPECT_EQ(readBytes(temp / "project.txt"), oldProject);

    for (const auto& [folder, name] : {std::pair{temp.path(), QStringLiteral("folder")},
                                       std::pair{fs::path("/proc/self"), QStringLiteral("status")}}) {
        SCOPED_TRACE(name.toStdString());
        const qsizetype seen = messages.texts().size();
        saveAs(folder, name);
        // The chooser shows /proc/self as the folder it stands for.
        expectOnlyFailureNaming(seen, fs::canonical(folder).string() + "\\" + name.toStdString() + ".txt");
    }
    EXPECT_TRUE(fs::is_directory(temp / "folder.txt"));
    EXPECT_TRUE(fs::is_empty(temp / "folder.txt"));
    EXPECT_EQ(entryCount(temp.path()), 3U);  // project.txt, folder.txt, the stand-in compiler
    EXPECT_EQ(window.project(), before);
    EXPECT_NE(window.findChild<QWidget*>(QStringLiteral("Form8")), nullptr);  // still open to try again
}

} // namespace
} // namespace orvanta::test
