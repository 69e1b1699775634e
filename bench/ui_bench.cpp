// Speed of the script pack editor with a 5 MB pack: opening it, applying it
// untouched, and applying it after one typed character (the path that turns
// the widget's paragraphs back into CR LF bytes). Runs on the offscreen
// platform unless QT_QPA_PLATFORM names another.

#include "desktop/batch_run.h"
#include "model/project_state.h"
#include "ui/main_window.h"
#include "ui/run_window.h"
#include "ui/script_pack_editor.h"
#include "ui/script_packs.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

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
    ScriptPacks packs(project, &mainWindow);
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
    ScriptPacks packs(project, &mainWindow);
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
    ScriptPacks packs(project, &mainWindow);
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

}  // namespace

/// Check Script (F7) of a project whose level name and a pack line are each
/// 10 MB long, up to the Problems window shown: bench/peak_memory.sh also
/// measures its peak memory.
void BM_CheckScriptWithTenMegabyteValues(benchmark::State& state)
{
    orvanta::ui::MainWindow window;
    std::string name(10 << 20, 'N');
    name.back() = ';';  // a comment: the message quotes the 10 MB the game shows
    window.project().level(1).levelName = name;
    window.project().level(2).scriptPack = std::string(10 << 20, 'y');
    window.show();
    settle();
    for (auto _ : state) {
        window.action(QStringLiteral("check"))->trigger();
        settle();
    }
}
BENCHMARK(BM_CheckScriptWithTenMegabyteValues)->Unit(benchmark::kMillisecond);

/// The Easylife Run window while a batch prints 10 MB without a line break,
/// from the start to the window showing the end of the run.
void BM_RunWindowWithATenMegabyteLine(benchmark::State& state)
{
    const std::filesystem::path batch = std::filesystem::temp_directory_path() / "orvanta-bench-long-line";
    std::ofstream(batch) << "#!/bin/sh\nhead -c 10485760 /dev/zero | tr '\\0' x\n";
    std::filesystem::permissions(batch, std::filesystem::perms::owner_all);
    orvanta::ui::BatchRun run;
    orvanta::ui::RunWindow window(run);
    window.show();
    for (auto _ : state) {
        run.start(batch.string());
        while (!run.end())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        settle();
    }
    std::filesystem::remove(batch);
}
BENCHMARK(BM_RunWindowWithATenMegabyteLine)->Unit(benchmark::kMillisecond)->Iterations(1);

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
