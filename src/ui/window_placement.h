#pragma once

class QTreeView;
class QWidget;

namespace orvanta::ui {

/// Makes a window of the program one that stands beside the main window
/// instead of over it: no window kept above the main window, so activating
/// the main window brings it to the front, and placed on first showing to
/// the right of it (or left, where the screen has no room on the right).
void placeBesideMainWindow(QWidget* window, QWidget* mainWindow);

/// Widens a list's window until every column of the list shows whole, as
/// far as the screen allows; never narrower than the user made it.
void widenToItsColumns(QTreeView* list);

}  // namespace orvanta::ui
