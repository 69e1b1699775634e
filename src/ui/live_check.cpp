#include "ui/live_check.h"

#include "pipeline/game_build.h"

#include <utility>

namespace orvanta::ui {

LiveCheck::LiveCheck(const ProjectState& project, QObject* parent) : QObject(parent), project_(project)
{
    poll_.setInterval(400);
    connect(&poll_, &QTimer::timeout, this, &LiveCheck::checkWhenChanged);
    poll_.start();
    debounce_.setSingleShot(true);
    debounce_.setInterval(120);
    connect(&debounce_, &QTimer::timeout, this, &LiveCheck::checkWhenChanged);
    debounce_.start();  // the first check, of the project at start
}

LiveCheck::~LiveCheck()
{
    // The worker posts its result to this object: it must be done first.
    if (worker_.valid())
        worker_.wait();
}

void LiveCheck::noteChange() { debounce_.start(); }

ProjectState LiveCheck::current() const
{
    ProjectState project = project_;
    if (draft_)
        draft_(project);
    return project;
}

void LiveCheck::checkWhenChanged()
{
    if (worker_.valid())
        return;  // one check at a time; its end looks again
    ProjectState project = current();
    if (hasResult_ && project == checked_)
        return;
    running_ = std::move(project);
    worker_ = std::async(std::launch::async, [this, project = running_]() mutable {
        std::vector<ProjectProblem> problems = checkProject(project, packageFileCheck(project.scriptFolder));
        QMetaObject::invokeMethod(
            this,
            [this, project = std::move(project), problems = std::move(problems)]() mutable {
                finish(std::move(project), std::move(problems));
            },
            Qt::QueuedConnection);
    });
}

void LiveCheck::finish(ProjectState project, std::vector<ProjectProblem> problems)
{
    worker_.get();
    checked_ = std::move(project);
    problems_ = std::move(problems);
    hasResult_ = true;
    Q_EMIT updated();
    if (debounce_.isActive() || !(current() == checked_))
        debounce_.start();  // typed meanwhile: the result is already old
}

}  // namespace orvanta::ui
