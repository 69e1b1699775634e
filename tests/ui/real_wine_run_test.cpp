// "Compile Scripts" with the real wine, in a Wine prefix made for the test:
// the script sources go into "C:\Program Files\Core Design\trle\Script" of
// that prefix, and C:\Easylife.bat runs under wine's cmd, prints a line that
// reaches the run window, passes a `pause` and copies Script.txt over
// SCRIPT.DAT.
#include "support/main_window_test.h"

#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

/// Runs a wine tool in the test's prefix and waits for it.
bool runWine(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(tool, arguments);
    return process.waitForFinished(180000) && process.exitCode() == 0;
}

TEST_F(MainWindowTest, CompileScriptsRunsTheRealEasylifeBatchUnderWine)
{
    fs::remove(temp / "wine");  // the fixture's stand-in
    const ScopedVariable systemPath("PATH", "/usr/local/bin:/usr/bin:/bin");
    if (QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty())
        GTEST_SKIP() << "no wine on the PATH (tools/install-deps.sh installs it)";
    const fs::path prefix = temp / "prefix";
    const ScopedVariable wine[] = {{"WINEPREFIX", prefix.string()},
                                   {"WINEDEBUG", "-all"},
                                   {"WINEDLLOVERRIDES", "mscoree,mshtml="},  // no .NET or browser engine to offer
                                   {"DISPLAY", ""}};
    ASSERT_TRUE(runWine(QStringLiteral("wineboot"), {QStringLiteral("--init")}));

    const fs::path script = prefix / "drive_c/Program Files/Core Design/trle/Script";
    fs::create_directories(script);
    writeBytes(script / "SCRIPT.DAT", "old");
    writeBytes(prefix / "drive_c/Easylife.bat",
               "@echo off\r\necho Easylife compiles in %CD%\r\npause\r\n"
               "cd /d \"C:\\Program Files\\Core Design\\trle\\Script\"\r\ncopy /y Script.txt SCRIPT.DAT >nul\r\n"
               "copy /y English.txt ENGLISH.DAT >nul\r\n");
    entry("begin")->trigger();
    const bool ended = waitForMessage(0, 120000);
    runWine(QStringLiteral("wineserver"), {QStringLiteral("-k")});  // the test's own prefix only
    ASSERT_TRUE(ended);
    EXPECT_EQ(messages, QStringList{kCompiled});
    const QString output = child<QPlainTextEdit>(opened("Form13"), "Text1")->toPlainText();
    EXPECT_TRUE(output.startsWith(QStringLiteral("Easylife compiles in C:\\\n"))) << output.toStdString();
    EXPECT_EQ(readBytes(script / "SCRIPT.DAT"), readBytes(script / "Script.txt"));
}

}  // namespace
}  // namespace orvanta::test
