// The desktop program: the main window with all defaults, then the event loop.
#include "desktop/process_group.h"
#include "ui/artwork.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    QApplication::setWindowIcon(orvanta::ui::programIcon());
    orvanta::ui::ProcessGroup::endGroupOnStopSignals();
    orvanta::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
