#include "ui/project_file_chooser.h"

#include "ui/project_dialog_support.h"
#include "ui/text_conversion.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTreeWidget>

namespace orvanta::ui {
namespace {

using test::child;
using test::FakeWinePrefix;
using test::kScriptFolder;
using test::qtext;
namespace fs = std::filesystem;

QStringList listed(QWidget* chooser)
{
    QStringList names;
    auto* files = child<QListWidget>(chooser, "File1");
    for (int row = 0; row < files->count(); ++row)
        names << files->item(row)->text();
    return names;
}

TEST(ProjectFileChooser, ExtensionRuleIsCaseSensitiveAndLooksAtTheEndOnly)
{
    EXPECT_EQ(withProjectExtension(QStringLiteral("myproject")), QStringLiteral("myproject.txt"));
    EXPECT_EQ(withProjectExtension(QStringLiteral("myproject.txt")), QStringLiteral("myproject.txt"));
    EXPECT_EQ(withProjectExtension(QStringLiteral("myproject.TXT")), QStringLiteral("myproject.TXT.txt"));
    EXPECT_EQ(withProjectExtension(QStringLiteral("a.txt ")), QStringLiteral("a.txt .txt"));
    EXPECT_EQ(withProjectExtension(QString()), QStringLiteral(".txt"));
}

TEST(ProjectFileChooser, OpensInTheScriptFolderThroughTheWinePrefixAndListsTextFilesOnly)
{
    FakeWinePrefix prefix(kScriptFolder);  // "Script" on disk, "script" in the wanted text
    const fs::path script = prefix.driveC(kScriptFolder);
    for (const char* name : {"b.txt", "A.TXT", ".txt", "notes.doc", "txt"})
        test::writeBytes(script / name, "x");
    fs::create_directory(script / "old.txt");

    QLineEdit nameBox;
    ProjectFileChooser chooser(&nameBox, nullptr);
    EXPECT_EQ(chooser.currentFolder(), qtext(script));
    const QStringList expected{QStringLiteral(".txt"), QStringLiteral("A.TXT"), QStringLiteral("b.txt")};
    EXPECT_EQ(listed(&chooser), expected);
    EXPECT_TRUE(child<QLabel>(&chooser, "startNote")->isHidden());
    EXPECT_EQ(child<QTreeWidget>(&chooser, "Dir1")->currentItem()->text(0), QStringLiteral("Script"));
}

TEST(ProjectFileChooser, AMissingScriptFolderOpensTheNearestFolderAboveWithANote)
{
    FakeWinePrefix prefix("Program Files/Core Design");
    QLineEdit nameBox;
    ProjectFileChooser chooser(&nameBox, nullptr);
    EXPECT_EQ(chooser.currentFolder(), qtext(prefix.driveC("Program Files/Core Design")));
    const auto* note = child<QLabel>(&chooser, "startNote");
    EXPECT_FALSE(note->isHidden());
    EXPECT_TRUE(note->text().contains(QStringLiteral("C:\\Program Files\\Core Design\\trle\\script")));
    EXPECT_TRUE(note->text().contains(QStringLiteral("\"C:\\Program Files\\Core Design\"")));
}

TEST(ProjectFileChooser, WithoutDriveCItOpensTheHomeFolderWithANote)
{
    test::TempFolder empty;
    FakeWinePrefix restoresTheVariable(kScriptFolder);
    qputenv("WINEPREFIX", QByteArray::fromStdString((empty / "no-prefix").string()));
    QLineEdit nameBox;
    ProjectFileChooser chooser(&nameBox, nullptr);
    EXPECT_EQ(chooser.currentFolder(), QDir(QDir::homePath()).canonicalPath());
    EXPECT_TRUE(child<QLabel>(&chooser, "startNote")->text().contains(QStringLiteral("home folder")));
}

TEST(ProjectFileChooser, FolderTreeLeadsTheFileListAndAFileClickFillsTheNameBox)
{
    FakeWinePrefix prefix(kScriptFolder);
    const fs::path script = prefix.driveC(kScriptFolder);
    fs::create_directory(script / "Projects");
    test::writeBytes(script / "Projects" / "mine.txt", "x");

    QLineEdit nameBox;
    ProjectFileChooser chooser(&nameBox, nullptr);
    chooser.show();
    auto* tree = child<QTreeWidget>(&chooser, "Dir1");
    const auto found = tree->findItems(QStringLiteral("Projects"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    tree->scrollToItem(found.front());
    const QRect item = tree->visualItemRect(found.front());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(item.left() + 4, item.center().y()));
    EXPECT_EQ(chooser.currentFolder(), qtext(script)) << "a click only selects";
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(chooser.currentFolder(), qtext(script / "Projects"));
    EXPECT_EQ(listed(&chooser), QStringList{QStringLiteral("mine.txt")});

    ASSERT_TRUE(test::clickFile(&chooser, QStringLiteral("mine.txt")));
    EXPECT_EQ(nameBox.text(), QStringLiteral("mine.txt"));
    EXPECT_EQ(chooser.takeChosenPath(), toProjectText(qtext(script / "Projects")) + "\\mine.txt");
}

TEST(ProjectFileChooser, DriveListOffersDriveCAndReturnsToTheFolderLastShownOnADrive)
{
    FakeWinePrefix prefix(kScriptFolder);
    QLineEdit nameBox;
    ProjectFileChooser chooser(&nameBox, nullptr);
    auto* drives = child<QComboBox>(&chooser, "Drive1");
    EXPECT_EQ(drives->currentText(), QStringLiteral("C:"));
    const int root = drives->findData(QStringLiteral("/"));
    ASSERT_GE(root, 0);

    drives->setCurrentIndex(root);
    Q_EMIT drives->activated(root);
    EXPECT_EQ(chooser.currentFolder(), QStringLiteral("/"));
    const int driveC = drives->findText(QStringLiteral("C:"));
    drives->setCurrentIndex(driveC);
    Q_EMIT drives->activated(driveC);
    EXPECT_EQ(chooser.currentFolder(), qtext(prefix.driveC(kScriptFolder)));
}

TEST(ProjectFileChooser, NameBoxShowsWhatThePathCanHold)
{
    FakeWinePrefix prefix(kScriptFolder);
    QLineEdit nameBox;
    ProjectFileChooser chooser(&nameBox, nullptr);
    nameBox.insert(QStringLiteral("caf\u00E9 \u65E5"));  // as pasted
    EXPECT_EQ(nameBox.text(), QStringLiteral("caf\u00E9 ?"));
    EXPECT_EQ(chooser.takeChosenPath(), toProjectText(chooser.currentFolder()) + "\\caf\xE9 ?.txt");
}

} // namespace
} // namespace orvanta::ui
