#pragma once

#include "script/script_writer.h"
#include "support/lines.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvanta::test {

/// A named control of a window; fails the test when it is missing.
template <typename Control> Control* controlOf(const QWidget* window, const char* name)
{
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << "no control " << name;
    return control;
}

/// Lets windows closed with WA_DeleteOnClose be destroyed.
inline void destroyClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

/// Empties a box the way a user does: select everything, then delete it.
inline void clearByKeyboard(QLineEdit* box)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
}

/// Types text key by key; characters outside ASCII arrive as the text of
/// key events, as an input method delivers them.
inline void typeText(QWidget* box, const QString& text)
{
    for (QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(box, character.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

/// Whether the project's Script.txt holds these consecutive lines.
inline bool scriptHas(const ProjectState& project, const std::vector<std::string>& run)
{
    return containsRun(linesOf(scriptText(project)), run);
}

} // namespace orvanta::test
