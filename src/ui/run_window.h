#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orvanta::ui {

class BatchRun;

/// "Easylife Run" (Form13): what the Easylife batch prints, as it prints it,
/// what runs and since when, "Stop" and "Close". Closing it leaves the batch
/// running; the run keeps its output until the next run starts.
class RunWindow : public QDialog {
    Q_OBJECT

public:
    explicit RunWindow(BatchRun& run, QWidget* parent = nullptr);

private:
    void showStart();
    void showState();

    BatchRun& run_;
    QLabel* state_ = nullptr;
    QLabel* command_ = nullptr;
    QPlainTextEdit* output_ = nullptr;
    qsizetype shownLineLength_ = 0;  // of the last line shown, to break an endless one
    QPushButton* stop_ = nullptr;
};

/// One line on how the run stands or how it ended, naming the program.
QString runStateText(const BatchRun& run);

}  // namespace orvanta::ui
