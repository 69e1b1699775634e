#include "ui/window_placement.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace orvanta::ui {
namespace {

/// Clears the transient parent each time the window is shown (Qt gives a
/// window with a parent widget one), and places it once.
class BesideMainWindow : public QObject {
public:
    BesideMainWindow(QWidget* window, QWidget* mainWindow) : QObject(window), mainWindow_(mainWindow) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            standBeside(static_cast<QWidget*>(watched));
        return false;
    }

public:
    void standBeside(QWidget* window)
    {
        if (window->windowHandle() != nullptr)
            window->windowHandle()->setTransientParent(nullptr);
        if (!placed_ && mainWindow_ != nullptr)
            place(window);
        placed_ = true;
    }

private:
    void place(QWidget* window) const
    {
        const QRect main = mainWindow_->frameGeometry();
        const QRect screen = mainWindow_->screen()->availableGeometry();
        const QSize frame = window->frameGeometry().size();
        const int right = main.right() + 1;
        const int left = main.left() - frame.width();
        const int x = right + frame.width() <= screen.right() + 1 ? right : left >= screen.left() ? left : right;
        window->move(x, std::clamp(main.top(), screen.top(), std::max(screen.top(), screen.bottom() - frame.height())));
    }

    QPointer<QWidget> mainWindow_;
    bool placed_ = false;
};

}  // namespace

void placeBesideMainWindow(QWidget* window, QWidget* mainWindow)
{
    auto* beside = new BesideMainWindow(window, mainWindow);
    window->installEventFilter(beside);
    if (window->isVisible())
        beside->standBeside(window);
}

}  // namespace orvanta::ui
