#pragma once

#include "model/project_state.h"
#include "pipeline/project_problem.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <future>
#include <vector>

namespace orvanta::ui {

/// The problems of the project as it stands, found again shortly after each
/// change, on a worker thread: a keystroke never waits for a check. What the
/// pack editor holds but has not applied yet counts as the project's.
class LiveCheck : public QObject {
    Q_OBJECT

public:
    /// Lays edits not yet applied over a copy of the project.
    using Draft = std::function<void(ProjectState&)>;

    LiveCheck(const ProjectState& project, QObject* parent);
    ~LiveCheck() override;

    void setDraft(Draft draft) { draft_ = std::move(draft); }
    /// Something changed that the next look at the project will see: it
    /// comes sooner than the regular one.
    void noteChange();

    /// The problems of `checked()`, the project with its draft as last checked.
    const std::vector<ProjectProblem>& problems() const { return problems_; }
    const ProjectState& checked() const { return checked_; }
    bool hasResult() const { return hasResult_; }

Q_SIGNALS:
    /// problems() and checked() are new.
    void updated();

private:
    ProjectState current() const;
    void checkWhenChanged();
    void finish(ProjectState project, std::vector<ProjectProblem> problems);

    const ProjectState& project_;
    Draft draft_;
    QTimer poll_;      // the regular look: changes made anywhere, by any window
    QTimer debounce_;  // the look soon after typing
    ProjectState checked_;
    ProjectState running_;
    std::future<void> worker_;
    std::vector<ProjectProblem> problems_;
    bool hasResult_ = false;
};

}  // namespace orvanta::ui
