#include "ui/run_window.h"

#include "desktop/batch_run.h"
#include "ui/dialog_layout.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace orvanta::ui {
namespace {

/// Lines the output box holds: a batch caught in a loop must not slow it down.
constexpr int kShownLines = 20000;

QString clock(const QDateTime& time) { return time.toString(QStringLiteral("HH:mm:ss")); }

}  // namespace

QString runStateText(const BatchRun& run)
{
    const QString program = run.seenAs();
    const QString since = clock(run.startedAt());
    if (!run.end())
        return QStringLiteral("Running %1 since %2").arg(program, since);
    const QString now = clock(QDateTime::currentDateTime());
    switch (run.end()->kind) {
    case RunEnd::Kind::Exited:
        return QStringLiteral("%1 ended with exit status %2 at %3 (started %4)")
            .arg(program)
            .arg(run.end()->exitStatus)
            .arg(now, since);
    case RunEnd::Kind::Stopped: return QStringLiteral("%1 was stopped at %2 (started %3)").arg(program, now, since);
    case RunEnd::Kind::Crashed:
        return QStringLiteral("%1 ended abnormally at %2 (started %3): %4").arg(program, now, since, run.end()->reason);
    case RunEnd::Kind::NotStarted: break;
    }
    return QStringLiteral("%1 could not be started: %2").arg(program, run.end()->reason);
}

RunWindow::RunWindow(BatchRun& run, QWidget* parent) : QDialog(parent), run_(run)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Easylife Run"));

    state_ = addLabel(this, "Label1", QString());
    state_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    command_ = addLabel(this, "Label2", QString());
    command_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    command_->setWordWrap(true);

    output_ = new QPlainTextEdit(this);
    output_->setObjectName(QStringLiteral("Text1"));
    output_->setReadOnly(true);
    output_->setMaximumBlockCount(kShownLines);
    output_->setLineWrapMode(QPlainTextEdit::NoWrap);
    output_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics = output_->fontMetrics();
    output_->setMinimumSize(metrics.horizontalAdvance(QString(80, QLatin1Char('M'))), metrics.lineSpacing() * 20);

    stop_ = addButton(this, "Command1", QStringLiteral("Stop"));
    QPushButton* close = addButton(this, "Command2", QStringLiteral("Close"));
    stop_->setAutoDefault(false);
    close->setDefault(true);
    connect(stop_, &QPushButton::clicked, &run_, &BatchRun::stop);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* column = new QVBoxLayout(this);
    column->addWidget(state_);
    column->addWidget(command_);
    column->addWidget(output_);
    column->addLayout(buttonRow({stop_, close}));

    connect(&run_, &BatchRun::started, this, &RunWindow::showStart);
    connect(&run_, &BatchRun::ended, this, &RunWindow::showState);
    connect(&run_, &BatchRun::outputAdded, this, [this](const QString& text) {
        QScrollBar* scroll = output_->verticalScrollBar();
        const bool following = scroll->value() == scroll->maximum();
        output_->moveCursor(QTextCursor::End);
        output_->insertPlainText(text);
        if (following)
            scroll->setValue(scroll->maximum());
    });
    showStart();
    output_->setPlainText(run_.output());
    output_->moveCursor(QTextCursor::End);
}

void RunWindow::showStart()
{
    output_->clear();
    command_->setText(run_.commandLine());
    showState();
}

void RunWindow::showState()
{
    state_->setText(runStateText(run_));
    stop_->setEnabled(!run_.end());
}

}  // namespace orvanta::ui
