#include "desktop/batch_run.h"

#include "desktop/text_conversion.h"
#include "platform/program_launch.h"

#include <QProcess>
#include <QStandardPaths>

namespace orvanta::ui {
namespace {

/// What a run keeps of its output, in characters: a batch caught in a loop
/// must not fill the memory. The oldest half goes when it is reached.
constexpr qsizetype kKeptOutput = 4 << 20;

QString quotedIfBlank(const QString& argument) { return argument.contains(u' ') ? u'"' + argument + u'"' : argument; }

QString describeCommand(const platform::ProgramLaunch& how)
{
    QString command = quotedIfBlank(fromUtf8Text(how.program));
    for (const std::string& argument : how.arguments)
        command += u' ' + quotedIfBlank(fromUtf8Text(argument));
    if (!how.nativeArguments.empty())
        command += u' ' + fromUtf8Text(how.nativeArguments);
    return command + QStringLiteral(", in ") + fromUtf8Text(how.folder);
}

}  // namespace

BatchRun::BatchRun(QObject* parent) : QObject(parent) {}

BatchRun::~BatchRun()
{
    if (!isRunning())
        return;
    process_->disconnect(this);
    group_.stop();
    process_->waitForFinished(2000);
}

bool BatchRun::isRunning() const { return process_ != nullptr && process_->state() != QProcess::NotRunning; }

void BatchRun::start(std::string_view pathText)
{
    if (process_ != nullptr)
        process_->deleteLater();
    pathText_ = seenAs_ = toDisplayText(pathText);
    commandLine_.clear();
    output_.clear();
    end_.reset();
    stopRequested_ = pendingReturn_ = false;
    startedAt_ = QDateTime::currentDateTime();

    const auto launch = platform::programLaunch(pathText);
    if (!launch)
        return finish({RunEnd::Kind::NotStarted, 0, fromUtf8Text(launch.error().message)});
    const platform::ProgramLaunch& how = launch.value();
    QString program = fromUtf8Text(how.program);
    if (how.needsWine) {
        program = QStandardPaths::findExecutable(program);
        if (program.isEmpty())
            return finish({RunEnd::Kind::NotStarted, 0,
                           QStringLiteral("Cannot start ") + fromUtf8Text(how.description) +
                               QStringLiteral(": Windows programs are started with wine, which is not on the PATH")});
    }
    seenAs_ = fromUtf8Text(how.seenAs);
    commandLine_ = describeCommand(how);

    process_ = new QProcess(this);
    process_->setProgram(program);
    QStringList arguments;
    for (const std::string& argument : how.arguments)
        arguments << fromUtf8Text(argument);
    process_->setArguments(arguments);
#ifdef Q_OS_WIN
    process_->setNativeArguments(fromUtf8Text(how.nativeArguments));
#endif
    if (how.needsWine && !qEnvironmentVariableIsSet("WINEDEBUG")) {
        // Wine's notes on what it does not implement yet ("fixme:") mean
        // nothing to a level builder; its error lines stay.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("fixme-all"));
        process_->setProcessEnvironment(environment);
    }
    process_->setWorkingDirectory(fromUtf8Text(how.folder));
    process_->setStandardInputFile(QProcess::nullDevice());
    process_->setProcessChannelMode(QProcess::MergedChannels);
    connect(process_, &QProcess::readyReadStandardOutput, this, &BatchRun::readOutput);
    connect(process_, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) { onFinished(exitCode, status == QProcess::CrashExit); });
    connect(process_, &QProcess::errorOccurred, this,
            [this, description = how.description](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart)
                    finish({RunEnd::Kind::NotStarted, 0,
                            QStringLiteral("Cannot start ") + fromUtf8Text(description) + QStringLiteral(": ") +
                                process_->errorString()});
            });
    group_.prepare(*process_);
    Q_EMIT started();
    process_->start();
    if (process_->state() != QProcess::NotRunning)
        group_.adopt(*process_);
}

void BatchRun::stop()
{
    if (!isRunning())
        return;
    stopRequested_ = true;
    group_.stop();
}

void BatchRun::readOutput()
{
    QByteArray bytes = process_->readAllStandardOutput();
    // CR LF ends a line, and so does a lone CR (a line drawn again in place);
    // a CR that ends one read may be the first half of a CR LF.
    if (pendingReturn_)
        bytes.prepend('\r');
    pendingReturn_ = bytes.endsWith('\r');
    if (pendingReturn_)
        bytes.chop(1);
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    addOutput(toDisplayText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

void BatchRun::addOutput(QString text)
{
    if (text.isEmpty())
        return;
    output_ += text;
    if (output_.size() > kKeptOutput)
        output_.remove(0, output_.size() - kKeptOutput / 2);
    Q_EMIT outputAdded(text);
}

void BatchRun::onFinished(int exitCode, bool crashed)
{
    readOutput();
    if (pendingReturn_)
        addOutput(QStringLiteral("\n"));
    if (stopRequested_)
        return finish({RunEnd::Kind::Stopped, exitCode, {}});
    if (crashed)
        return finish({RunEnd::Kind::Crashed, exitCode, process_->errorString()});
    finish({RunEnd::Kind::Exited, exitCode, {}});
}

void BatchRun::finish(RunEnd end)
{
    group_.release();
    end_ = end;
    Q_EMIT ended(end);
}

}  // namespace orvanta::ui
