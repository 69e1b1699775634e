// Saves pictures of the main window for the documentation:
//   orvanta_screenshot OUTPUT.png [MENU-ENTRY]
// Run it with QT_QPA_PLATFORM=offscreen (and QT_SCALE_FACTOR=2 for a
// high-density picture). With a menu entry ("ctoo", "set", "about",
// "readme", "properties") or a slot button ("Command9"), the entry is chosen
// or the button clicked first and the window it opens is pictured.
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: orvanta_screenshot OUTPUT.png [MENU-ENTRY | SLOT-BUTTON]\n");
        return 2;
    }
    orvanta::ui::MainWindow window;
    window.show();
    QWidget* pictured = &window;
    if (argc > 2) {
        const QString name = QString::fromLocal8Bit(argv[2]);
        QAction* entry = window.action(name);
        auto* slotButton = window.centralWidget()->findChild<QPushButton*>(name);
        if (entry != nullptr) {
            entry->trigger();
        } else if (slotButton != nullptr) {
            slotButton->click();
        } else {
            std::fprintf(stderr, "no menu entry or slot button %s\n", argv[2]);
            return 2;
        }
        for (QWidget* child : window.findChildren<QWidget*>()) {
            if (child->isWindow() && child->isVisible())
                pictured = child;
        }
    }
    QApplication::processEvents();
    return pictured->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
