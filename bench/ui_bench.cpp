// Speed of the script pack editor with a 5 MB pack: opening it, applying it
// untouched, and applying it after one typed character (the path that turns
// the widget's paragraphs back into CR LF bytes). Then the live check in the
// whole main window, the pack editor and Script Problems open: the time from
// a keystroke to updated problems, and the longest the event loop is busy at
// once (its worst frame) while a builder types and the check runs, for the
// defaults and for as much level data as SCRIPT.DAT holds (64 KB). Runs on
// the offscreen platform unless QT_QPA_PLATFORM names another.

#include "model/field_ref.h"
#include "model/project_state.h"
#include "pipeline/game_build.h"
#include "ui/live_check.h"
#include "ui/main_window.h"
#include "ui/script_pack_editor.h"
#include "ui/script_packs.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>

namespace {

using orvanta::ProjectState;
using orvanta::ui::ScriptPacks;

constexpr std::size_t kPackBytes = 5 * 1024 * 1024;
constexpr int kTut1Pack = 2;

/// The defaults with level 1's pack grown to 5 MB of its own lines.
ProjectState projectWithBigPack()
{
    ProjectState project = ProjectState::withDefaults();
    std::string& pack = project.level(1).scriptPack;
    const std::string lines = pack;
    pack.clear();
    while (pack.size() < kPackBytes)
        pack += lines;
    return project;
}

void settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void applyEditor(ScriptPacks& packs)
{
    packs.editor()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    settle();
}

void setBytes(benchmark::State& state)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(kPackBytes));
}

void BM_OpenPackInOpenEditor(benchmark::State& state)
{
    ProjectState project = projectWithBigPack();
    QWidget mainWindow;  // owns the editor, as the real main window does
    orvanta::ui::LiveCheck live(project, nullptr);
    ScriptPacks packs(project, live, &mainWindow);
    packs.openPack(1);
    settle();
    for (auto _ : state) {
        packs.openPack(kTut1Pack);
        settle();
        state.PauseTiming();
        packs.openPack(1);
        settle();
        state.ResumeTiming();
    }
    setBytes(state);
}
BENCHMARK(BM_OpenPackInOpenEditor)->Unit(benchmark::kMillisecond);

void BM_OpenAndApplyUntouched(benchmark::State& state)
{
    ProjectState project = projectWithBigPack();
    QWidget mainWindow;  // owns the editor, as the real main window does
    orvanta::ui::LiveCheck live(project, nullptr);
    ScriptPacks packs(project, live, &mainWindow);
    for (auto _ : state) {
        packs.openPack(kTut1Pack);
        settle();
        applyEditor(packs);
    }
    setBytes(state);
}
BENCHMARK(BM_OpenAndApplyUntouched)->Unit(benchmark::kMillisecond);

void BM_OpenEditAndApply(benchmark::State& state)
{
    const ProjectState original = projectWithBigPack();
    ProjectState project = original;
    QWidget mainWindow;  // owns the editor, as the real main window does
    orvanta::ui::LiveCheck live(project, nullptr);
    ScriptPacks packs(project, live, &mainWindow);
    for (auto _ : state) {
        packs.openPack(kTut1Pack);
        settle();
        packs.editor()->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->insertPlainText(QStringLiteral("x"));
        applyEditor(packs);
        state.PauseTiming();
        if (project.level(1).scriptPack != "x" + original.level(1).scriptPack)
            state.SkipWithError("the edited pack was not stored");
        project = original;
        state.ResumeTiming();
    }
    setBytes(state);
}
BENCHMARK(BM_OpenEditAndApply)->Unit(benchmark::kMillisecond);

/// Whether the project builds without errors, as the live check sees it.
bool builds(const ProjectState& project) { return !orvanta::hasErrors(orvanta::buildGameFiles(project).problems); }

/// The defaults with every level pack repeating its first line `times` more.
ProjectState projectWithRepeatedLines(int times)
{
    ProjectState project = ProjectState::withDefaults();
    for (int level = 1; level <= orvanta::kLevelCount; ++level) {
        std::string& pack = project.level(level).scriptPack;
        const std::string line = pack.substr(0, pack.find("\r\n") + 2);
        for (int i = 0; i < times; ++i)
            pack += line;
    }
    return project;
}

