// The script pack browser (Form3) and editor (Form4) as F6, the menu and the
// tool box open them, with applied packs checked in the compiled files.
#include "support/main_window_test.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace orvanta::test {
namespace {

class ScriptPacksTest : public MainWindowTest {
protected:
    QWidget* editor() const { return opened("Form4"); }
    QLabel* pack(int number) const
    {
        return child<QLabel>(opened("Form3"), QStringLiteral("Label%1").arg(number).toLatin1());
    }
    QPlainTextEdit* box(const char* name) const { return child<QPlainTextEdit>(editor(), name); }

    const ProjectState before = window.project();
};

TEST_F(ScriptPacksTest, TheBrowserListsTwelvePacksInTwoColumnsAndOpensEachAsDesigned)
{
    keyOnMain(Qt::Key_F6);
    QPointer<QWidget> browser = opened("Form3");
    const QStringList captions =
        QStringLiteral("Header|Tut1|Settomb|Karnak|Coastal|Catacomb|Cleopal|City|Angkor|Library|"
                       "Guard|Newcity")
            .split(u'|');
    for (int number = 1; number <= 12; ++number) {
        const QRect place = pack(number)->geometry();
        EXPECT_EQ(pack(number)->text(), captions.at(number - 1) + QStringLiteral(" Pack"));
        EXPECT_EQ(place.topLeft(), QPoint(number <= 6 ? 8 : pack(7)->x(), 8 + 24 * ((number - 1) % 6)));
        EXPECT_GE(place.width(), pack(number)->sizeHint().width()) << number;
        EXPECT_LE(place.right(), browser->width()) << number;
        EXPECT_TRUE(number > 6 || place.right() < pack(7)->x());
        // City and Library open on a click, the others on a double click; the right button opens none.
        QTest::mouseClick(pack(number), Qt::LeftButton);
        doubleClick(pack(number), Qt::RightButton);
        ASSERT_EQ(editor() != nullptr, number == 8 || number == 10) << number;
        // The keyboard opens each name too: Enter, Return or Space.
        const Qt::Key keys[] = {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
        keys[number % 4] == Qt::Key_unknown ? doubleClick(pack(number))
                                            : QTest::keyClick(pack(number), keys[number % 4]);
        EXPECT_EQ(child<QLabel>(editor(), "Label2")->text(), pack(number)->text());
        const std::string& text = number == 1 ? before.scriptHeader : before.level(number - 1).scriptPack;
        EXPECT_EQ(box("Text1")->toPlainText(), QString::fromStdString(text).remove(u'\r'));
        click(editor(), "Command2");
    }
    browser->hide();  // as if behind the main window: the menu brings the same one back
    entry("scriptpacks")->trigger();
    EXPECT_TRUE(browser->isVisible());
    click(browser, "Command1");
    EXPECT_TRUE(browser.isNull());
}

TEST_F(ScriptPacksTest, ApplyStoresThePackShownAndTheInventoryAndKeepsUntouchedBytes)
{
    keyOnMain(Qt::Key_F6);
    doubleClick(pack(5));
    EXPECT_EQ(child(editor(), "Command1")->toolTip(),
              QStringLiteral("Warning - Incorrect editing of script packs may result in game crashes!"));
    EXPECT_EQ(child<QLabel>(editor(), "Label4")->text(),
              QStringLiteral("Don't forget to replace inventory names in the inventory items box!"));
    QTest::keyClicks(box("Text1"), QStringLiteral("lost\r"));
    QTest::keyClicks(box("Text2"), QStringLiteral("Spare Key\r"));
    doubleClick(pack(11));  // another pack: the pack's edits go, the inventory's stay
    QTest::keyClicks(box("Text1"), QStringLiteral("Key=\t\t9,Spare Key,\t$0000\r"));
    click(opened("Form3"), "Command1");
    click(editor(), "Command1");  // Apply, with the browser gone
    ProjectState expected = before;
    expected.level(10).scriptPack = "Key=\t\t9,Spare Key,\t$0000\r\n" + before.level(10).scriptPack;
    expected.inventoryItems = "Spare Key\r\n" + before.inventoryItems;
    EXPECT_EQ(window.project(), expected);
    EXPECT_TRUE(
        hasLines(compile(), {"Name=\t\tGuardian Of Semerkhet", "Horizon=\tENABLED", "Key=\t\t9,Spare Key,\t$0000"}));
    EXPECT_TRUE(hasLines(readBytes(scriptFolder() / "English.txt"), {"", "Spare Key", "Uzi"}));

    // Packs opened and applied untouched keep their bytes, line ends and 8-bit characters included.
    window.project().level(1).scriptPack = std::string("Key=\t1\nKey=\t2\rKey=\t3 \0\x80\x81\xA0\xFF", 26);
    window.project().inventoryItems = "Uzi\nPistols\r\r\n";
    const ProjectState odd = window.project();
    keyOnMain(Qt::Key_F6);
    for (int number = 1; number <= 12; ++number) {
        doubleClick(pack(number));
        click(editor(), "Command1");
    }
    EXPECT_EQ(window.project(), odd);
}

}  // namespace
}  // namespace orvanta::test
