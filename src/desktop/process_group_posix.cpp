#include "desktop/process_group.h"

#include <QProcess>
#include <csignal>
#include <unistd.h>

namespace orvanta::ui {

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

void ProcessGroup::adopt(QProcess& process) { handle_->group = static_cast<pid_t>(process.processId()); }

void ProcessGroup::stop()
{
    // SIGKILL, not SIGTERM: a batch or its compiler may ignore the polite
    // signal, and nothing of the group keeps state worth saving.
    if (handle_->group > 0)
        ::kill(-handle_->group, SIGKILL);
}

void ProcessGroup::release() { handle_->group = 0; }

}  // namespace orvanta::ui
