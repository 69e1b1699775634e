#pragma once

#include "desktop/batch_run.h"

#include <QObject>
#include <QPointer>
#include <string_view>

class QWidget;

namespace orvanta::ui {

class RunWindow;

/// Runs the Easylife batch for "Compile Scripts", "Easylife" and the tool
/// box's "Run Easylife": one run at a time, shown in the run window, with
/// the result of a compile told only once the batch has ended.
class EasylifeRunner : public QObject {
    Q_OBJECT

public:
    /// `window`: the main window, parent of the run window and the messages.
    explicit EasylifeRunner(QWidget* window);

    /// While a run is on: brings the run window to the front, says so, and
    /// returns true; the command that asked does nothing.
    bool refuseWhileRunning();

    /// Starts the batch after a compile wrote the script folder's sources.
    /// The success text follows only an exit status of 0 with every DAT file
    /// of the folder rewritten; anything else is told, with where to look.
    void compile(std::string_view easylifeLocation, std::string_view scriptFolder);

    /// Starts the batch; a message only when it cannot start.
    void run(std::string_view easylifeLocation);

    BatchRun& batchRun() { return run_; }

private:
    void showRunWindow();

    QWidget* window_;
    BatchRun run_;
    QPointer<RunWindow> runWindow_;
    QMetaObject::Connection whenEnded_;
};

}  // namespace orvanta::ui
