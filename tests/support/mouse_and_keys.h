#pragma once

#include <QTest>

namespace orvanta::test {

/// A double click as the window system delivers it: press, release, the second
/// press as a double-click event, release. (QTest::mouseDClick sends only the
/// double-click event.)
inline void doubleClick(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(widget, button);
    QTest::mouseDClick(widget, button);
    QTest::mouseRelease(widget, button);
}

/// Types text that may hold characters no key of a US keyboard gives.
inline void typeText(QWidget* widget, const QString& text)
{
    for (QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

} // namespace orvanta::test
