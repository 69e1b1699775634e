#include "ui/window_placement.h"

#include <QEvent>
#include <QHeaderView>
#include <QLayout>
#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTreeView>
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
        // Where neither side has room, as far right as the screen shows it whole.
        const int x = right + frame.width() <= screen.right() + 1 ? right
                      : left >= screen.left()                     ? left
                                              : std::max(screen.left(), screen.right() + 1 - frame.width());
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

void widenToItsColumns(QTreeView* list)
{
    QWidget* window = list->window();
    // The list's own width and its rows, in a window not shown yet.
    if (window->layout() != nullptr)
        window->layout()->activate();
    list->doItemsLayout();
    list->header()->resizeSections(QHeaderView::ResizeToContents);
    int columns = 0;
    for (int column = 0; column < list->header()->count(); ++column)
        columns += list->header()->sectionSize(column);
    const int wanted = columns + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width() - list->width();
    const int room = window->screen()->availableGeometry().width() - window->frameGeometry().width();
    if (wanted > 0 && room > 0)
        window->resize(window->width() + std::min(wanted, room), window->height());
}

}  // namespace orvanta::ui
