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

/// Lines the output box holds, and the longest it shows as one: a batch
/// caught in a loop, with line breaks or without, must not slow it down, and
/// the box never holds more than kShownLines * kLongestShownLine characters.
constexpr int kShownLines = 20000;
constexpr qsizetype kLongestShownLine = 400;

/// The text with a line break wherever a line would grow past
/// kLongestShownLine; `lineLength` is the length of the line it continues,
/// and then of its own last line.
QString withDisplayBreaks(const QString& text, qsizetype& lineLength)
{
    QString shown;
    shown.reserve(text.size() + text.size() / kLongestShownLine + 1);
    for (const QChar c : text) {
        if (c == u'\n') {
            lineLength = 0;
        } else if (lineLength == kLongestShownLine) {
            shown += u'\n';
            lineLength = 1;
        } else {
            ++lineLength;
        }
        shown += c;
    }
    return shown;
}

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
        output_->insertPlainText(withDisplayBreaks(text, shownLineLength_));
        if (following)
            scroll->setValue(scroll->maximum());
    });
    showStart();
    output_->setPlainText(withDisplayBreaks(run_.output(), shownLineLength_));
    output_->moveCursor(QTextCursor::End);
}

void RunWindow::showStart()
{
    output_->clear();
    shownLineLength_ = 0;
    command_->setText(run_.commandLine());
    showState();
}

void RunWindow::showState()
{
    state_->setText(runStateText(run_));
    stop_->setEnabled(!run_.end());
}

}  // namespace orvanta::ui
