#pragma once

#include <memory>

class QProcess;

namespace orvanta::ui {

/// A started program together with every program it starts, so that "Stop"
/// ends all of them and nothing else. On POSIX systems the program leads a
/// session and process group of its own, which the programs it starts join
/// (wine's too: cmd.exe and the console programs a batch runs). Programs that
/// leave the group are not reached: wine's own server and services, shared
/// by every program of the prefix, and what a batch hands to `start`, which
/// wine gives a session of its own. On Windows the program starts suspended
/// and is put into a job object before it runs; what it starts joins the job.
class ProcessGroup {
public:
    ProcessGroup();
    ~ProcessGroup();
    ProcessGroup(const ProcessGroup&) = delete;
    ProcessGroup& operator=(const ProcessGroup&) = delete;

    /// Before the start: the process is to found a new group.
    void prepare(QProcess& process);
    /// After the start: the group is that process's.
    void adopt(QProcess& process);
    /// Ends every program of the group at once.
    void stop();
    /// Lets the group go: later programs of the same number are not ours.
    void release();

    /// From now on SIGTERM, SIGHUP and SIGINT first end the group that runs,
    /// as Quit does, then end the program as the signal would have. On
    /// Windows nothing is needed: the job ends with the program.
    static void endGroupOnStopSignals();

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

}  // namespace orvanta::ui
