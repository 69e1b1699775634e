#pragma once

#include "support/message_recorder.h"
#include "support/stand_in_program.h"
#include "support/temp_folder.h"
#include "ui/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace orvanta::test {

/// A shown and active main window, with message boxes recorded and a
/// temporary folder for script files and a stand-in compiler.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename Widget = QWidget>
    Widget* find(const char* objectName) const
    {
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(objectName));
        EXPECT_NE(widget, nullptr) << objectName;
        return widget;
    }

    QAction* entry(const char* objectName) const
    {
        QAction* action = window.action(QString::fromLatin1(objectName));
        EXPECT_NE(action, nullptr) << objectName;
        return action;
    }

    /// Points the script folder at the temporary folder and the Easylife
    /// location at a stand-in that writes `compilerRecord()` when it runs.
    void useTemporaryFolders()
    {
        window.project().scriptFolder = temp.text();
        window.project().easylifeLocation = writeStandInProgram(temp / "easylife.sh", compilerRecord()).string();
    }

    std::filesystem::path compilerRecord() const { return temp / "compiler-ran.txt"; }

    /// Replaces a box's whole text by typing, as a user would.
    static void retype(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        for (QChar character : text) {
            if (character.unicode() < 0x80)
                QTest::keyClick(box, character.toLatin1());
            else  // Qt Test knows keys for ASCII only; other characters come as text
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
        }
    }

    ui::MainWindow window;
    TempFolder temp;
    MessageRecorder messages;
};

} // namespace orvanta::test
