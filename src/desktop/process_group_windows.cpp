#include "desktop/process_group.h"

#include <QProcess>
#include <windows.h>

namespace orvanta::ui {

struct ProcessGroup::Handle {
    HANDLE job = nullptr;
    PROCESS_INFORMATION* started = nullptr;  // QProcess's own, filled in by CreateProcess
};

ProcessGroup::ProcessGroup() : handle_(std::make_unique<Handle>()) {}
ProcessGroup::~ProcessGroup() { release(); }

void ProcessGroup::prepare(QProcess& process)
{
    release();
    handle_->job = CreateJobObjectW(nullptr, nullptr);
    // Suspended until it is in the job, so that nothing it starts escapes.
    process.setCreateProcessArgumentsModifier([handle = handle_.get()](QProcess::CreateProcessArguments* arguments) {
        arguments->flags |= CREATE_SUSPENDED;
        handle->started = arguments->processInformation;
    });
}

void ProcessGroup::adopt(QProcess&)
{
    PROCESS_INFORMATION* started = handle_->started;
    if (started == nullptr)
        return;
    if (handle_->job != nullptr)
        AssignProcessToJobObject(handle_->job, started->hProcess);
    ResumeThread(started->hThread);
    handle_->started = nullptr;
}

void ProcessGroup::stop()
{
    if (handle_->job != nullptr)
        TerminateJobObject(handle_->job, 1);
}

void ProcessGroup::release()
{
    // The job is not killed when its handle closes: what a batch left running
    // on purpose (the game, say) goes on after the batch has ended.
    if (handle_->job != nullptr)
        CloseHandle(handle_->job);
    handle_->job = nullptr;
}

void ProcessGroup::endGroupOnStopSignals() {}

}  // namespace orvanta::ui
