// ProjectState first: its member `slots` must be read before Qt defines the
// keyword macro of the same name.
#include "model/project_state.h"

#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"
#include "resources/stock_texts.h"
#include "script/script_writer.h"
#include "support/lines.h"
#include "support/temp_folder.h"
#include "support/mouse_and_keys.h"
#include "ui/block_text_edit.h"
#include "ui/script_pack_browser.h"
#include "ui/script_pack_editor.h"
#include "ui/script_packs.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace orvanta::ui {
namespace {

using namespace std::string_literals;

constexpr int kHeaderPack = 1;
constexpr int kTut1Pack = 2;
constexpr int kKarnakPack = 4;
constexpr int kCoastalPack = 5;
constexpr int kAngkorPack = 9;
constexpr int kLibraryPack = 10;
constexpr int kGuardPack = 11;

/// Drives the two windows as a level builder would, on a project of its own.
class ScriptPacksTest : public ::testing::Test {
protected:
    void TearDown() override { flushDeletes(); }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QWidget* browser()
    {
        packs.openBrowser();
        return packs.browser();
    }
    QLabel* packLabel(int pack) { return browser()->findChild<QLabel*>(QStringLiteral("Label%1").arg(pack)); }
    void doubleClickPack(int pack) { test::doubleClick(packLabel(pack)); }
    void clickPack(int pack) { QTest::mouseClick(packLabel(pack), Qt::LeftButton); }

    QWidget* editor() const { return packs.editor(); }
    QPlainTextEdit* box(const char* name) const
    {
        return editor()->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    }
    QPlainTextEdit* packBox() const { return box("Text1"); }
    QPlainTextEdit* inventoryBox() const { return box("Text2"); }
    QString packName() const { return editor()->findChild<QLabel*>(QStringLiteral("Label2"))->text(); }
    void press(QWidget* window, const char* buttonName)
    {
        QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(buttonName)), Qt::LeftButton);
        flushDeletes();
    }
    void typeInto(QPlainTextEdit* target, const QString& text) { QTest::keyClicks(target, text); }
    void typeLineInto(QPlainTextEdit* target, const QString& text)
    {
        typeInto(target, text);
        QTest::keyClick(target, Qt::Key_Return);
    }

    const ProjectState defaults = ProjectState::withDefaults();
    ProjectState project = ProjectState::withDefaults();
    ScriptPacks packs{project, nullptr};
};

TEST_F(ScriptPacksTest, BrowserListsTheTwelvePacksOnce)
{
    QWidget* first = browser();
    EXPECT_EQ(first->objectName(), QStringLiteral("Form3"));
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Script Data Packs"));
    EXPECT_EQ(browser(), first);
    const QStringList captions{
        QStringLiteral("Header Pack"),  QStringLiteral("Tut1 Pack"),     QStringLiteral("Settomb Pack"),
        QStringLiteral("Karnak Pack"),  QStringLiteral("Coastal Pack"),  QStringLiteral("Catacomb Pack"),
        QStringLiteral("Cleopal Pack"), QStringLiteral("City Pack"),     QStringLiteral("Angkor Pack"),
        QStringLiteral("Library Pack"), QStringLiteral("Guard Pack"),    QStringLiteral("Newcity Pack")};
    const int rightColumn = packLabel(7)->x();
    for (int pack = 1; pack <= kPackCount; ++pack) {
        const QLabel* label = packLabel(pack);
        EXPECT_EQ(label->text(), captions.at(pack - 1));
        // Two columns of six, every name whole in the font of the day.
        EXPECT_EQ(label->x(), pack <= 6 ? 8 : rightColumn);
        EXPECT_EQ(label->y(), 8 + 24 * ((pack - 1) % 6));
        EXPECT_GE(label->width(), label->sizeHint().width());
        if (pack <= 6) {
            EXPECT_LT(label->geometry().right(), rightColumn);
        }
        EXPECT_LE(label->geometry().right(), first->width());
    }
    EXPECT_EQ(first->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("Close"));
}

