// Pictures every window of the program as a level builder first sees it, for
// the documentation: window_screenshots [--dark] FOLDER [SUFFIX]. Each window
// is opened through the main window, by its menu entry, slot button or pack
// name, and pictured with the frame and title bar its window manager drew
// (take.sh runs it under Xvfb and Openbox). Without a window manager, or on
// another platform than xcb, the window alone is pictured.
#include "dark_palette.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QDeadlineTimer>
#include <QDir>
#include <QKeyEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

using orvanta::ui::MainWindow;

struct Shot {
    const char* file;
    const char* opener;  ///< a menu entry, a slot button "CommandN" or a pack name "LabelN"; empty: nothing
    const char* window;  ///< the object name of the window pictured
};

constexpr Shot kShots[] = {
    {"main-window", "", "Form1"},
    {"compile-to", "ctoo", "Form1"},
    {"level-properties", "Command9", "Form2"},
    {"game-properties", "properties", "Form7"},
    {"script-packs", "scriptpacks", "Form3"},
    {"script-pack-editor", "Label9", "Form4"},
    {"settings", "set", "Form11"},
    {"save-as", "Save", "Form8"},
    {"load-script", "Load", "Form12"},
    {"tool-box", "commontools", "Form10"},
    {"about", "about", "Form5"},
    {"readme", "readme", "Form6"},
    {"script-problems", "check", "Form14"},
};

QWidget* shownWindow(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible())
            return window;
    }
    return nullptr;
}

void waitFor(
    int milliseconds, const std::function<bool()>& done = [] { return false; })
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired()) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

/// The window with its frame once the window manager has framed it and it is painted.
QPixmap picture(QWidget* window)
{
    waitFor(3000, [window] { return window->windowHandle() != nullptr && window->windowHandle()->isExposed(); });
    const bool underWindowManager = QApplication::platformName() == QLatin1String("xcb");
    if (underWindowManager)
        waitFor(2000, [window] { return window->frameGeometry().size() != window->size(); });
    waitFor(400);  // the last paints
    if (!underWindowManager || window->frameGeometry().size() == window->size())
        return window->grab();
    // The X server now and then refuses a picture of a window just mapped: a few more tries.
    QPixmap shot;
    for (int tries = 0; shot.isNull() && tries < 5; ++tries, waitFor(200)) {
        const QRect frame = window->frameGeometry();
        shot = window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    }
    return shot;
}

void open(MainWindow& main, const QByteArray& opener)
{
    if (opener.startsWith("Command")) {
        main.centralWidget()->findChild<QPushButton*>(QString::fromLatin1(opener))->click();
    } else if (opener.startsWith("Label")) {
        main.action(QStringLiteral("scriptpacks"))->trigger();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(shownWindow(QStringLiteral("Form3"))->findChild<QWidget*>(QString::fromLatin1(opener)),
                                &enter);
    } else if (!opener.isEmpty()) {
        main.action(QString::fromLatin1(opener))->trigger();
    }
}

/// Types into a widget key by key, as a builder does (letters, digits, signs, tab and return).
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const int key = c == u'\t' ? int{Qt::Key_Tab} : c == u'\r' ? int{Qt::Key_Return} : int{c.toUpper().unicode()};
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &event);
        }
    }
}

/// The Angkor pack being typed in: a misspelt command underlined once the
/// check has run, and the inventory names offered after an item number.
QWidget* packEditorWhileTyping(MainWindow& main)
{
    open(main, "Label9");
    QWidget* editor = shownWindow(QStringLiteral("Form4"));
    auto* pack = editor->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    pack->setFocus();
    pack->moveCursor(QTextCursor::End);
    type(pack, QStringLiteral("Kee=\t1\r"));
    waitFor(3000, [pack] { return !pack->extraSelections().isEmpty(); });
    type(pack, QStringLiteral("Puzzle=\t2,gol"));
    waitFor(3000, [editor] { return editor->findChild<QCompleter*>()->popup()->isVisible(); });
    return editor;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    QStringList args = QApplication::arguments().mid(1);
    orvanta::ui::useDarkSchemeIfAsked(args);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: window_screenshots [--dark] FOLDER [SUFFIX]\n");
        return 2;
    }
    const QDir folder(args[0]);
    const QString suffix = args.value(1) + QStringLiteral(".png");
    bool saved = true;
    const auto save = [&](const QPixmap& shot, const char* file) {
        const QString path = folder.filePath(QString::fromLatin1(file) + suffix);
        if (!shot.save(path)) {
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
            saved = false;
        }
    };

    MainWindow main;
    main.show();
    for (const Shot& shot : kShots) {
        open(main, shot.opener);
        QWidget* window = shownWindow(QString::fromLatin1(shot.window));
        if (window == nullptr) {
            std::fprintf(stderr, "%s did not open %s\n", shot.opener, shot.window);
            return 1;
        }
        save(picture(window), shot.file);
        if (window != &main)
            window->close();
    }
    save(picture(packEditorWhileTyping(main)), "script-pack-editor-typing");
    if (const QString game = qEnvironmentVariable("ORVANTA_SCREENSHOT_GAME"); !game.isEmpty()) {
        MainWindow importing;  // with no typing to throw away, so nothing asks
        importing.show();
        picture(&importing);  // framed and placed before the report stands beside it
        importing.importGame(game);
        QWidget* report = shownWindow(QStringLiteral("Form15"));
        if (report == nullptr)
            return 1;
        save(picture(report), "import-report");
    }
    // A message box, as "Save" ends: it blocks, so it is pictured from a timer.
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        save(picture(box), "message-box");
        box->close();
    });
    orvanta::ui::showMessage(&main, QStringLiteral("File saved successfully!"));
    return saved ? 0 : 1;
}
