#include "desktop/process_group.h"

#include <QProcess>
#include <atomic>
#include <csignal>
#include <unistd.h>

namespace orvanta::ui {
namespace {

// The group that runs, for the signal handler: one run at a time.
std::atomic<pid_t> runningGroup{0};
static_assert(std::atomic<pid_t>::is_always_lock_free, "read in a signal handler");

extern "C" void endGroupThenDie(int signal)
{
    // Only async-signal-safe calls here.
    if (const pid_t group = runningGroup.load(); group > 0)
        ::kill(-group, SIGKILL);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

}  // namespace

struct ProcessGroup::Handle {
    pid_t group = 0;
};

ProcessGroup::ProcessGroup() : handle_(std::make_unique<Handle>()) {}
ProcessGroup::~ProcessGroup() = default;

void ProcessGroup::prepare(QProcess& process)
{
    // A new session makes the child the leader of a new process group whose
    // number is its own process id, away from the terminal Orvanta runs in.
    process.setChildProcessModifier([] { ::setsid(); });
}

void ProcessGroup::adopt(QProcess& process)
{
    handle_->group = static_cast<pid_t>(process.processId());
    runningGroup = handle_->group;
}

void ProcessGroup::stop()
{
    // SIGKILL, not SIGTERM: a batch or its compiler may ignore the polite
    // signal, and nothing of the group keeps state worth saving.
    if (handle_->group > 0)
        ::kill(-handle_->group, SIGKILL);
}

void ProcessGroup::release()
{
    pid_t group = handle_->group;
    runningGroup.compare_exchange_strong(group, 0);
    handle_->group = 0;
}

void ProcessGroup::endGroupOnStopSignals()
{
    struct sigaction action {};
    action.sa_handler = endGroupThenDie;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

}  // namespace orvanta::ui