TEST_F(ScriptPacksTest, EditorWarnsOnApplyAndTabsFromPackToButtonsToInventory)
{
    doubleClickPack(kAngkorPack);
    const auto* apply = editor()->findChild<QPushButton*>(QStringLiteral("Command1"));
    const auto* cancel = editor()->findChild<QPushButton*>(QStringLiteral("Command2"));
    EXPECT_EQ(apply->text(), QStringLiteral("Apply"));
    EXPECT_EQ(apply->toolTip(),
              QStringLiteral("Warning - Incorrect editing of script packs may result in game crashes!"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(editor()->findChild<QLabel*>(QStringLiteral("Label4"))->text(),
              QStringLiteral("Don't forget to replace inventory names in the inventory items box!"));

    const auto nextInTabOrder = [](QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible());
        return widget;
    };
    EXPECT_EQ(nextInTabOrder(packBox()), apply);
    EXPECT_EQ(nextInTabOrder(nextInTabOrder(packBox())), cancel);
    EXPECT_EQ(nextInTabOrder(nextInTabOrder(nextInTabOrder(packBox()))), inventoryBox());
}

TEST_F(ScriptPacksTest, CancelAndTheCloseBoxStoreNothing)
{
    doubleClickPack(kGuardPack);
    typeInto(inventoryBox(), QStringLiteral("Spare Key"));
    typeInto(packBox(), QStringLiteral("Key="));
    press(editor(), "Command2");
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(project, defaults);

    // A fresh editor takes the list from the project again.
    doubleClickPack(kHeaderPack);
    EXPECT_EQ(inventoryBox()->document()->firstBlock().text(), QStringLiteral("Uzi"));
    typeInto(inventoryBox(), QStringLiteral("Spare Key"));
    editor()->close();
    flushDeletes();
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(project, defaults);

    // Escape is Cancel too, and destroys the editor like it.
    doubleClickPack(kHeaderPack);
    typeInto(packBox(), QStringLiteral("; banner"));
    QTest::keyClick(packBox(), Qt::Key_Escape);
    flushDeletes();
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(project, defaults);
}

TEST_F(ScriptPacksTest, OpeningAnotherPackDropsThePackEditsButKeepsTheInventoryEdits)
{
    doubleClickPack(kCoastalPack);
    typeInto(packBox(), QStringLiteral("lost "));
    typeLineInto(inventoryBox(), QStringLiteral("Mask"));
    doubleClickPack(kKarnakPack);
    EXPECT_EQ(packName(), QStringLiteral("Karnak Pack"));
    typeInto(packBox(), QStringLiteral("Z"));
    press(editor(), "Command1");

    ProjectState expected = defaults;
    expected.level(3).scriptPack = "Z" + defaults.level(3).scriptPack;
    expected.inventoryItems = "Mask\r\n" + defaults.inventoryItems;
    EXPECT_EQ(project, expected);
}

TEST_F(ScriptPacksTest, CityAndLibraryOpenOnASingleClickTheOthersOnADoubleClick)
{
    for (int pack = 1; pack <= kPackCount; ++pack) {
        SCOPED_TRACE(pack);
        const bool singleClick = pack == 8 || pack == kLibraryPack;
        clickPack(pack);
        ASSERT_EQ(editor() != nullptr, singleClick);
        if (!singleClick) {
            QTest::mouseClick(packLabel(pack), Qt::RightButton);
            test::doubleClick(packLabel(pack), Qt::RightButton);
            ASSERT_EQ(editor(), nullptr);
            doubleClickPack(pack);
            ASSERT_NE(editor(), nullptr);
        }
        EXPECT_EQ(packName(), packCaption(pack));
        EXPECT_EQ(packBox()->toPlainText(), toEditorText(packText(project, pack)));
        press(editor(), "Command2");
    }
}

TEST_F(ScriptPacksTest, UntouchedPacksSurviveOpenAndApplyByteForByte)
{
    for (int pack = 1; pack <= kPackCount; ++pack) {
        packs.openPack(pack);
        press(editor(), "Command1");
    }
    EXPECT_EQ(project, defaults);

    // Bytes that do not follow the CR LF rule, and 8-bit characters.
    project.level(1).scriptPack = "Key=\t1\nKey=\t2\rKey=\t3 \0\x80\x81\xA0\xFF"s;
    project.inventoryItems = "Uzi\nPistols\r\r\n"s;
    const ProjectState odd = project;
    doubleClickPack(kTut1Pack);
    press(editor(), "Command1");
    EXPECT_EQ(project, odd);
}

TEST(ScriptPackTable, PacksMapToTheHeaderAndTheLevelsInOrder)
{
    ProjectState project = ProjectState::withDefaults();
    EXPECT_EQ(&packText(project, 1), &project.scriptHeader);
    EXPECT_EQ(&packText(project, 2), &project.level(1).scriptPack);
    EXPECT_EQ(&packText(project, 12), &project.level(11).scriptPack);
    EXPECT_EQ(packText(project, kAngkorPack), resources::defaultLevelPack(8));
    EXPECT_THROW(packText(project, 13), std::out_of_range);
    EXPECT_THROW(packCaption(0), std::out_of_range);
}

} // namespace
} // namespace orvanta::ui
