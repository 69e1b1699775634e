#pragma once

#include "model/project_state.h"
#include "platform/host_path.h"
#include "support/environment.h"
#include "support/stand_in_program.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/tool_box.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace orvanta::test {

inline const QString kCompiled = QStringLiteral("DAT files rewritten - Script Files Compiled!");

/// A named control of a window; fails the test when it is missing.
template <typename Control = QWidget> Control* child(const QObject* window, const char* name)
{
    auto* control = window != nullptr ? window->findChild<Control*>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(control, nullptr) << "no control " << name;
    return control;
}

/// Destroys the windows closed with WA_DeleteOnClose, as the event loop does between two user actions.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

inline void click(const QObject* window, const char* button)
{
    QTest::mouseClick(child(window, button), Qt::LeftButton);
    flushDeletes();
}

/// A double click as the window system delivers it: a click, then a double-click press and its release.
inline void doubleClick(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = {})
{
    QTest::mouseClick(widget, button, {}, at);
    QTest::mouseDClick(widget, button, {}, at);
    QTest::mouseRelease(widget, button, {}, at);
}

/// Replaces a box's text by typing, each character as the text of a key
/// event, as an input method delivers characters without a key of their own.
inline void retype(QWidget* box, const QString& text)
{
    box->setFocus();  // Ctrl+A is Select All in the focused box, About elsewhere
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    for (QChar character : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

/// A shown main window with message boxes and questions recorded (a question
/// is answered with `choice`, or else `firstChoice`) and a Wine prefix of its own, whose drive C
/// holds the default script folder and C:\Easylife.bat; the "wine" on the
/// PATH is a stand-in that writes compilerRecord() and, as a compiler does,
/// the DAT files into the default script folder and the test's folder.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        ui::setMessageHandler([this](QWidget*, const QString& text) { messages << text; });
        ui::setQuestionHandler([this](QWidget*, const QString& text, const QStringList& choices) {
            questions << text + u'|' + choices.join(u'|');
            return choice >= 0 ? choice : (firstChoice ? 0 : 1);
        });
        writeStandInProgram(temp / "wine", compilerRecord(), {scriptFolder(), temp.path()});
        writeBytes(prefix.driveC("Easylife.bat"), "@echo off\r\n");
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ~MainWindowTest() override
    {
        ui::setMessageHandler({});
        ui::setQuestionHandler({});
    }

    template <typename Control = QWidget> Control* find(const char* name) const
    {
        return child<Control>(&window, name);
    }
    QAction* entry(const char* name) const
    {
        flushDeletes();
        return find<QAction>(name);
    }
    /// Opens a window by its menu entry, a slot button ("Command5") or a pack label ("Label8").
    QWidget* open(const char* how, const char* name)
    {
        if (qstrncmp(how, "Command", 7) == 0)
            QTest::mouseClick(slotButton(QByteArray(how + 7).toInt()), Qt::LeftButton);
        else if (qstrncmp(how, "Label", 5) == 0)
            doubleClick(child(open("scriptpacks", "Form3"), how));
        else
            entry(how)->trigger();
        return opened(name);
    }
    /// The shown window or panel of that name, or null.
    QWidget* opened(const char* name) const
    {
        flushDeletes();
        QWidget* found = window.findChild<QWidget*>(QString::fromLatin1(name));
        return found != nullptr && found->isVisible() ? found : nullptr;
    }
    QLineEdit* nameBox(int slot) const
    {
        return find<QLineEdit>(slot == 1 ? "Text12" : ("Text" + std::to_string(slot - 1)).c_str());
    }
    QComboBox* wadBox(int slot) const { return find<QComboBox>(("Combo" + std::to_string(slot)).c_str()); }
    QWidget* slotButton(int slot) const
    {
        return child(window.centralWidget(), ("Command" + std::to_string(slot)).c_str());
    }
    /// Presses a key while the main window is the active one, as its shortcuts need.
    void keyOnMain(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, QWidget* target = nullptr)
    {
        flushDeletes();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &window; }));
        QTest::keyClick(target != nullptr ? target : &window, key, modifiers);
        flushDeletes();
    }
    /// Lets the event loop run until a message box follows, as the result of a compile follows the batch's end.
    bool waitForMessage(qsizetype seen, int milliseconds = 20000)
    {
        return QTest::qWaitFor([&] { return messages.size() > seen; }, milliseconds);
    }
    /// "Compile Scripts"; the Script.txt it wrote, once the compiler has ended.
    std::string compile()
    {
        std::filesystem::remove(compilerRecord());
        const qsizetype seen = messages.size();
        entry("begin")->trigger();
        EXPECT_TRUE(waitForMessage(seen)) << "the batch did not end";
        EXPECT_EQ(messages.value(messages.size() - 1), kCompiled);
        EXPECT_TRUE(std::filesystem::exists(compilerRecord()));
        return readBytes(hostPath(joinPathText(window.project().scriptFolder, "Script.txt")));
    }
    std::filesystem::path scriptFolder() const { return prefix.driveC(kScriptFolder); }
    std::filesystem::path compilerRecord() const { return temp / "compiler-ran.txt"; }

    TempFolder temp;
    ScopedWorkingFolder workingFolder{temp / "work \u043f\u0440\u043e\u0435\u043a\u0442"};  ///< "work проект"
    FakeWinePrefix prefix{kScriptFolder};
    ScopedVariable path{"PATH", temp.text()};
    QStringList messages;   ///< the texts of the message boxes shown
    QStringList questions;  ///< and of the questions asked: "TEXT|FIRST CHOICE|SECOND CHOICE..."
    bool firstChoice = true;
    int choice = -1;  ///< when set, the index of the choice every question gets instead
    ui::MainWindow window;
};

}  // namespace orvanta::test
