#pragma once

#include <QPointer>
#include <QWidget>
#include <utility>

namespace orvanta::ui {

/// Opens a window of which at most one exists: created on first opening (and
/// destroyed when closed), shown modeless, brought to the front when opened
/// again. `created` is true when this call made it.
template <typename Window, typename... Args>
Window* openSingleWindow(QPointer<Window>& window, bool* created, Args&&... args)
{
    const bool isNew = window.isNull();
    if (isNew) {
        window = new Window(std::forward<Args>(args)...);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (created != nullptr)
        *created = isNew;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace orvanta::ui
