// The Easylife batch as the run window (Form13) shows it, through a stand-in
// wine that runs each case's batch as a shell script in the script folder.
#include "support/main_window_test.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <csignal>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

struct RunCase {
    const char* command;  ///< the menu entry that starts the batch
    const char* batch;    ///< what the batch does, in shell
    bool datFiles;        ///< the script folder holds script.DAT and ENGLISH.dat before
    bool stop;            ///< "Stop" is pressed once it has printed "running"
    std::string output;   ///< the run window's output in the end
    const char* message;  ///< what the one message box says, in part; null: none
    const char* state;    ///< what the run window's first line says in the end, in part
};

const std::string kLongestShownLine(400, '0');

const RunCase kRunCases[] = {
    {"begin", "printf 'one\\r\\n'; printf 'two\\r\\n' >&2; printf 'caf\\351\\r'; sleep 0.2; printf '\\nthree'", false,
     false, "one\ntwo\ncaf\u00e9\nthree",
     "exit status 0. But no new SCRIPT.DAT and ENGLISH.DAT appeared in the script folder \"C:\\Program "
     "Files\\Core Design\\trle\\Script\" or the game's folder \"C:\\Program Files\\Core Design\\trle\", so the DAT "
     "files were not rebuilt.",
     "exit status 0"},
    {"begin", "echo new > ../SCRIPT.DAT; echo new > ../English.Dat", false, false, "",
     "DAT files rewritten - Script Files Compiled!", "exit status 0"},
    {"begin", "echo compiling; echo new > script.DAT; echo new > ENGLISH.dat", true, false, "compiling\n",
     "DAT files rewritten - Script Files Compiled!", "exit status 0"},
    {"begin", "read key; echo pause ended; exit 3", false, false, "pause ended\n",
     "ended with exit status 3. The DAT files may not have been rebuilt.", "exit status 3"},
    {"begin", "echo new > ENGLISH.dat", true, false, "",
     "script.DAT in the script folder was not rewritten, so the game still uses the old one.", "exit status 0"},
    {"begin", "echo dying; kill -9 $$", false, false, "dying\n", "ended abnormally", "ended abnormally"},
    {"begin", "echo $$ > group; sleep 1000 & echo running; while :; do sleep 1; done", false, true, "running\n",
     "was stopped before it ended", "was stopped"},
    {"easy", "echo $$ > group; echo running; exec sleep 1000", false, true, "running\n", nullptr, "was stopped"},
    {"easy", "echo failed; exit 2", false, false, "failed\n", nullptr, "exit status 2"},
    {"easy", "printf '%0400d%0400d12\\n' 0 0", false, false, kLongestShownLine + "\n" + kLongestShownLine + "\n12\n",
     nullptr, "exit status 0"},  // a long line is broken
};

TEST_F(MainWindowTest, TheRunWindowShowsTheBatchAndTheCompileTellsHowItEnded)
{
    writeStandInWine(temp.path());
    const ScopedVariable withTools("PATH", temp.text() + ":/usr/bin:/bin");
    window.project().easylifeLocation = "C:\\Program Files\\Core Design\\trle\\Script\\Easylife.bat";
    for (const RunCase& c : kRunCases) {
        SCOPED_TRACE(c.batch);
        writeBytes(scriptFolder() / "Easylife.bat", c.batch);
        for (const char* name : {"script.DAT", "ENGLISH.dat"}) {
            fs::remove(scriptFolder() / name);
            if (c.datFiles)
                writeBytes(scriptFolder() / name, "old");
        }
        entry(c.command)->trigger();
        EXPECT_TRUE(messages.isEmpty()) << "told before the batch ended";
        QWidget* runWindow = opened("Form13");
        auto* state = child<QLabel>(runWindow, "Label1");
        auto* output = child<QPlainTextEdit>(runWindow, "Text1");
        EXPECT_EQ(runWindow->windowTitle() + u'|' + child<QPushButton>(runWindow, "Command1")->text() + u'|' +
                      child<QPushButton>(runWindow, "Command2")->text(),
                  QStringLiteral("Easylife Run|Stop|Close"));
        pid_t group = 0;
        if (c.stop) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return output->toPlainText().contains(QStringLiteral("running")); }));
            group = std::stoi(readBytes(scriptFolder() / "group"));
            EXPECT_EQ(::kill(-group, 0), 0) << "the batch leads a process group of its own";
            EXPECT_TRUE(state->text().startsWith(
                QStringLiteral("Running C:\\Program Files\\Core Design\\trle\\Script\\Easylife.bat since ")));
            entry("begin")->trigger();  // one run at a time: nothing else happens
            EXPECT_EQ(messages.size(), 1);
            EXPECT_TRUE(messages.value(0).contains(QStringLiteral("is still running")));
            messages.clear();
            click(runWindow, "Command1");
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !state->text().startsWith(QStringLiteral("Running")); }, 10000));
        EXPECT_EQ(output->toPlainText(), QString::fromStdString(c.output));
        EXPECT_TRUE(state->text().contains(QString::fromUtf8(c.state))) << state->text().toStdString();
        EXPECT_EQ(messages.size(), c.message == nullptr ? 0 : 1) << messages.join(u'|').toStdString();
        EXPECT_TRUE(c.message == nullptr || messages.value(0).contains(QString::fromUtf8(c.message)))
            << messages.join(u'|').toStdString();
        messages.clear();
        if (c.stop) {
            EXPECT_TRUE(QTest::qWaitFor([group] { return ::kill(-group, 0) != 0; }, 5000))
                << "a process of the batch runs on";
        }
    }
}

}  // namespace
}  // namespace orvanta::test
