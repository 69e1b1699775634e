// The level properties (Form2) and game properties (Form7) dialogs as the main window opens
// them, with what they store checked in the Script.txt that "Compile Scripts" writes.
#include "script/script_writer.h"
#include "support/main_window_test.h"
#include "ui/option_image.h"

#include <QCheckBox>
#include <QLabel>

namespace orvanta::test {
namespace {

class LevelPropertiesTest : public MainWindowTest {
protected:
    QWidget* dialog() const { return opened("Form2"); }
    QComboBox* track() const { return child<QComboBox>(dialog(), "Combo1"); }
    /// The title, banner, slot number, Check1..Check8 ("1" ticked) and camera shown.
    QString shown() const
    {
        QString ticks;
        for (int i = 1; i <= 8; ++i)
            ticks += child<QCheckBox>(dialog(), QStringLiteral("Check%1").arg(i).toLatin1())->isChecked() ? u'1' : u'.';
        return QStringList{dialog()->windowTitle(),
                           child<QLabel>(dialog(), "text1")->text(),
                           child<QLabel>(dialog(), "levnum")->text(),
                           ticks,
                           child<QLineEdit>(dialog(), "Text3")->text(),
                           track()->currentText()}
            .join(u'|');
    }
    const ProjectState before = window.project();
};

TEST_F(LevelPropertiesTest, ApplyStoresTheOptionsCameraAndTrackOfTheSlotShownLast)
{
    QTest::mouseClick(slotButton(9), Qt::LeftButton);
    QWidget* first = dialog();
    EXPECT_EQ(shown(), QStringLiteral("Angkor Wat Properties|Angkor Wat|9|1..1..11|"
                                      "7835,-569,88960,5000,-323,88346,20|Angkor Wat (110)"));
    track()->setCurrentIndex(track()->findText(QStringLiteral("Catacombs")));
    click(dialog(), "Check2");  // for slot 9, never applied
    retype(nameBox(7), QStringLiteral("Palaces"));
    QTest::mouseClick(slotButton(7), Qt::LeftButton);  // the open dialog shows slot 7, keeping the track box
    EXPECT_EQ(dialog(), first);
    EXPECT_FALSE(first->isModal());
    EXPECT_EQ(shown(),
              QStringLiteral("Palaces Properties|Palaces|7|.......1|37674,-6560,48511,37886,-6404,47204,18|Catacombs"));
    click(dialog(), "Check5");  // Lensflare
    retype(child(dialog(), "Text3"), QStringLiteral("1, 2,,3"));
    click(dialog(), "Command1");
    ProjectState expected = before;
    expected.slot(7).levelName = "Palaces";
    expected.slot(7).audioTrack = "108";
    expected.slot(7).levelData = "*if,1, 2,,3";
    expected.slot(7).cameraLabel = "1, 2,,3";
    EXPECT_EQ(window.project(), expected);
    EXPECT_EQ(compile(), scriptText(expected));

    // The track shown keeps the track, as does a text that is no track, which is said beside the box.
    const std::tuple<QString, const char*, const char*> typed[] = {
        {QString(), "Catacombs (108)", "108"}, {QStringLiteral("city"), "", "102"},
        {QStringLiteral(" 7 "), "", "7"},      {QStringLiteral("7"), "7", "7"},
        {QStringLiteral("Tomb"), "", "7"},     {QStringLiteral("tomb of set (107)"), "", "107"}};
    for (const auto& [text, shownFirst, stored] : typed) {
        QTest::mouseClick(slotButton(7), Qt::LeftButton);
        EXPECT_TRUE(*shownFirst == 0 || track()->currentText() == QString::fromLatin1(shownFirst)) << shownFirst;
        if (!text.isNull())
            retype(track()->lineEdit(), text);
        EXPECT_EQ(child<QLabel>(dialog(), "trackNote")->text().isEmpty(), text != QStringLiteral("Tomb"));
        click(dialog(), "Command1");
        EXPECT_EQ(window.project().slot(7).audioTrack, stored) << text.toStdString();
    }

    const std::string camera = "1,2,3," + std::string(40000, '7');  // longer than a text box holds by default
    window.project().slot(10).levelData = "*ih," + camera;
    QTest::mouseClick(slotButton(10), Qt::LeftButton);
    click(dialog(), "Command1");
    EXPECT_TRUE(window.project().slot(10).cameraLabel == camera);
}

class GamePropertiesTest : public MainWindowTest {
protected:
    QWidget* dialog() const { return opened("Form7"); }
    QWidget* image(int n) const { return child(dialog(), QStringLiteral("Image%1").arg(n).toLatin1()); }
    /// The five switch pictures ("E"nabled, "D"isabled, "-" initial), the four boxes and the eight captions.
    QString shown() const
    {
        QString pictures;
        for (int n = 1; n <= kSwitchCount; ++n)
            pictures += QStringLiteral("-ED").at(static_cast<int>(static_cast<ui::OptionImage*>(image(n))->display()));
        QStringList texts{pictures};
        for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
            texts << child<QLineEdit>(dialog(), name)->text();
        for (int n = 1; n <= 8; ++n)
            texts << child<QLabel>(dialog(), QStringLiteral("Label%1").arg(n).toLatin1())->text();
        return texts.join(u'|');
    }
};

TEST_F(GamePropertiesTest, ClicksAndTypingAreStoredAtOnceAndReachTheOptionsOfTheScript)
{
    keyOnMain(Qt::Key_F5);
    QPointer<QWidget> first = dialog();
    EXPECT_EQ(shown(), QStringLiteral(
                           "EEEED|18000|$55|The year 2000, somewhere in Egypt...|Cambodia, 1984|Load/Save:|"
                           "Title level:|Play any level:|Flying Cheat:|Demo Disk:|Input Time Out:|Security:|Legends:"));
    for (int n = 1; n <= kSwitchCount; ++n)  // a double click toggles once, as a click does
        n % 2 == 1 ? QTest::mouseClick(image(n), Qt::LeftButton) : doubleClick(image(n));
    retype(child(dialog(), "Text1"), QString());
    retype(child(dialog(), "Text2"), QStringLiteral("$54"));
    retype(child(dialog(), "Text3"), QStringLiteral("First, typed"));
    retype(child(dialog(), "Text4"), QStringLiteral("Second"));
    entry("properties")->trigger();  // the menu and the tool box raise the same dialog
    entry("commontools")->trigger();
    click(window.toolBox(), "Image1");
    EXPECT_EQ(dialog(), first.data());
    EXPECT_FALSE(first->isModal());
    EXPECT_TRUE(shown().startsWith(QStringLiteral("DDDDE||$54|First, typed|Second|")));
    click(first, "Command1");
    EXPECT_TRUE(first.isNull());
    const std::string script = compile();
    EXPECT_TRUE(hasLines(script, {"[Options]", "", "LoadSave=\tDISABLED", "Title=\tDISABLED", "PlayAnyLevel=\tDISABLED",
                                  "InputTimeout=\t", "FlyCheat=\tDISABLED", "Security=\t$54", "DemoDisc=\tENABLED"}));
    EXPECT_TRUE(hasLines(script, {"Name=\t\tPlayable Tutorial Level", "Legend=\t\tFirst, typed"}));
    EXPECT_TRUE(hasLines(script, {"Name=\t\tAngkor Wat", "Legend=\t\tSecond"}));
}

TEST_F(GamePropertiesTest, ASwitchOfAnotherTextKeepsItsPictureAndClicksFollowThePictureShown)
{
    window.project().switches = {"2", "1", "", "0", "0"};
    keyOnMain(Qt::Key_F5);
    window.project().switches = {"x", "1", "y", "0", "1"};  // loaded behind the open dialog: not shown
    for (int n : {1, 2, 3})
        QTest::mouseClick(image(n), Qt::LeftButton);
    QTest::mouseClick(image(4), Qt::RightButton);
    QTest::mousePress(image(5), Qt::LeftButton);
    QTest::mouseRelease(image(5), Qt::LeftButton, {}, QPoint(-5, -5));  // released outside
    EXPECT_TRUE(shown().startsWith(QStringLiteral("-E-EE|18000|")));
    EXPECT_EQ(window.project().switches, (std::array<std::string, 5>{"x", "0", "y", "0", "1"}));
}

}  // namespace
}  // namespace orvanta::test