/// The defaults, or the defaults grown to the most level data that still builds.
ProjectState projectForTyping(std::int64_t size)
{
    if (size == 0)
        return ProjectState::withDefaults();
    int fits = 0;
    int tooMany = 1;
    while (builds(projectWithRepeatedLines(tooMany)))
        fits = std::exchange(tooMany, tooMany * 2);
    while (tooMany - fits > 1) {
        const int middle = (fits + tooMany) / 2;
        (builds(projectWithRepeatedLines(middle)) ? fits : tooMany) = middle;
    }
    return projectWithRepeatedLines(fits);
}

/// The main window with Script Problems and the pack editor open on level 1's
/// pack, the caret at the start of its last line, a misspelt command.
class TypingScene {
public:
    explicit TypingScene(std::int64_t size)
    {
        window.project() = projectForTyping(size);
        scriptDatBytes = static_cast<double>(orvanta::buildGameFiles(window.project()).files.scriptDat.size());
        window.project().level(1).scriptPack += "Kee=\t1\r\n";
        window.show();
        window.showField(orvanta::refer(window.project(), orvanta::Field::pack(2)));
        window.findChild<QAction*>(QStringLiteral("check"))->trigger();
        pack = window.findChild<QWidget*>(QStringLiteral("Form4"))->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        live = window.findChild<orvanta::ui::LiveCheck*>();
        pack->setFocus();
        pack->moveCursor(QTextCursor::End);
        pack->moveCursor(QTextCursor::PreviousBlock);
        while (!live->hasResult() || !(live->checked() == window.project()))
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    void type(int key, const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(pack, &press);
        QApplication::sendEvent(pack, &release);
    }

    /// Runs the event loop until the live check reports problems that pass `wanted`.
    template <typename Wanted> void waitForProblems(Wanted wanted)
    {
        bool done = false;
        const auto connection =
            QObject::connect(live, &orvanta::ui::LiveCheck::updated, [&] { done = wanted(live->problems().size()); });
        while (!done)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QObject::disconnect(connection);
    }

    orvanta::ui::MainWindow window;
    QPlainTextEdit* pack = nullptr;
    orvanta::ui::LiveCheck* live = nullptr;
    double scriptDatBytes = 0;  // before the misspelt line
};

constexpr std::int64_t kLevelDataLimit = 64 * 1024;

/// ";" comments the misspelt line out, and Backspace brings it back: each
/// keystroke, until the problems show it.
void BM_KeystrokeToUpdatedProblems(benchmark::State& state)
{
    TypingScene scene(state.range(0));
    const std::size_t withError = scene.live->problems().size();
    bool commented = false;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (commented)
            scene.type(Qt::Key_Backspace, {});
        else
            scene.type(Qt::Key_Semicolon, QStringLiteral(";"));
        commented = !commented;
        scene.waitForProblems([&](std::size_t count) { return (count < withError) == commented; });
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["script_dat_bytes"] = scene.scriptDatBytes;
}
BENCHMARK(BM_KeystrokeToUpdatedProblems)->Arg(0)->Arg(kLevelDataLimit)->UseManualTime()->Unit(benchmark::kMillisecond);

/// Types 200 characters, one each 30 ms (a fast typist), while the check runs
/// after each: the longest pass of the event loop over what was waiting.
void BM_WorstFrameWhileTyping(benchmark::State& state)
{
    TypingScene scene(state.range(0));
    double worst = 0;
    const QString text = QStringLiteral("; the builder types a comment ");
    for (auto _ : state) {
        int typed = 0;
        QTimer keys;
        keys.setInterval(30);
        QObject::connect(&keys, &QTimer::timeout, [&] {
            const QChar c = text.at(typed % text.size());
            scene.type(c == u' ' ? Qt::Key_Space : Qt::Key_A, c);
            ++typed;
        });
        keys.start();
        QElapsedTimer pass;
        while (typed < 200) {
            pass.start();
            QApplication::processEvents();
            worst = std::max(worst, static_cast<double>(pass.nsecsElapsed()) / 1e6);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    state.counters["worst_frame_ms"] = worst;
    state.counters["script_dat_bytes"] = scene.scriptDatBytes;
}
BENCHMARK(BM_WorstFrameWhileTyping)->Arg(0)->Arg(kLevelDataLimit)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
