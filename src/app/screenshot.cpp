// Saves pictures of the main window for the documentation:
//   orvanta_screenshot OUTPUT.png [compile-to]
// Run it with QT_QPA_PLATFORM=offscreen (and QT_SCALE_FACTOR=2 for a
// high-density picture). With "compile-to" the Compile To panel is shown.
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: orvanta_screenshot OUTPUT.png [compile-to]\n");
        return 2;
    }
    orvanta::ui::MainWindow window;
    window.show();
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("compile-to"))
        window.action(QStringLiteral("ctoo"))->trigger();
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
