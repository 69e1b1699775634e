#pragma once

#include "desktop/process_group.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

class QProcess;

namespace orvanta::ui {

/// How a run of the Easylife batch ended.
struct RunEnd {
    enum class Kind { Exited, Stopped, Crashed, NotStarted };
    Kind kind = Kind::NotStarted;
    int exitStatus = 0;  ///< Exited: the status it ended with
    QString reason;      ///< Crashed, NotStarted: why, naming the path
};

/// One run at a time of the program a path text names (the Easylife batch),
/// as a child process: standard input empty, so a `pause` ends by itself;
/// standard output and standard error together, in the order written,
/// decoded as Windows-1252. What it printed stays until the next run starts.
class BatchRun : public QObject {
    Q_OBJECT

public:
    explicit BatchRun(QObject* parent = nullptr);
    /// Quitting Orvanta ends a batch that still runs, with all it started.
    ~BatchRun() override;

    /// Starts the program; ended() tells the reason when it cannot start,
    /// before this returns when it is known at once.
    void start(std::string_view pathText);
    /// Ends the running program and everything it started.
    void stop();

    bool isRunning() const;
    /// The path as typed, as the program sees it, and what was started where.
    const QString& pathText() const { return pathText_; }
    const QString& seenAs() const { return seenAs_; }
    const QString& commandLine() const { return commandLine_; }
    const QDateTime& startedAt() const { return startedAt_; }
    const QString& output() const { return output_; }
    /// How the last run ended, once it has.
    const std::optional<RunEnd>& end() const { return end_; }

Q_SIGNALS:
    /// The program is about to start: the texts above are set.
    void started();
    void outputAdded(const QString& text);
    void ended(const orvanta::ui::RunEnd& end);

private:
    void readOutput();
    void addOutput(QString text);
    void finish(RunEnd end);
    void onFinished(int exitCode, bool crashed);

    QPointer<QProcess> process_;
    ProcessGroup group_;
    QString pathText_;
    QString seenAs_;
    QString commandLine_;
    QDateTime startedAt_;
    QString output_;
    std::optional<RunEnd> end_;
    bool stopRequested_ = false;
    bool pendingReturn_ = false;
};

}  // namespace orvanta::ui
