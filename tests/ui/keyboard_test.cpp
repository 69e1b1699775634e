// Every window works from the keyboard: Tab walks its controls in order, Enter presses the
// default or the focused button and Escape cancels; Cancel and the close box store nothing.
#include "script/english_writer.h"
#include "script/script_writer.h"
#include "support/main_window_test.h"

namespace orvanta::test {
namespace {

using KeyboardTest = MainWindowTest;

TEST_F(KeyboardTest, TabWalksTheControlsOfEachWindowInOrder)
{
    const std::tuple<const char*, const char*, const char*, bool> cases[] = {
        // opened by, window, order, whether its first control has the focus on opening
        {"Command5", "Form2", "Check1 Check2 Check3 Check4 Check5 Check6 Check7 Text3 Command1 Check8 Command2 Combo1",
         true},
        {"Save", "Form8", "Text1 Drive1 Dir1 File1 Command1 Command2", true},
        {"properties", "Form7", "Image1 Image2 Image3 Image4 Image5 Text1 Text2 Text3 Text4 Command1", false},
        {"set", "Form11", "Text1 Text2 Command1 Command2", false},
        {"Label8", "Form4", "Text1 Command1 Command2 Text2", false},
        {"scriptpacks", "Form3",
         "Label1 Label2 Label3 Label4 Label5 Label6 Label7 Label8 Label9 Label10 Label11 Label12 Command1", false},
        {"ctoo", "Frame1", "Drive1 Dir1 Text30 Command13 Command14", false},
    };
    for (const auto& [how, name, order, focused] : cases) {
        QWidget* area = open(how, name);
        QWidget* first = child(area, QString::fromLatin1(order).section(u' ', 0, 0).toLatin1());
        EXPECT_TRUE(!focused || area->focusWidget() == first) << name;
        QStringList names;
        QWidget* widget = first;
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(area) && area->isAncestorOf(widget) &&
                !widget->objectName().isEmpty())  // not a part of a control
                names << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != first);
        EXPECT_EQ(names.join(u' '), QString::fromLatin1(order));
    }
}

TEST_F(KeyboardTest, EnterEscapeCancelAndTheCloseBoxStoreOnlyWhatTheyShould)
{
    const ProjectState before = window.project();
    constexpr Qt::Key kCloseBox = Qt::Key_unknown;
    constexpr Qt::Key kClick = Qt::Key_Any;
    const std::tuple<const char*, const char*, const char*, const char*, Qt::Key, bool> cases[] = {
        // opened by, window, control typed into, text typed, then a key there, a click on it, or the close box
        {"about", "Form5", "Command1", "", Qt::Key_Return, false},
        {"readme", "Form6", "Text1", "", Qt::Key_Enter, false},
        {"scriptpacks", "Form3", "Command1", "", Qt::Key_Escape, false},
        {"properties", "Form7", "Text1", "9", Qt::Key_Return, true},  // stored as typed
        {"properties", "Form7", "Image3", " ", Qt::Key_Escape, true},
        {"set", "Form11", "Text1", "X", Qt::Key_Escape, false},
        {"set", "Form11", "Command2", "", Qt::Key_Return, false},  // the focused "Cancel"
        {"set", "Form11", "Text2", "X", Qt::Key_Return, true},
        {"Command3", "Form2", "Check1", " ", Qt::Key_Escape, false},
        {"Command3", "Form2", "Text3", "7", kCloseBox, false},
        {"Command3", "Form2", "Command2", "", kClick, false},
        {"Command3", "Form2", "Check1", " ", Qt::Key_Return, true},
        {"Label8", "Form4", "Text1", "\r", Qt::Key_Escape, false},  // Enter in the box is a new line
        {"Label8", "Form4", "Text2", "X", kCloseBox, false},
        {"Label8", "Form4", "Command2", "", kClick, false},
        {"Save", "Form8", "Text1", "X", Qt::Key_Escape, false},
        {"ctoo", "Frame1", "Text30", "", Qt::Key_Escape, false},
        {"ctoo", "Frame1", "Command14", "", Qt::Key_Return, false},
    };
    for (const auto& [how, name, controlName, typed, key, stored] : cases) {
        SCOPED_TRACE(std::string(name) + " " + controlName);
        QWidget* shown = open(how, name);
        QWidget* control = child(shown, controlName);
        control->setFocus();
        QTest::keyClicks(control, QString::fromLatin1(typed));
        EXPECT_EQ(opened(name), shown);
        if (key == kCloseBox)
            shown->close();
        else if (key == kClick)
            click(shown, controlName);
        else
            QTest::keyClick(control, key);
        EXPECT_EQ(opened(name), nullptr);
        EXPECT_EQ(window.project() != before, stored);
        window.project() = before;
    }
    open("ctoo", "Frame1");
    retype(find("Text30"), QStringLiteral("C:\\Program Files\\Core Design\\trle\\script\\"));
    QTest::keyClick(find("Text30"), Qt::Key_Return);  // compiles into the folder typed, with nothing said
    EXPECT_EQ(opened("Frame1"), nullptr);
    EXPECT_EQ(readBytes(scriptFolder() / "Script.txt"), scriptText(window.project()));
    EXPECT_EQ(readBytes(scriptFolder() / "English.txt"), englishText(window.project()));
    EXPECT_EQ(messages, QStringList());
    EXPECT_FALSE(std::filesystem::exists(compilerRecord()));
}

}  // namespace
}  // namespace orvanta::test
